#include "infolib/new_folder_dialog_win.h"

#include "infolib/dialog_text_win.h"
#include "infolib_ids.h"

const MessageMap* CNewFolderDialog::ThisMessageMap() {
    static const MessageEntry entries[] = {
        ControlHandler<&CNewFolderDialog::OnNameChange>(EN_CHANGE, IDC_FOLDER_NAME),
    };
    static const MessageMap map(&CDialog::ThisMessageMap, entries);
    return &map;
}

CNewFolderDialog::CNewFolderDialog() : CDialog(IDD_NEW_FOLDER) {}

bool CNewFolderDialog::OnInitDialog() {
    HWND edit = ::GetDlgItem(m_hWnd, IDC_FOLDER_NAME);
    ::SendMessageA(edit, EM_LIMITTEXT, kMaxNameLength, 0);
    ::SetWindowTextA(edit, "");
    OnNameChange();
    ::SetFocus(edit);
    return false;
}

void CNewFolderDialog::OnNameChange() {
    ::EnableWindow(::GetDlgItem(m_hWnd, IDOK), !TrimmedItemText(m_hWnd, IDC_FOLDER_NAME).empty());
}

void CNewFolderDialog::OnOK() {
    name_ = TrimmedItemText(m_hWnd, IDC_FOLDER_NAME);
    // Enter reaches here even while the OK button is disabled.
    if (name_.empty()) return;
    EndDialog(IDOK);
}
