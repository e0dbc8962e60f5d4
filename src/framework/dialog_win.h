// Modal dialogs from dialog resources, dispatching through the same tables as windows.
#pragma once

#include "framework/wnd_win.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId) : templateId_(templateId) {}
    DECLARE_MESSAGE_MAP()

    // Runs the dialog modally; returns the code given to EndDialog, or -1 when it cannot be shown.
    INT_PTR DoModal(HWND owner);
    void EndDialog(INT_PTR code) const { ::EndDialog(m_hWnd, code); }

    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    LRESULT DefWindowProcChain(UINT message, WPARAM wParam, LPARAM lParam) override { return 0; }
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    UINT templateId_;
};

// What a dialog procedure returns for a message its object did or did not handle. A few
// messages (the colour messages, WM_INITDIALOG and the list-box and item queries) take their
// reply from the procedure's own return value; every other reply goes through DWLP_MSGRESULT.
INT_PTR DialogReply(HWND dialog, UINT message, bool handled, LRESULT result);
