// CBrisovaToolBar: the frame's customizable button bar, a flat tool bar control in a band of the
// top rebar. Its buttons, texts and sizes are made again from the stored button sequence and the
// three appearance settings whenever they change.
#pragma once

#include <functional>
#include <string>

#include "framework/wnd_win.h"
#include "platform/handles_win.h"
#include "platform/profile.h"
#include "toolbar/toolbar_layout.h"

class CBrisovaToolBar final : public CWnd {
public:
    DECLARE_MESSAGE_MAP()

    // Creates the bar as a child of the frame, so that its commands and drop-down notifications
    // go to the frame even after a rebar band has adopted it.
    bool Create(HWND frame);
    // Puts the bar into a band of its own row in `rebar`, without gripper, with a chevron and
    // band id 59392; later rebuilds fit that band to the buttons.
    bool AddToRebar(HWND rebar);

    // Makes the buttons again from the sequence stored in `profile`. The image lists are made
    // when there are none yet, or again when `recreateImageLists` is set.
    void Rebuild(bool recreateImageLists, const brisova::ToolbarAppearance& appearance,
                 const brisova::Profile& profile);

    // The frame moved to another DPI: the labels take `font`, and button sizes measured at the
    // old DPI are forgotten. The rebuild that follows makes the images for the new one.
    void DpiChanged(HFONT font);

    // Runs after every rebuild, so that the frame can lay its bars out for the band's new height.
    std::function<void()> onLayoutChanged;

    HIMAGELIST normalImages() const { return normalImages_.get(); }
    HIMAGELIST hotImages() const { return hotImages_.get(); }
    const brisova::RememberedButtonSizes& rememberedSizes() const { return rememberedSizes_; }

    bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void MakeImageLists(const brisova::ToolbarAppearance& appearance);
    void DeleteAllButtons() const;
    void SetTextMode(int textLabel) const;
    void AddButtons(const std::vector<brisova::ToolbarButton>& buttons) const;
    void SetButtonSize(const brisova::ToolbarAppearance& appearance);
    void FitBand(const REBARBANDINFOA& before) const;
    // The band holding the bar, read with its style and size and its no-gripper style cleared;
    // false without one.
    bool ReadBand(REBARBANDINFOA& band) const;
    std::optional<brisova::ButtonSize> FirstButtonSize() const;
    std::optional<int> LastButtonRight() const;

    HWND rebar_ = nullptr;
    ScopedImageList normalImages_;
    ScopedImageList hotImages_;
    brisova::RememberedButtonSizes rememberedSizes_;
    // The tool tip asked last; the tool tip control reads it after the notification returns.
    std::string tipText_;
    std::wstring wideTipText_;
};
