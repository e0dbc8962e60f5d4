#include "commands/popup_commands_win.h"

#include "browser/child_frame_win.h"
#include "resource.h"
#include "tab_bar/tab_bar_win.h"

const MessageMap* CPopupCommands::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandHandler<&CPopupCommands::OnBlockPopups>(ID_BLOCK_POPUPS),
    };
    static const MessageMap map(&CCmdTarget::ThisMessageMap, entries);
    return &map;
}

void CPopupCommands::OnBlockPopups() {
    enableAutoFilter_ = enableAutoFilter_ ? 0 : 1;
    for (int i = 0; i < windows_.Count(); ++i) {
        CChildFrame* window = windows_.WindowAt(i);
        if (CBrisovaView* view = window ? window->view() : nullptr) view->SetBlockPopups(enableAutoFilter_ != 0);
    }
}

void CPopupCommands::TrimToolsMenu(HMENU popup) {
    int count = ::GetMenuItemCount(popup);
    bool holdsBlockPopups = false;
    for (int i = 0; i < count && !holdsBlockPopups; ++i) holdsBlockPopups = ::GetMenuItemID(popup, i) == ID_BLOCK_POPUPS;
    if (!holdsBlockPopups) return;
    for (int i = count - 1; i >= kToolsMenuItems; --i) ::DeleteMenu(popup, static_cast<UINT>(i), MF_BYPOSITION);
}
