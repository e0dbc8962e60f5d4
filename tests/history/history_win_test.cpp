// The history bar under Wine: the command, its check mark, the tree from a store or from a
// History folder, opening pages, resizing, floating and docking, and the refresh after the
// history was cleared.
#include "support/app_fixture_win.h"
#include "support/shortcut_files_win.h"

#include <windowsx.h>
#include <shlobj.h>
#include <wininet.h>

#include <algorithm>
#include <cstring>
#include <fstream>

#include "framework/mini_dock_frame_win.h"
#include "framework/text_win.h"
#include "framework/tree_items_win.h"
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

// A History folder on disk; none when the path is empty.
class FolderAt final : public HistoryFolderSource {
public:
    explicit FolderAt(std::string path) : path_(std::move(path)) {}
    ScopedItemList Location() override {
        ITEMIDLIST* raw = nullptr;
        if (path_.empty() || FAILED(::SHParseDisplayName(WideFromNarrow(path_).c_str(), nullptr, &raw, 0, nullptr)))
            return nullptr;
        return ScopedItemList(raw);
    }

private:
    std::string path_;
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
        frame().history().SetFolder(std::make_unique<FolderAt>(folder_));
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
    // A click on the item's row, as the mouse makes it (the item goes in, its rectangle comes out).
    void Click(const std::vector<std::string>& path) {
        HTREEITEM item = Item(path);
        ASSERT_TRUE(item);
        RECT row{};
        std::memcpy(&row, &item, sizeof item);
        ASSERT_TRUE(::SendMessageA(tree(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&row)));
        ::PostMessageA(tree(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(row.left + 2, (row.top + row.bottom) / 2));
        ::PostMessageA(tree(), WM_LBUTTONUP, 0, MAKELPARAM(row.left + 2, (row.top + row.bottom) / 2));
        PumpPending();
    }
    // A double click as the mouse makes it: down, up, the system's double click, up.
    void DoubleClick(const std::vector<std::string>& path) {
        HTREEITEM item = Item(path);
        ASSERT_TRUE(item);
        RECT row{};
        std::memcpy(&row, &item, sizeof item);
        ASSERT_TRUE(::SendMessageA(tree(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&row)));
        const LPARAM at = MAKELPARAM(row.left + 2, (row.top + row.bottom) / 2);
        ::PostMessageA(tree(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::PostMessageA(tree(), WM_LBUTTONUP, 0, at);
        ::PostMessageA(tree(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        ::PostMessageA(tree(), WM_LBUTTONUP, 0, at);
        PumpPending();
    }
    bool Expanded(const std::vector<std::string>& path) {
        HTREEITEM item = Item(path);
        return item && (::SendMessageA(tree(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) &
                        TVIS_EXPANDED);
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
    // The History folder the bar shows; none unless a test makes one.
    std::string folder_;
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
    // Held and slid off, the button comes up; back on it, it goes down again. A capture lost
    // meanwhile (Alt+Tab) lets it go, and a release then closes nothing.
    bar()->SendMessage(WM_NCLBUTTONDOWN, HTCLOSE, Packed(onClose));
    EXPECT_TRUE(bar()->closePushed());
    const POINT away{onClose.x + 200, onClose.y + 200};
    bar()->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, InClient(bar()->m_hWnd, away));
    EXPECT_FALSE(bar()->closePushed());
    bar()->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, InClient(bar()->m_hWnd, onClose));
    EXPECT_TRUE(bar()->closePushed());
    ::SetCapture(frame().m_hWnd);
    ::ReleaseCapture();
    EXPECT_FALSE(bar()->closePushed());
    bar()->SendMessage(WM_LBUTTONUP, 0, InClient(bar()->m_hWnd, onClose));
    EXPECT_TRUE(bar()->IsWindowVisible());

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

    Click({"Today", "a.example", "Two"});
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
    const RECT docked = bar()->GetWindowRect();
    bar()->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, Packed(onGripper));
    PumpPending();
    ASSERT_TRUE(bar()->IsFloating());
    CMiniDockFrame* mini = frame().dockSite()->MiniFrameOf(*bar());
    ASSERT_TRUE(mini);
    // Its caption where the bar's top was, not over the address bar above it.
    const RECT floated = mini->GetWindowRect();
    EXPECT_EQ(floated.left, docked.left);
    EXPECT_EQ(floated.top, docked.top);
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

    // Floating again puts it back where it floated; closing its mini frame hides the bar.
    bar()->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, Packed(onGripper));
    const RECT again = mini->GetWindowRect();
    EXPECT_EQ(again.left, floated.left);
    EXPECT_EQ(again.top, floated.top);
    mini->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_FALSE(Checked());
    Command(ID_VIEW_HISTORY);
    EXPECT_TRUE(mini->IsWindowVisible());
}

TEST_F(HistoryBar, ItsWidthSideAndVisibilityComeBackAtTheNextStartAndAFloatingOneOnScreen) {
    ASSERT_TRUE(StartWithHistory());
    Command(ID_VIEW_HISTORY);
    DragRightEdge(40);
    frame().dockSite()->Dock(*bar(), brisova::DockSide::Right);
    prompter_.QueueExit({true, false});
    frame().SendMessage(WM_CLOSE);
    EXPECT_EQ(ReadSetting("HistoryBar"), "1 240 100 100 200 200 1");

    app_.reset();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(bar());
    EXPECT_TRUE(Checked());
    EXPECT_EQ(bar()->dockSide(), brisova::DockSide::Right);
    EXPECT_EQ(ViewArea().right, BarArea().left);
    EXPECT_EQ(BarArea().right - BarArea().left, 240);
    // A hidden bar stays hidden, and is not made before it is asked for.
    Command(ID_VIEW_HISTORY);
    prompter_.QueueExit({true, false});
    frame().SendMessage(WM_CLOSE);
    EXPECT_EQ(ReadSetting("HistoryBar"), "1 240 100 100 200 200 0");
    app_.reset();
    ASSERT_TRUE(Start());
    EXPECT_FALSE(bar());

    // A place left on a screen that is gone comes back on this one.
    prompter_.QueueExit({true, false});
    frame().SendMessage(WM_CLOSE);
    app_.reset();
    WriteSetting("HistoryBar", "2 240 -20000 -20000 300 260 1");
    ASSERT_TRUE(Start());
    ASSERT_TRUE(bar() && bar()->IsFloating());
    CMiniDockFrame* mini = frame().dockSite()->MiniFrameOf(*bar());
    const RECT floated = mini->GetWindowRect();
    RECT screen{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    EXPECT_GE(floated.left, screen.left);
    EXPECT_GE(floated.top, screen.top);
    EXPECT_EQ(mini->GetClientRect().right, 300);
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
    // Wine's History folder holds at most the cache's own storage: the store fills the bar.
    EXPECT_FALSE(history().pane()->showsShellFolder());
    const std::size_t shown = history().pane()->tree().addresses().size();
    EXPECT_LE(shown, UrlHistoryStore().Entries().size());
    EXPECT_TRUE(prompter_.questions().empty());
}

// The History folder's groups, sites and pages, as the shell lists them.
class ShellHistoryBar : public HistoryBar {
protected:
    ShellHistoryBar() {
        folder_ = directory_ + "History";
        ::CreateDirectoryW(WideFromNarrow(folder_).c_str(), nullptr);
    }
    ~ShellHistoryBar() override { ::DeleteUrlCacheEntryW(kCached); }
    void MakeFolder(const std::string& relative) const {
        ::CreateDirectoryW(WideFromNarrow(folder_ + "\\" + relative).c_str(), nullptr);
    }
    void WriteShortcut(const std::string& relative, const std::string& address) const {
        WriteInternetShortcut(folder_ + "\\" + relative, address);
    }
    void WriteLink(const std::string& relative, const std::string& target) const {
        WriteShellLink(folder_ + "\\" + relative, target);
    }
    // Puts a copy of the page into the browser's cache.
    static void Cache() {
        wchar_t file[MAX_PATH] = {};
        ASSERT_TRUE(::CreateUrlCacheEntryW(kCached, 0, L"htm", file, 0));
        std::ofstream(NarrowFromWide(file), std::ios::binary) << "<html></html>";
        FILETIME never{};
        ASSERT_TRUE(::CommitUrlCacheEntryW(kCached, file, never, never, NORMAL_CACHE_ENTRY, nullptr, 0, nullptr, nullptr));
    }
    bool Dimmed(HTREEITEM item) {
        return (::SendMessageA(tree(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_CUT) & TVIS_CUT) != 0;
    }
    std::vector<std::string> Texts(const std::vector<HistoryTreeItem>& items) {
        std::vector<std::string> texts;
        for (const HistoryTreeItem& item : items) texts.push_back(item.text);
        return texts;
    }
    void Activate(const std::vector<std::string>& path) { history().pane()->tree().Activate(Item(path)); }

    static constexpr const wchar_t* kCached = L"http://cached.example/page.htm";
};

TEST_F(ShellHistoryBar, GroupsComeFromTheFolderAndSitesAndPagesWhenFirstOpened) {
    MakeFolder("Today");
    MakeFolder("Today\\a.example");
    WriteShortcut("Today\\a.example\\One.url", "http://a.example/one.htm");
    WriteShortcut("Today\\a.example\\Cached.url", NarrowFromWide(kCached));
    WriteShortcut("Today\\a.example\\Broken.url", "");
    WriteProgramFile("page.htm", "<html></html>");
    WriteLink("Today\\a.example\\Local.lnk", directory_ + "page.htm");
    MakeFolder("Last Week");
    MakeFolder("Last Week\\b.example");
    WriteShortcut("Last Week\\b.example\\\xd0\x97\xd0\xb0\xd0\xbc\xd0\xb5\xd1\x82\xd0\xba\xd0\xb8.url", "file:///C:/notes.htm");
    MakeFolder("Gone");
    Cache();
    Add("http://store.example/", "From the store", 0);
    WriteSetting("HisNewWindow", "0");
    ASSERT_TRUE(StartWithHistory());
    Command(ID_FILE_NEW_BLANK);
    Command(ID_VIEW_HISTORY);
    ASSERT_TRUE(history().pane());
    EXPECT_TRUE(history().pane()->showsShellFolder());

    // The groups only, in the folder's order; nothing below them is read yet.
    std::vector<HistoryTreeItem> items = Items();
    std::vector<std::string> groups = Texts(items);
    std::sort(groups.begin(), groups.end());
    EXPECT_EQ(groups, (std::vector<std::string>{"Gone", "Last Week", "Today"}));
    for (const HistoryTreeItem& group : items) EXPECT_TRUE(group.children.empty()) << group.text;
    EXPECT_TRUE(history().pane()->tree().addresses().empty());

    // Opening a group lists its sites, opening a site its pages, sorted. A double click opens
    // as one click does, and a second one folds the group again.
    DoubleClick({"Today"});
    EXPECT_TRUE(Expanded({"Today"}));
    DoubleClick({"Today"});
    EXPECT_FALSE(Expanded({"Today"}));
    Click({"Today"});
    Click({"Today", "a.example"});
    const std::vector<HistoryTreeItem> pages = ReadTreeItems(tree(), Item({"Today", "a.example"}));
    EXPECT_EQ(Texts(pages), (std::vector<std::string>{"Broken", "Cached", "Local", "One"}));
    EXPECT_TRUE(Dimmed(Item({"Today", "a.example", "One"})));
    EXPECT_FALSE(Dimmed(Item({"Today", "a.example", "Cached"})));
    EXPECT_FALSE(Dimmed(Item({"Today", "a.example", "Local"})));

    // A page opens in the active window; one without an address does nothing.
    Activate({"Today", "a.example", "One"});
    PumpPending();
    EXPECT_EQ(Addresses(), std::vector<std::string>{"http://a.example/one.htm"});
    Activate({"Today", "a.example", "Broken"});
    PumpPending();
    EXPECT_EQ(Addresses(), std::vector<std::string>{"http://a.example/one.htm"});
    Activate({"Today", "a.example", "Local"});
    PumpPending();
    EXPECT_EQ(Addresses(), std::vector<std::string>{directory_ + "page.htm"});

    // Names in any script; a group gone from the folder stays empty for good.
    Activate({"Last Week"});
    Activate({"Last Week", "b.example"});
    EXPECT_TRUE(Item({"Last Week", "b.example", "\xd0\x97\xd0\xb0\xd0\xbc\xd0\xb5\xd1\x82\xd0\xba\xd0\xb8"}));
    ::RemoveDirectoryW(WideFromNarrow(folder_ + "\\Gone").c_str());
    Activate({"Gone"});
    EXPECT_FALSE(history().pane()->tree().IsUnlisted(Item({"Gone"})));
    EXPECT_EQ(RelatedTreeItem(tree(), TVGN_CHILD, Item({"Gone"})), nullptr);

    // Hiding and showing lists "Today" again, closed and at the end, with what came meanwhile;
    // the other groups stay as they were, and no group appears twice.
    MakeFolder("Today\\c.example");
    MakeFolder("Monday");
    Command(ID_VIEW_HISTORY);
    Command(ID_VIEW_HISTORY);
    items = Items();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items.back().text, "Today");
    EXPECT_FALSE(items.back().expanded);
    EXPECT_TRUE(Item({"Last Week", "b.example"}));
    Activate({"Today"});
    EXPECT_EQ(Texts(ReadTreeItems(tree(), Item({"Today"}))), (std::vector<std::string>{"a.example", "c.example"}));
    EXPECT_TRUE(prompter_.questions().empty());
}

TEST_F(ShellHistoryBar, AnEmptyFolderLeavesTheStoreAndOneThatCannotBeOpenedIsReported) {
    Add("http://store.example/", "From the store", 0);
    ASSERT_TRUE(StartWithHistory());
    Command(ID_VIEW_HISTORY);
    EXPECT_FALSE(history().pane()->showsShellFolder());
    EXPECT_EQ(Texts(Items()), std::vector<std::string>{"Today"});
    EXPECT_TRUE(prompter_.questions().empty());

    // A file where the folder should be.
    WriteShortcut("Today.url", "http://a.example/");
    history().SetFolder(std::make_unique<FolderAt>(folder_ + "\\Today.url"));
    Command(ID_VIEW_HISTORY);
    EXPECT_TRUE(history().pane()->showsShellFolder());
    EXPECT_TRUE(Items().empty());
    EXPECT_EQ(prompter_.questions(), std::vector<std::string>{"Can't bind history folder."});
}

// A visit made while the bar shows appears under "Today" once its page has loaded; the bar reads
// the store at most once a second, however many pages load.
TEST_F(HistoryBar, APageLoadedWhileTheBarShowsAppearsUnderTodayAtMostOnceASecond) {
    brisova::ManualTickClock clock;
    Add("http://a.example/one.htm", "One", 0);
    ASSERT_TRUE(StartWithHistory());
    history().SetClock(clock);
    Command(ID_VIEW_HISTORY);
    Command(ID_FILE_NEW_BLANK);
    const auto sitesToday = [&] {
        std::vector<std::string> sites;
        for (const HistoryTreeItem& group : Items())
            if (group.text == "Today")
                for (const HistoryTreeItem& site : group.children) sites.push_back(site.text);
        return sites;
    };
    EXPECT_EQ(sitesToday(), std::vector<std::string>{"a.example"});

    Add("http://b.example/new.htm", "New", 0);
    Windows()[0]->view()->Navigate("http://b.example/new.htm");
    PumpPending();
    EXPECT_EQ(sitesToday(), std::vector<std::string>{"a.example"});
    clock.Advance(std::chrono::milliseconds(1000));
    Windows()[0]->view()->Navigate("http://b.example/next.htm");
    PumpPending();
    EXPECT_EQ(sitesToday(), (std::vector<std::string>{"a.example", "b.example"}));
}

// The History bar from the keyboard: Ctrl+H on the page shows it with the focus in the tree,
// Enter opens the selected page, Esc goes back to the page, Ctrl+H again hides the bar.
TEST_F(HistoryBar, CtrlHShowsTheBarWithTheKeysInTheTreeAndEscGoesBackToThePage) {
    Add("http://a.example/one.htm", "One", 0);
    ASSERT_TRUE(StartWithHistory());
    Command(ID_FILE_NEW_BLANK);
    HWND page = ActiveWindow()->view()->ControlWindow();
    ::SetFocus(page);
    const auto press = [&](UINT key, bool ctrl) { PressKey(key, ctrl ? kCtrl : kNone); };

    press('H', true);
    ASSERT_TRUE(bar());
    EXPECT_TRUE(Checked());
    EXPECT_EQ(::GetFocus(), tree());
    history().pane()->tree().Activate(Item({"Today"}));
    history().pane()->tree().Activate(Item({"Today", "a.example"}));
    ::SendMessageA(tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(Item({"Today", "a.example", "One"})));
    BrowserOf(ActiveWindow())->calls.clear();
    press(VK_RETURN, false);
    EXPECT_EQ(BrowserOf(ActiveWindow())->calls, std::vector<std::string>{"navigate http://a.example/one.htm"});

    ::SetFocus(tree());
    press(VK_ESCAPE, false);
    EXPECT_EQ(::GetFocus(), ActiveWindow()->view()->ControlWindow());
    EXPECT_EQ(BrowserOf(ActiveWindow())->calls, std::vector<std::string>{"navigate http://a.example/one.htm"})
        << "Esc in the tree stopped the page";
    ::SetFocus(tree());
    press('H', true);
    EXPECT_FALSE(Checked());
    EXPECT_EQ(::GetFocus(), ActiveWindow()->view()->ControlWindow());
}
