// CToolbarCommands: "Tool Bar Text Label" and "Customize Tool Bar", and the tool bar rebuild
// that follows a change of the appearance settings. The frame asks it for commands through its
// list of command targets.
#pragma once

#include "framework/cmd_target_win.h"
#include "platform/profile.h"
#include "shared/settings.h"
#include "toolbar/toolbar_win.h"

class CToolbarCommands final : public CCmdTarget {
public:
    // `settings` is the frame's settings mirror: the commands change its "TextLabel",
    // "SmallToolbar" and "ColorIcon"; the button sequence is read from and written to `profile`.
    CToolbarCommands(CBrisovaToolBar& toolBar, brisova::Profile& profile, brisova::Settings& settings)
        : toolBar_(toolBar), profile_(profile), settings_(settings) {}
    DECLARE_MESSAGE_MAP()

    // Rebuilds the tool bar from the stored sequence and the current appearance settings.
    void RebuildToolbar(bool recreateImageLists);

private:
    void OnTextLabel();
    void OnCustomize();
    brisova::ToolbarAppearance Appearance() const;

    CBrisovaToolBar& toolBar_;
    brisova::Profile& profile_;
    brisova::Settings& settings_;
};
