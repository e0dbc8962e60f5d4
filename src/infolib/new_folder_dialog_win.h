// The Create New Folder dialog (154): asks for the name of a new library folder.
#pragma once

#include <string>

#include "framework/dialog_win.h"

class CNewFolderDialog final : public CDialog {
public:
    CNewFolderDialog();
    DECLARE_MESSAGE_MAP()

    bool OnInitDialog() override;
    void OnOK() override;

    // The name typed, without surrounding blanks; set when the dialog ended with OK.
    const std::string& name() const { return name_; }

private:
    void OnNameChange();

    std::string name_;
};
