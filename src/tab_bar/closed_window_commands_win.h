// CClosedWindowCommands: the windows the user closed lately, for reopening. It hears of every
// window the user closes, keeps the list in "Closed.txt" beside the settings, answers
// "Reopen Closed Window" (Ctrl+Shift+T) and the items of the "Recently Closed" menu, and
// fills that menu each time it opens.
#pragma once

#include <memory>
#include <string>

#include "controls/jump_list_win.h"
#include "framework/cmd_target_win.h"
#include "tab_bar/closed_windows.h"

class BrowserFrame;
class CChildFrame;
class CTabBar;

class CClosedWindowCommands final : public CCmdTarget {
public:
    // `programDirectory` ends in a backslash; the list is read from it at once.
    CClosedWindowCommands(BrowserFrame& frame, CTabBar& tabs, const std::string& programDirectory);
    DECLARE_MESSAGE_MAP()

    // The user closed `window`, whose tab was at `tabIndex`.
    void OnWindowClosed(CChildFrame& window, int tabIndex);
    // Fills the "Recently Closed" menu, the frame's own or a copy of it, as it opens.
    void OnInitMenuPopup(HMENU popup) const;
    const brisova::ClosedWindows& list() const { return list_; }
    // Offers the list on the taskbar button from now on, and at every change; the system's jump
    // list unless a test gives its own.
    void PublishJumpList();
    void SetJumpList(std::unique_ptr<JumpListWriter> jumpList);

private:
    void OnReopenLast();
    void OnReopen(UINT id);
    void OnUpdateReopen(CCmdUI* ui);
    void Reopen(std::size_t index);
    void Save() const;

    BrowserFrame& frame_;
    CTabBar& tabs_;
    std::string path_;
    brisova::ClosedWindows list_;
    std::unique_ptr<JumpListWriter> jumpList_ = std::make_unique<SystemJumpList>();
    bool published_ = false;
};
