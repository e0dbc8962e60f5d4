#include "content/tips_dialog_win.h"

#include "content/content_text_win.h"
#include "content_ids.h"

const MessageMap* CTipsDialog::ThisMessageMap() {
    static const MessageEntry entries[] = {
        ControlHandler<&CTipsDialog::OnNext>(BN_CLICKED, IDC_TIP_NEXT),
        ControlHandler<&CTipsDialog::OnPrevious>(BN_CLICKED, IDC_TIP_PREVIOUS),
    };
    static const MessageMap map(&CDialog::ThisMessageMap, entries);
    return &map;
}

CTipsDialog::CTipsDialog(const brisova::ContentFiles& files, bool showAtStart)
    : CDialog(IDD_MOST_TIPS), files_(files), showAtStart_(showAtStart), count_(files.TipCount()) {}

bool CTipsDialog::OnInitDialog() {
    ::CheckDlgButton(m_hWnd, IDC_SHOW_AT_START, showAtStart_ ? BST_CHECKED : BST_UNCHECKED);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_TIP_PREVIOUS), FALSE);
    if (count_ > 0) {
        index_ = -1;
        OnNext();
    } else {
        ::EnableWindow(::GetDlgItem(m_hWnd, IDC_TIP_NEXT), FALSE);
    }
    ::SetFocus(::GetDlgItem(m_hWnd, IDOK));
    return false;
}

void CTipsDialog::OnNext() {
    if (index_ + 1 >= count_) return;
    ++index_;
    ShowTip();
}

void CTipsDialog::OnPrevious() {
    if (index_ <= 0) return;
    --index_;
    ShowTip();
}

void CTipsDialog::ShowTip() {
    ReplaceContentText(m_hWnd, IDC_CONTENT_TEXT, files_.Tip(index_));
    EnableKeepingFocus(m_hWnd, IDC_TIP_NEXT, index_ + 1 != count_);
    EnableKeepingFocus(m_hWnd, IDC_TIP_PREVIOUS, index_ > 0);
}

void CTipsDialog::OnOK() {
    showAtStart_ = ::IsDlgButtonChecked(m_hWnd, IDC_SHOW_AT_START) == BST_CHECKED;
    EndDialog(IDOK);
}
