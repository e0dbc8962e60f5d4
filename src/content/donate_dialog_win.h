// The donation dialog (158): the installation's donation text, its choices and their web
// addresses, and whether the dialog shows when the program starts.
#pragma once

#include <string>
#include <vector>

#include "content/content_files.h"
#include "framework/dialog_win.h"

class CDonateDialog final : public CDialog {
public:
    CDonateDialog(const brisova::ContentFiles& files, bool showAtStart);

    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // The check box as either button left it.
    bool showAtStart() const { return showAtStart_; }
    // The address of the choice "Donate" took; empty after "Close" or without choices.
    const std::string& chosenAddress() const { return chosenAddress_; }

private:
    void TakeCheckBox();

    const brisova::ContentFiles& files_;
    bool showAtStart_;
    std::vector<brisova::DonationChoice> choices_;
    std::string chosenAddress_;
};
