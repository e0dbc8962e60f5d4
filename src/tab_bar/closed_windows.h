// The browser windows the user closed lately, newest first, so that one closed by mistake can
// be reopened at its old place in the tab bar. The list survives a restart in a file of its
// own, written whole:
//   "Brisova closed windows 1\n", then a line for each window, newest first:
//   "<tab index>\t<title>\t<address>\n"
//   followed by its back pages, nearest first, as "B\t<address>\n", and its forward pages as
//   "F\t<address>\n", at most 50 of each.
// Titles and addresses hold no tab or line break (they are replaced by spaces when a window is
// added). Reading stops at the first damaged line, keeping the windows before it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/jump_list.h"

namespace brisova {

struct ClosedWindow {
    int tabIndex = 0;
    std::string title;
    std::string address;
    std::vector<std::string> back;     // nearest first
    std::vector<std::string> forward;  // nearest first

    bool operator==(const ClosedWindow&) const = default;
};

inline constexpr std::size_t kMaxClosedWindows = 10;
inline constexpr std::size_t kMaxClosedHistory = 50;
// A longer line than this is damage: an address is at most 2048 characters.
inline constexpr std::size_t kMaxClosedLine = 4096;
inline constexpr std::string_view kClosedWindowsFile = "Closed.txt";
// A file longer than the longest list can be is damaged past this.
inline constexpr std::size_t kMaxClosedFile = kMaxClosedWindows * (2 * kMaxClosedHistory + 1) * (kMaxClosedLine + 1);

class ClosedWindows {
public:
    // A window without an address leaves nothing to reopen and is not kept.
    void Add(ClosedWindow window);
    // Takes the window `index` (0 the newest) out of the list; false when there is none.
    bool Take(std::size_t index, ClosedWindow& window);
    const std::vector<ClosedWindow>& windows() const { return windows_; }
    bool empty() const { return windows_.empty(); }

    std::string Format() const;
    static ClosedWindows Parse(std::string_view text);

private:
    std::vector<ClosedWindow> windows_;
};

// The text of the window's item in the "Recently Closed" menu: its title cut as a tab's text,
// or its address when it has no title, with the menu's "&"s doubled.
std::string ClosedWindowLabel(const ClosedWindow& window);

// The taskbar button's jump list: the task "New Window" (a blank page) and the category
// "Recently Closed", newest first, each entry opening the window's address in a new window.
// An address that cannot be passed as one plain argument (it holds a quote, or starts as a
// switch does) is left out.
JumpList ClosedWindowsJumpList(const ClosedWindows& closed);

}  // namespace brisova
