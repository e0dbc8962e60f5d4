#include "content/donate_dialog_win.h"

#include "content/content_text_win.h"
#include "content_ids.h"

CDonateDialog::CDonateDialog(const brisova::ContentFiles& files, bool showAtStart)
    : CDialog(IDD_DONATE), files_(files), showAtStart_(showAtStart) {}

bool CDonateDialog::OnInitDialog() {
    ::CheckDlgButton(m_hWnd, IDC_SHOW_AT_START, showAtStart_ ? BST_CHECKED : BST_UNCHECKED);
    // Without its text the donation offers no choices either.
    if (std::optional<std::string> text = files_.DonationText()) {
        ReplaceContentText(m_hWnd, IDC_CONTENT_TEXT, *text);
        choices_ = files_.DonationChoices();
    }
    HWND list = ::GetDlgItem(m_hWnd, IDC_DONATE_CHOICES);
    for (const brisova::DonationChoice& choice : choices_)
        ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.label.c_str()));
    if (!choices_.empty()) ::SendMessageA(list, CB_SETCURSEL, 0, 0);
    // The text box would take the focus and show its whole text selected.
    ::SetFocus(::GetDlgItem(m_hWnd, IDOK));
    return false;
}

void CDonateDialog::TakeCheckBox() {
    showAtStart_ = ::IsDlgButtonChecked(m_hWnd, IDC_SHOW_AT_START) == BST_CHECKED;
}

void CDonateDialog::OnOK() {
    TakeCheckBox();
    auto selected = ::SendDlgItemMessageA(m_hWnd, IDC_DONATE_CHOICES, CB_GETCURSEL, 0, 0);
    if (selected >= 0 && static_cast<std::size_t>(selected) < choices_.size())
        chosenAddress_ = choices_[static_cast<std::size_t>(selected)].address;
    EndDialog(IDOK);
}

void CDonateDialog::OnCancel() {
    TakeCheckBox();
    EndDialog(IDCANCEL);
}
