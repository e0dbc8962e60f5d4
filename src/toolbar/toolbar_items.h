// The fixed table of tool bar items. The user's button sequence names rows of this table by
// their index, so the order of the rows is part of the settings file's format.
#pragma once

#include "resource.h"

#include <array>
#include <string_view>

namespace brisova {

enum class ToolbarItemKind { Button, DropDown, Separator };

struct ToolbarItem {
    unsigned command;        // 0 for a separator
    int image;               // index into the tool bar image strips; -1 for a separator
    std::string_view label;  // the tool tip part of the command's string
    ToolbarItemKind kind;
    bool textWhenSelective;  // shows its label in "selective text on right" mode
};

inline constexpr std::array<ToolbarItem, 22> kToolbarItems{{
    {ID_NEW_BUTTON, 9, "New", ToolbarItemKind::DropDown, false},
    {0, -1, "", ToolbarItemKind::Separator, false},
    {ID_GO_BACK, 0, "Back", ToolbarItemKind::DropDown, true},
    {ID_GO_FORWARD, 1, "Forward", ToolbarItemKind::DropDown, false},
    {ID_VIEW_STOP, 2, "Stop", ToolbarItemKind::Button, false},
    {ID_VIEW_REFRESH, 3, "Refresh", ToolbarItemKind::Button, false},
    {ID_GO_START_PAGE, 4, "Home", ToolbarItemKind::Button, false},
    {0, -1, "", ToolbarItemKind::Separator, false},
    {ID_VIEW_SEARCH, 5, "Search", ToolbarItemKind::Button, true},
    {ID_VIEW_HISTORY, 12, "History", ToolbarItemKind::Button, true},
    {0, -1, "", ToolbarItemKind::Separator, false},
    {ID_INFO_ADD, 28, "Add to...", ToolbarItemKind::Button, false},
    {ID_MAIL_BUTTON, 13, "Mail", ToolbarItemKind::DropDown, false},
    {ID_FONT_BUTTON, 8, "Font", ToolbarItemKind::DropDown, false},
    {ID_ENCODING_BUTTON, 14, "Encoding", ToolbarItemKind::DropDown, false},
    {ID_VIEW_FULLSCREEN, 11, "Full Screen", ToolbarItemKind::Button, false},
    {ID_WORK_OFFLINE, 19, "WorkOffline", ToolbarItemKind::Button, false},
    {0, -1, "", ToolbarItemKind::Separator, false},
    {ID_FILE_OPEN, 21, "Open", ToolbarItemKind::Button, false},
    {ID_FILE_PRINT, 7, "Print", ToolbarItemKind::Button, false},
    {ID_EDIT_COPY, 29, "Copy", ToolbarItemKind::Button, false},
    {ID_EDIT_FIND, 35, "Find", ToolbarItemKind::Button, false},
}};

inline constexpr int kToolbarItemCount = static_cast<int>(kToolbarItems.size());

// Every separator the user places is stored as this row.
inline constexpr int kSeparatorItem = 1;

// The image strips hold at least this many images, so every image index of the table exists.
inline constexpr int kToolbarImageCount = 36;

static_assert([] {
    for (const ToolbarItem& item : kToolbarItems)
        if (item.image >= kToolbarImageCount) return false;
    return true;
}(), "every image index must exist in the image strips");

inline constexpr bool IsToolbarItem(int index) { return index >= 0 && index < kToolbarItemCount; }

inline constexpr bool IsSeparatorItem(int index) {
    return IsToolbarItem(index) && kToolbarItems[static_cast<std::size_t>(index)].kind == ToolbarItemKind::Separator;
}

}  // namespace brisova
