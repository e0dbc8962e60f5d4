#include "toolbar/toolbar_commands_win.h"

#include "resource.h"
#include "toolbar/customize_toolbar_dialog_win.h"

const MessageMap* CToolbarCommands::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandHandler<&CToolbarCommands::OnTextLabel>(ID_VIEW_TEXTLABEL),
        CommandHandler<&CToolbarCommands::OnCustomize>(ID_VIEW_CUSTOMIZE),
    };
    static const MessageMap map(&CCmdTarget::ThisMessageMap, entries);
    return &map;
}

brisova::ToolbarAppearance CToolbarCommands::Appearance() const {
    return {settings_.textLabel, settings_.smallToolbar, settings_.colorIcon};
}

void CToolbarCommands::RebuildToolbar(bool recreateImageLists) {
    toolBar_.Rebuild(recreateImageLists, Appearance(), profile_);
}

void CToolbarCommands::OnTextLabel() {
    settings_.textLabel = brisova::ToggledTextLabel(settings_.textLabel);
    RebuildToolbar(false);
}

void CToolbarCommands::OnCustomize() {
    const brisova::ToolbarAppearance before = Appearance();
    CCustomizeToolbarDialog dialog(profile_, before);
    if (dialog.DoModal(::GetAncestor(toolBar_.m_hWnd, GA_ROOT)) != IDOK) return;
    const brisova::ToolbarAppearance after = dialog.appearance();
    settings_.textLabel = after.textLabel;
    settings_.smallToolbar = after.smallToolbar;
    settings_.colorIcon = after.colorIcon;
    RebuildToolbar(brisova::ImageListsNeedRebuild(before, after));
}
