// The Most Useful Tips dialog (160): the numbered tips of the installation, one at a time, and
// whether they show when the program starts.
#pragma once

#include "content/content_files.h"
#include "framework/dialog_win.h"

class CTipsDialog final : public CDialog {
public:
    CTipsDialog(const brisova::ContentFiles& files, bool showAtStart);
    DECLARE_MESSAGE_MAP()

    bool OnInitDialog() override;
    void OnOK() override;

    // The check box as "&Close" left it; unchanged when the dialog ended any other way.
    bool showAtStart() const { return showAtStart_; }

private:
    void OnNext();
    void OnPrevious();
    void ShowTip();

    const brisova::ContentFiles& files_;
    bool showAtStart_;
    int count_;
    int index_ = 0;
};
