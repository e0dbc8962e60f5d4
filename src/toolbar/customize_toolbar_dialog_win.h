// CCustomizeToolbarDialog: the Customize Toolbar dialog. Its two lists mirror a CustomizeModel
// item for item; OK stores the new button sequence and keeps the appearance the user chose.
#pragma once

#include <optional>
#include <string>

#include "framework/dialog_win.h"
#include "platform/handles_win.h"
#include "platform/profile.h"
#include "toolbar/customize_model.h"

class CCustomizeToolbarDialog final : public CDialog {
public:
    // The lists start from the sequence stored in `profile`, the appearance controls from
    // `appearance`.
    CCustomizeToolbarDialog(brisova::Profile& profile, const brisova::ToolbarAppearance& appearance);
    DECLARE_MESSAGE_MAP()

    // What the controls said when OK was pressed; until then the appearance given.
    const brisova::ToolbarAppearance& appearance() const { return appearance_; }
    const brisova::CustomizeModel& model() const { return model_; }

    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnAdd();
    void OnRemove();
    void OnMoveUp();
    void OnMoveDown();
    void OnAvailableDoubleClick(NMHDR* header, LRESULT* result);
    void OnCurrentDoubleClick(NMHDR* header, LRESULT* result);

    HWND available() const;
    HWND current() const;
    void PrepareList(HWND list) const;
    void InsertItem(HWND list, std::size_t position, int item) const;
    // Shows an item of the current list that moved from one position to the next.
    void ShowMove(std::size_t from, std::size_t to) const;
    void FillAppearanceControls() const;

    brisova::Profile& profile_;
    brisova::ToolbarAppearance appearance_;
    brisova::CustomizeModel model_;
    std::string separatorText_;
    // Both lists draw from this one list of pictures and leave it to the dialog to free.
    ScopedImageList images_;
};
