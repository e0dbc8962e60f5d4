// Moving tabs and reopening closed windows under Wine, as the user does it: tabs dragged with
// the mouse and moved with the keys, windows closed and brought back by key and by menu, and
// the list of closed windows after a restart.
#include "support/app_fixture_win.h"

#include <commctrl.h>

#include <fstream>
#include <sstream>

#include "framework/menu_helpers_win.h"
#include "resource.h"
#include "shared/startup_rules.h"
#include "tab_bar_ids.h"

using Strings = std::vector<std::string>;

class Tabs : public AppFixture {
protected:
    void StartWith(const Strings& addresses) {
        WriteSetting("EnableHomePage", "0");
        ASSERT_TRUE(Start());
        for (const std::string& address : addresses) frame().OpenWindow(false, &address, true);
        ASSERT_EQ(Windows().size(), addresses.size());
    }
    LPARAM TabCentre(int index) {
        RECT tab{};
        frame().tabBar().SendMessage(TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&tab));
        return MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    }
    // Presses the left button on tab `from`, moves over each point in turn and lets go at the last.
    void Drag(int from, const std::vector<LPARAM>& path) {
        CTabBar& bar = frame().tabBar();
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, TabCentre(from));
        for (LPARAM at : path) bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, at);
        bar.SendMessage(WM_LBUTTONUP, 0, path.back());
        PumpPending();
    }
    Strings Record() const {
        auto bytes = brisova::DecodeProfileBinary(ReadSetting("lastvisit"));
        return bytes ? brisova::DecodeWindowRecord(*bytes) : Strings{};
    }
    // The items of the "Recently Closed" menu as it opens.
    Strings RecentlyClosedItems() {
        HMENU popup = FindSubMenu(FindSubMenu(frame().menuBar().menu(), "&File"), "Recently Clos&ed");
        EXPECT_TRUE(popup);
        frame().SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
        Strings items;
        for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
            char text[256] = {};
            ::GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            const UINT state = ::GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION);
            items.push_back((state & MF_SEPARATOR) ? "-" : std::string((state & MF_GRAYED) ? "(grey) " : "") + text);
        }
        return items;
    }
    std::string ClosedFile() const {
        std::ifstream in(directory_ + "Closed.txt", std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST_F(Tabs, DraggedAndMovedByKeysTheWindowsAndTheirRecordFollowTheTabs) {
    StartWith({"http://a.example/", "http://b.example/", "http://c.example/"});
    CChildFrame* a = Windows()[0];
    CChildFrame* c = Windows()[2];

    // Pressed on the first tab and dragged over the second onto the third: a mark shows
    // where it lands, the window lands there, active.
    CTabBar& bar = frame().tabBar();
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, TabCentre(0));
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, TabCentre(2));
    RECT third{};
    bar.SendMessage(TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&third));
    const RECT mark = bar.dropMark();
    EXPECT_GT(mark.bottom, mark.top);
    EXPECT_LE(std::abs(mark.left - third.right), 2);
    bar.SendMessage(WM_LBUTTONUP, 0, TabCentre(2));
    PumpPending();
    EXPECT_EQ(Addresses(), (Strings{"http://b.example/", "http://c.example/", "http://a.example/"}));
    EXPECT_EQ(ActiveWindow(), a);
    EXPECT_EQ(bar.Selection(), 2);
    EXPECT_EQ(bar.dropMark().right, 0);
    EXPECT_EQ(Record(), Addresses());

    // A drag let go below the bar, or a click that slips a pixel, moves nothing.
    const RECT client = bar.GetClientRect();
    Drag(0, {TabCentre(1), MAKELPARAM(10, client.bottom + 40)});
    Drag(1, {TabCentre(1) + 1});
    EXPECT_EQ(Addresses(), (Strings{"http://b.example/", "http://c.example/", "http://a.example/"}));

    // Ctrl+Shift+PgUp and PgDn on the page move the active tab, and stop at the ends.
    c->MDIActivate();
    PumpPending();
    ::SetFocus(c->view()->ControlWindow());
    PressKey(VK_PRIOR, kCtrl | kShift);
    EXPECT_EQ(Addresses(), (Strings{"http://c.example/", "http://b.example/", "http://a.example/"}));
    PressKey(VK_PRIOR, kCtrl | kShift);
    EXPECT_EQ(Windows()[0], c);
    EXPECT_EQ(ActiveWindow(), c);
    PressKey(VK_NEXT, kCtrl | kShift);
    PressKey(VK_NEXT, kCtrl | kShift);
    PressKey(VK_NEXT, kCtrl | kShift);
    EXPECT_EQ(Addresses(), (Strings{"http://b.example/", "http://a.example/", "http://c.example/"}));
    EXPECT_EQ(Record(), Addresses());
}

namespace {
// The jump list the taskbar button would offer: the titles of its "Recently Closed" entries.
class RecordedJumpList final : public JumpListWriter {
public:
    explicit RecordedJumpList(std::vector<Strings>* lists) : lists_(lists) {}
    void Write(const brisova::JumpList& list) override {
        Strings titles;
        for (const brisova::JumpListEntry& entry : list.category) titles.push_back(entry.title);
        lists_->push_back(titles);
    }

private:
    std::vector<Strings>* lists_;
};
}  // namespace

TEST_F(Tabs, ClosedWindowsComeBackAtTheirPlaceByKeyAndByMenuAndAfterARestart) {
    StartWith({"http://a.example/", "http://b.example/", "http://c.example/"});
    EXPECT_EQ(RecentlyClosedItems(), Strings{"(grey) &Reopen Closed Window\tCtrl+Shift+T"});
    // The taskbar's jump list is written once the start has completed, and at each change.
    std::vector<Strings> jumpLists;
    frame().closedWindows().SetJumpList(std::make_unique<RecordedJumpList>(&jumpLists));
    ASSERT_TRUE(PumpUntil([this] { return frame().startupComplete(); }));
    EXPECT_EQ(jumpLists, std::vector<Strings>{{}});

    // The middle window, then the last, closed by the user.
    Windows()[1]->MDIActivate();
    BrowserOf(Windows()[1])->RaiseTitle("Bee & co");
    BrowserOf(Windows()[1])->backAddresses = {"http://b0.example/"};
    Command(ID_FILE_CLOSE);
    PumpUntil([&] { return Windows().size() == 2; });
    Command(ID_FILE_CLOSE);
    PumpUntil([&] { return Windows().size() == 1; });
    EXPECT_EQ(RecentlyClosedItems(),
              (Strings{"&Reopen Closed Window\tCtrl+Shift+T", "-", "http://c.example/", "Bee && co"}));
    EXPECT_EQ(jumpLists.back(), (Strings{"http://c.example/", "Bee & co"}));

    // Ctrl+Shift+T on the page brings back the newest; the menu's item the one chosen, at its
    // old place in the tab bar.
    ::SetFocus(ActiveWindow()->view()->ControlWindow());
    PressKey('T', kCtrl | kShift);
    EXPECT_EQ(Addresses(), (Strings{"http://a.example/", "http://c.example/"}));
    EXPECT_EQ(ActiveWindow(), Windows()[1]);
    Command(ID_RECENTLY_CLOSED_FIRST);
    EXPECT_EQ(Addresses(), (Strings{"http://a.example/", "http://b.example/", "http://c.example/"}));
    EXPECT_EQ(ActiveWindow(), Windows()[1]);
    // With the pages it had behind it.
    EXPECT_EQ(BrowserOf(Windows()[1])->calls.back(), "travel log http://b0.example/ |");
    EXPECT_FALSE(CommandEnabled(ID_FILE_REOPEN_CLOSED));
    EXPECT_EQ(jumpLists.back(), Strings{});

    // Closed windows outlive the run; the exit's own closing of windows adds none. The title is
    // what the page showed last: the reopened page gave none of its own.
    Command(ID_FILE_CLOSE);
    PumpUntil([&] { return Windows().size() == 2; });
    prompter_.QueueExit({true, false});
    frame().SendMessage(WM_CLOSE);
    EXPECT_EQ(ClosedFile(), "Brisova closed windows 1\n1\thttp://b.example/\thttp://b.example/\nB\thttp://b0.example/\n");
    app_.reset();
    ASSERT_TRUE(Start());
    EXPECT_TRUE(CommandEnabled(ID_FILE_REOPEN_CLOSED));
    Command(ID_FILE_REOPEN_CLOSED);
    EXPECT_EQ(Addresses(), Strings{"http://b.example/"});
}
