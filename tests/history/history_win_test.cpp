// The history bar under Wine: the command, its check mark, the tree, opening pages, resizing,
// floating and docking, and the refresh after the history was cleared.
#include "support/app_fixture_win.h"

#include <windowsx.h>

#include <cstring>

#include "framework/mini_dock_frame_win.h"
#include "history/history_commands_win.h"
#include "history/url_history_store_win.h"
#include "history_ids.h"
#include "resource.h"
#include "support/recording_cmd_ui_win.h"

namespace {
// A store the test fills; the bar reads it whenever it fills its tree.
class ListStore final : public brisova::HistoryStore {
public:
    explicit ListStore(std::shared_ptr<std::vector<brisova::HistoryEntry>> entries) : entries_(std::move(entries)) {}
    std::vector<brisova::HistoryEntry> Entries() override { return *entries_; }

private:
    std::shared_ptr<std::vector<brisova::HistoryEntry>> entries_;
};

RECT ClientRectIn(HWND window, HWND parent) {
    RECT r{};
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
}  // namespace

class HistoryBar : public AppFixture {
protected:
    bool StartWithHistory() {
        WriteSetting("EnableHomePage", "0");
        if (!Start()) return false;
        SetClientWidth(800);
        frame().history().SetStore(std::make_unique<ListStore>(entries_));
        return true;
    }
    void Add(const std::string& address, const std::string& title, int daysAgo) {
        entries_->push_back({address, title, today_ - daysAgo});
    }
    std::string OlderGroup() const { return brisova::GroupOf(today_ - 10, today_, {}).text; }

    CHistoryCommands& history() { return frame().history(); }
    CSizingControlBarCF* bar() { return history().explorerBar(); }
    HWND tree() { return history().pane() ? history().pane()->tree().m_hWnd : nullptr; }
    std::vector<HistoryTreeItem> Items() { return ReadTreeItems(tree()); }
    HTREEITEM Item(const std::vector<std::string>& path) {
        HTREEITEM item = TVI_ROOT;
        for (const std::string& text : path)
            if (!(item = FindTreeItem(tree(), item, text))) return nullptr;
        return item;
    }
    bool Checked() {
        RecordingCmdUI ui(ID_VIEW_HISTORY);
        ui.DoUpdate(&frame(), true);
        return ui.checked;
    }
    RECT ViewArea() { return ClientRectIn(frame().m_hWndMDIClient, frame().m_hWnd); }
    RECT BarArea() { return ClientRectIn(bar()->m_hWnd, frame().m_hWnd); }
    // A point on the bar's window, in screen coordinates.
    POINT OnBar(int x, int y) {
        RECT r = bar()->GetWindowRect();
        return {r.left + x, r.top + y};
    }
    static LPARAM Packed(POINT p) { return MAKELPARAM(p.x, p.y); }
    static LPARAM InClient(HWND window, POINT screen) {
        ::ScreenToClient(window, &screen);
        return MAKELPARAM(screen.x, screen.y);
    }
    // Drags the bar's right edge by `dx` as the mouse would.
    void DragRightEdge(int dx) {
        RECT r = bar()->GetWindowRect();
        POINT start{r.right - 2, (r.top + r.bottom) / 2};
        ASSERT_EQ(bar()->SendMessage(WM_NCHITTEST, 0, Packed(start)), HTRIGHT);
        bar()->SendMessage(WM_NCLBUTTONDOWN, HTRIGHT, Packed(start));
        POINT end{start.x + dx, start.y};
        bar()->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, InClient(bar()->m_hWnd, end));
        bar()->SendMessage(WM_LBUTTONUP, 0, InClient(bar()->m_hWnd, end));
        PumpPending();
    }

    std::shared_ptr<std::vector<brisova::HistoryEntry>> entries_ = std::make_shared<std::vector<brisova::HistoryEntry>>();
    int today_ = LocalToday();
};

TEST_F(HistoryBar, TheCommandTogglesTheBarAndItsCheckMarkAndKeepsOpenGroupsButToday) {
    Add("http://a.example/one.htm", "One", 0);
    Add("https://a.example/two.htm", "", 0);
    Add("javascript:alert(1)", "Script", 0);
    Add("http://b.example/old", "Old", 10);
    ASSERT_TRUE(StartWithHistory());
    EXPECT_FALSE(bar());
    EXPECT_FALSE(Checked());

    Command(ID_VIEW_HISTORY);
    ASSERT_TRUE(bar());
    EXPECT_EQ(bar()->GetDlgCtrlID(), static_cast<UINT>(ID_EXPLORER_BAR));
    EXPECT_EQ(bar()->GetWindowText(), "History");
    EXPECT_EQ(bar()->dockSide(), brisova::DockSide::Left);
    EXPECT_TRUE(bar()->IsWindowVisible());
    EXPECT_TRUE(Checked());
    // Docked left beside the view area, between the rebar and the bottom bars.
    RECT barArea = BarArea(), view = ViewArea();
    EXPECT_EQ(barArea.left, 0);
    EXPECT_EQ(barArea.right - barArea.left, 200);
    EXPECT_EQ(view.left, barArea.right);
    EXPECT_EQ(view.top, barArea.top);
    EXPECT_EQ(view.bottom, barArea.bottom);

    std::vector<HistoryTreeItem> items = Items();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].text, OlderGroup());
    EXPECT_EQ(items[1].text, "Today");
    ASSERT_EQ(items[1].children.size(), 1u);
    EXPECT_EQ(items[1].children[0].text, "a.example");
    ASSERT_EQ(items[1].children[0].children.size(), 2u);
    EXPECT_EQ(items[1].children[0].children[1].text, "two.htm");

    // The user opens both groups and a site; hiding and showing brings back all but "Today".
    history().pane()->tree().Activate(Item({OlderGroup()}));
    history().pane()->tree().Activate(Item({OlderGroup(), "b.example"}));
    history().pane()->tree().Activate(Item({"Today"}));
    Add("http://c.example/new", "New", 0);
    Command(ID_VIEW_HISTORY);
    EXPECT_FALSE(bar()->IsWindowVisible());
    EXPECT_FALSE(Checked());
    EXPECT_EQ(ViewArea().left, 0);
    Command(ID_VIEW_HISTORY);
    EXPECT_TRUE(Checked());
    items = Items();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_TRUE(items[0].expanded);
    EXPECT_TRUE(items[0].children[0].expanded);
    EXPECT_FALSE(items[1].expanded);
    EXPECT_EQ(items[1].children.size(), 2u);  // the visit made meanwhile

    // The close button hides the bar and clears the check mark.
    RECT close = bar()->CloseButtonRect();
    POINT onClose = OnBar((close.left + close.right) / 2, (close.top + close.bottom) / 2);
    ASSERT_EQ(bar()->SendMessage(WM_NCHITTEST, 0, Packed(onClose)), HTCLOSE);
    bar()->SendMessage(WM_NCMOUSEMOVE, HTCLOSE, Packed(onClose));
    EXPECT_TRUE(bar()->closeHot());
    bar()->SendMessage(WM_NCMOUSELEAVE);
    PumpPending();
    EXPECT_FALSE(bar()->closeHot());
    bar()->SendMessage(WM_NCLBUTTONDOWN, HTCLOSE, Packed(onClose));
    EXPECT_TRUE(bar()->closePushed());
    bar()->SendMessage(WM_LBUTTONUP, 0, InClient(bar()->m_hWnd, onClose));
    PumpPending();
    EXPECT_FALSE(bar()->IsWindowVisible());
    EXPECT_FALSE(Checked());
    EXPECT_EQ(ViewArea().left, 0);
}

TEST_F(HistoryBar, AClickOpensThePageInTheActiveWindowOrANewOne) {
    Add("http://a.example/one.htm", "One", 0);
    Add("http://a.example/two.htm", "Two", 0);
    WriteSetting("HisNewWindow", "0");
    ASSERT_TRUE(StartWithHistory());
    Command(ID_FILE_NEW_BLANK);
    Command(ID_VIEW_HISTORY);
    history().pane()->tree().Activate(Item({"Today"}));
    history().pane()->tree().Activate(Item({"Today", "a.example"}));

    // A real click on the page's row.
    HTREEITEM page = Item({"Today", "a.example", "Two"});
    ASSERT_TRUE(page);
    RECT row{};
    std::memcpy(&row, &page, sizeof page);  // the item goes in, its rectangle comes out
    ASSERT_TRUE(::SendMessageA(tree(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&row)));
    POINT at{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
    ::PostMessageA(tree(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    ::PostMessageA(tree(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    ASSERT_TRUE(PumpUntil([&] { return Addresses() == std::vector<std::string>{"http://a.example/two.htm"}; }))
        << Addresses()[0];

    // An index the tree does not hold opens nothing.
    frame().SendMessage(WM_OPEN_HISTORY_ENTRY, 2, 0);
    frame().SendMessage(WM_OPEN_HISTORY_ENTRY, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(Windows().size(), 1u);
}

TEST_F(HistoryBar, WithHisNewWindowEveryClickOpensANewWindow) {
    Add("http://a.example/one.htm", "One", 0);
    WriteSetting("HisNewWindow", "1");
    ASSERT_TRUE(StartWithHistory());
    Command(ID_FILE_NEW_BLANK);
    Command(ID_VIEW_HISTORY);
    history().pane()->tree().Activate(Item({"Today"}));
    history().pane()->tree().Activate(Item({"Today", "a.example"}));
    history().pane()->tree().Activate(Item({"Today", "a.example", "One"}));
    history().pane()->tree().Activate(Item({"Today", "a.example", "One"}));
    PumpPending();
    EXPECT_EQ(Addresses(), (std::vector<std::string>{"about:blank", "http://a.example/one.htm", "http://a.example/one.htm"}));
}

TEST_F(HistoryBar, TheEdgeResizesWithinItsLimitsAndFloatingKeepsTheDockedWidth) {
    ASSERT_TRUE(StartWithHistory());
    Command(ID_VIEW_HISTORY);
    ASSERT_TRUE(bar());
    DragRightEdge(60);
    EXPECT_EQ(BarArea().right, 260);
    EXPECT_EQ(ViewArea().left, 260);
    DragRightEdge(-1000);
    EXPECT_EQ(BarArea().right, bar()->MinimumSize(brisova::DockSide::Left).cx);
    DragRightEdge(5000);
    EXPECT_EQ(ViewArea().right - ViewArea().left, 4);
    DragRightEdge(-(BarArea().right - 230));
    EXPECT_EQ(BarArea().right, 230);

    // A double click on the gripper floats the bar in a mini frame, without gripper or edges.
    RECT strip = bar()->GripperRect();
    POINT onGripper = OnBar(strip.left + 10, (strip.top + strip.bottom) / 2);
    ASSERT_EQ(bar()->SendMessage(WM_NCHITTEST, 0, Packed(onGripper)), HTCAPTION);
    bar()->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, Packed(onGripper));
    PumpPending();
    ASSERT_TRUE(bar()->IsFloating());
    CMiniDockFrame* mini = frame().dockSite()->MiniFrameOf(*bar());
    ASSERT_TRUE(mini);
    EXPECT_EQ(bar()->GetParent(), mini->m_hWnd);
    EXPECT_TRUE(mini->IsWindowVisible());
    EXPECT_EQ(mini->GetWindowText(), "History");
    EXPECT_TRUE(Checked());
    EXPECT_EQ(ViewArea().left, 0);
    RECT outer = bar()->GetWindowRect(), inner = bar()->GetClientRect();
    EXPECT_EQ((outer.bottom - outer.top) - inner.bottom, 8);  // 5 above, 3 below: no gripper strip
    EXPECT_EQ(bar()->SendMessage(WM_NCHITTEST, 0, Packed(OnBar(1, 50))), HTCLIENT);

    // The mini frame's caption docks it again at its earlier width.
    mini->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    PumpPending();
    EXPECT_EQ(bar()->dockSide(), brisova::DockSide::Left);
    EXPECT_FALSE(mini->IsWindowVisible());
    EXPECT_EQ(BarArea().right, 230);
    EXPECT_EQ(ViewArea().left, 230);

    // Closing the floating bar's mini frame hides the bar.
    bar()->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, Packed(onGripper));
    mini->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_FALSE(Checked());
    Command(ID_VIEW_HISTORY);
    EXPECT_TRUE(mini->IsWindowVisible());
}

TEST_F(HistoryBar, ClearingTheHistoryEmptiesAnOpenTree) {
    Add("http://a.example/one.htm", "One", 0);
    ASSERT_TRUE(StartWithHistory());
    frame().HistoryCleared();  // no bar yet: nothing to do
    Command(ID_VIEW_HISTORY);
    ASSERT_EQ(Items().size(), 1u);
    entries_->clear();
    Command(ID_CLEAR_HISTORY);
    EXPECT_TRUE(Items().empty());
    EXPECT_TRUE(history().pane()->tree().addresses().empty());
    EXPECT_TRUE(prompter_.questions().empty());
}

TEST_F(HistoryBar, TheSystemStoreShowsWhatItHasWithoutComplaint) {
    ASSERT_TRUE(Start());
    Command(ID_VIEW_HISTORY);
    ASSERT_TRUE(history().pane());
    EXPECT_TRUE(bar()->IsWindowVisible());
    const std::size_t shown = history().pane()->tree().addresses().size();
    EXPECT_LE(shown, UrlHistoryStore().Entries().size());
    EXPECT_TRUE(prompter_.questions().empty());
}
