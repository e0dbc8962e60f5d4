// "&Block Unwanted Pop-up Pages" (32812): one switch for the pop-up blocking of every open
// window, and the Tools menu that holds it kept to its own eight items.
#pragma once

#include <windows.h>

#include "framework/cmd_target_win.h"

class CTabBar;

class CPopupCommands final : public CCmdTarget {
public:
    // `enableAutoFilter` is the frame's "EnableAutoFilter" member, which the command flips.
    CPopupCommands(CTabBar& windows, int& enableAutoFilter) : windows_(windows), enableAutoFilter_(enableAutoFilter) {}
    DECLARE_MESSAGE_MAP()

    // The Tools menu has exactly eight items of its own: whatever the system appends to a menu
    // that holds command 32812 (the list of open windows) goes before the menu is shown. Other
    // menus are left alone.
    static void TrimToolsMenu(HMENU popup);
    static constexpr int kToolsMenuItems = 8;

private:
    void OnBlockPopups();

    CTabBar& windows_;
    int& enableAutoFilter_;
};
