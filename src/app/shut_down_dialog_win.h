// "Shut Down" (dialog 163): asked before the program closes, with "Don't ask me again".
#pragma once

#include "framework/dialog_win.h"
#include "resource.h"

class CShutDownDialog final : public CDialog {
public:
    CShutDownDialog() : CDialog(IDD_SHUTDOWN) {}
    bool dontAskAgain() const { return dontAskAgain_; }
    void OnOK() override {
        dontAskAgain_ = ::IsDlgButtonChecked(m_hWnd, IDC_DONT_ASK_AGAIN) == BST_CHECKED;
        CDialog::OnOK();
    }

private:
    bool dontAskAgain_ = false;
};
