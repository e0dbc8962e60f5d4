#include "framework/dialog_win.h"

#include "platform/diagnostics.h"

const MessageMap* CDialog::ThisMessageMap() {
    static const MessageMap map(&CWnd::ThisMessageMap);
    return &map;
}

INT_PTR CDialog::DoModal(HWND owner) {
    return ::DialogBoxParamA(ResourceInstance(), MAKEINTRESOURCEA(templateId_), owner, &CDialog::DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

bool CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam)) return true;
    if (HIWORD(wParam) != BN_CLICKED) return false;
    if (LOWORD(wParam) == IDOK) OnOK();
    else if (LOWORD(wParam) == IDCANCEL) OnCancel();
    else return false;
    return true;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        // The system owns a dialog's window procedure; the dialog procedure only binds the object.
        dialog->Attach(hwnd);
        return dialog->OnInitDialog();
    }
    CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
    auto* dialog = dynamic_cast<CDialog*>(wnd);
    if (!dialog) return FALSE;
    LRESULT result = 0;
    bool handled = false;
    try {
        handled = dialog->OnWndMsg(message, wParam, lParam, &result);
    } catch (...) {
        brisova::ReportCaughtFailure("a dialog procedure");
        handled = true;
    }
    if (message == WM_NCDESTROY) dialog->Detach();
    return DialogReply(hwnd, message, handled, result);
}

INT_PTR DialogReply(HWND dialog, UINT message, bool handled, LRESULT result) {
    if (!handled) return FALSE;
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return static_cast<INT_PTR>(result);
    default:
        ::SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
        return TRUE;
    }
}
