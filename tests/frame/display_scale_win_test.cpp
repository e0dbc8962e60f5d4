#include "support/app_fixture_win.h"

#include <commctrl.h>

#include <tuple>

#include "controls/gripper_bars_win.h"
#include "history/history_bar_win.h"
#include "history/history_commands_win.h"
#include "resource.h"

namespace {
class NoVisits final : public brisova::HistoryStore {
public:
    std::vector<brisova::HistoryEntry> Entries() override { return {}; }
};

class NoFolder final : public HistoryFolderSource {
public:
    ScopedItemList Location() override { return nullptr; }
};

int ImageHeight(HIMAGELIST images) {
    int cx = 0, cy = 0;
    ::ImageList_GetIconSize(images, &cx, &cy);
    return cy;
}

int Height(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r.bottom - r.top;
}

int FontHeight(HWND window) {
    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
}

// What a look at the frame shows of its scale.
struct Look {
    int menuButton, toolImage, toolButton, navigationImage, goImage, addressImage, addressFont, topBar;
    int tabHeight, statusBar, historyImage, historyWidth;
    auto Tied() const {
        return std::tie(menuButton, toolImage, toolButton, navigationImage, goImage, addressImage, addressFont, topBar,
                        tabHeight, statusBar, historyImage, historyWidth);
    }
    bool operator==(const Look& other) const { return Tied() == other.Tied(); }
};

void PrintTo(const Look& look, std::ostream* out) {
    *out << "menu " << look.menuButton << ", tool " << look.toolImage << "/" << look.toolButton << ", navigation "
         << look.navigationImage << ", go " << look.goImage << ", address " << look.addressImage << "/"
         << look.addressFont << ", top bar " << look.topBar << ", tab " << look.tabHeight << ", status "
         << look.statusBar << ", history " << look.historyImage << "/" << look.historyWidth;
}
}  // namespace

class DisplayScaleChange : public AppFixture {
protected:
    // No window, and a History bar that lists nothing.
    bool StartWithoutVisits() {
        WriteSetting("EnableHomePage", "0");
        if (!Start()) return false;
        frame().history().SetStore(std::make_unique<NoVisits>());
        frame().history().SetFolder(std::make_unique<NoFolder>());
        return true;
    }

    Look LookNow() {
        CMainFrame& f = frame();
        HWND box = ::FindWindowExA(f.addressBar().m_hWnd, nullptr, WC_COMBOBOXEXA, nullptr);
        HWND go = f.addressBar().m_hWnd;
        HWND navigation = f.navigationBar().m_hWnd;
        RECT tab{};
        ::SendMessageA(f.tabBar().m_hWnd, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
        const auto toolButton = static_cast<DWORD>(::SendMessageA(f.toolBar().m_hWnd, TB_GETBUTTONSIZE, 0, 0));
        const auto menuButton = static_cast<DWORD>(::SendMessageA(f.menuBar().m_hWnd, TB_GETBUTTONSIZE, 0, 0));
        const auto list = [](HWND bar, UINT message) {
            return reinterpret_cast<HIMAGELIST>(::SendMessageA(bar, message, 0, 0));
        };
        CSizingControlBarCF* history = f.history().explorerBar();
        RECT historyRect{};
        ::GetWindowRect(history->m_hWnd, &historyRect);
        return Look{HIWORD(menuButton),
                    ImageHeight(list(f.toolBar().m_hWnd, TB_GETIMAGELIST)),
                    HIWORD(toolButton),
                    ImageHeight(list(navigation, TB_GETIMAGELIST)),
                    ImageHeight(list(go, TB_GETIMAGELIST)),
                    ImageHeight(list(box, CBEM_GETIMAGELIST)),
                    FontHeight(box),
                    Height(f.topRebar().m_hWnd),
                    tab.bottom - tab.top,
                    Height(f.statusBar().m_hWnd),
                    ImageHeight(list(f.history().pane()->tree().m_hWnd, TVM_GETIMAGELIST)),
                    historyRect.right - historyRect.left};
    }

    // As the system tells a window dragged onto a monitor of another scale: the new DPI, and the
    // rectangle that keeps its size in proportion.
    void MoveToScale(int dpi) {
        RECT suggested = frame().GetWindowRect();
        frame().SendMessage(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        PumpPending();
    }

    // The bars in place after the change: the MDI area between them, the address box whole in
    // its bar.
    void ExpectLaidOut(int dpi) {
        const auto rectIn = [this](HWND window) {
            RECT r{};
            ::GetWindowRect(window, &r);
            ::MapWindowPoints(nullptr, frame().m_hWnd, reinterpret_cast<POINT*>(&r), 2);
            return r;
        };
        const RECT top = rectIn(frame().topRebar().m_hWnd);
        const RECT mdi = rectIn(frame().m_hWndMDIClient);
        const RECT tabs = rectIn(frame().bottomRebar());
        const RECT status = rectIn(frame().statusBar().m_hWnd);
        EXPECT_EQ(mdi.top, top.bottom) << dpi << " dpi";
        EXPECT_EQ(mdi.bottom, tabs.top) << dpi << " dpi";
        EXPECT_EQ(tabs.bottom, status.top) << dpi << " dpi";
        HWND box = ::FindWindowExA(frame().addressBar().m_hWnd, nullptr, WC_COMBOBOXEXA, nullptr);
        const RECT field = rectIn(box), bar = rectIn(frame().addressBar().m_hWnd);
        EXPECT_GE(field.top, bar.top) << dpi << " dpi";
        EXPECT_LE(field.bottom, bar.bottom) << dpi << " dpi";
        EXPECT_GE(bar.top, top.top) << dpi << " dpi";
        EXPECT_LE(bar.bottom, top.bottom) << dpi << " dpi";
    }
};

// The frame moves from a 100 % monitor to one at 175 %, no round multiple, then to one at 150 %,
// and back. Every bar, image and font is made for each, and back at 100 % all is as it was. The
// pages, which the control draws at the system's 100 %, are zoomed to the monitor's scale, and so
// is the page of a window opened there.
TEST_F(DisplayScaleChange, EveryBarIsMadeAgainForTheMonitorTheFrameMovesTo) {
    ASSERT_TRUE(StartWithoutVisits());
    Command(ID_FILE_NEW_BLANK);
    ::SetFocus(ActiveWindow()->view()->ControlWindow());
    PressKey('H', kCtrl);
    ASSERT_TRUE(frame().history().ShowsHistory());
    const Look at96 = LookNow();
    ASSERT_EQ(at96.tabHeight, 22);

    MoveToScale(168);
    const Look at168 = LookNow();
    EXPECT_EQ(at168.tabHeight, 39);
    EXPECT_EQ(at168.toolImage, 37);
    EXPECT_EQ(at168.navigationImage, 26);
    EXPECT_EQ(at168.goImage, 28);
    EXPECT_EQ(at168.addressImage, 28);
    EXPECT_EQ(at168.historyImage, 28);
    EXPECT_NEAR(at168.addressFont, at96.addressFont * 7 / 4, 1);
    EXPECT_NEAR(at168.historyWidth, at96.historyWidth * 7 / 4, 1);
    EXPECT_GT(at168.menuButton, at96.menuButton);
    EXPECT_GT(at168.toolButton, at96.toolButton);
    EXPECT_GT(at168.statusBar, at96.statusBar);
    EXPECT_GE(at168.topBar, at96.topBar * 3 / 2);
    ExpectLaidOut(168);
    ScriptedBrowser* page = BrowserOf(ActiveWindow());
    EXPECT_EQ(page->calls.back(), "exec 63 2 175");
    Command(ID_FILE_NEW_BLANK);
    ASSERT_EQ(Windows().size(), 2u);
    EXPECT_EQ(BrowserOf(Windows()[1])->calls.front(), "exec 63 2 175");
    Command(ID_FILE_CLOSE);
    ASSERT_EQ(Windows().size(), 1u);

    MoveToScale(144);
    const Look at144 = LookNow();
    EXPECT_EQ(at144.tabHeight, 33);
    EXPECT_EQ(at144.toolImage, 32);
    EXPECT_LT(at144.topBar, at168.topBar);
    ExpectLaidOut(144);
    EXPECT_EQ(page->calls.back(), "exec 63 2 150");

    MoveToScale(96);
    EXPECT_EQ(LookNow(), at96);
    EXPECT_EQ(page->calls.back(), "exec 63 2 100");
    ExpectLaidOut(96);
}

// A floating bar is a window of its own and may sit on another monitor than the frame: the
// system tells its small frame, and the bar and its tree follow that, not the main frame.
TEST_F(DisplayScaleChange, AFloatingBarFollowsTheMonitorItIsOn) {
    ASSERT_TRUE(StartWithoutVisits());
    Command(ID_VIEW_HISTORY);
    CSizingControlBarCF* bar = frame().history().explorerBar();
    ASSERT_TRUE(bar);
    frame().dockSite()->Float(*bar, POINT{300, 200});
    PumpPending();
    HWND floating = ::GetAncestor(bar->m_hWnd, GA_ROOT);
    ASSERT_NE(floating, frame().m_hWnd);
    HWND tree = frame().history().pane()->tree().m_hWnd;
    const auto treeImage = [&] {
        return ImageHeight(reinterpret_cast<HIMAGELIST>(::SendMessageA(tree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0)));
    };
    const int fontBefore = FontHeight(tree);
    RECT suggested{};
    ::GetWindowRect(floating, &suggested);
    suggested.right = suggested.left + (suggested.right - suggested.left) * 3 / 2;
    suggested.bottom = suggested.top + (suggested.bottom - suggested.top) * 3 / 2;
    ::SendMessageA(floating, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    PumpPending();
    EXPECT_EQ(bar->dpi(), 144);
    EXPECT_EQ(treeImage(), 24);
    EXPECT_GT(FontHeight(tree), fontBefore);
    RECT now{};
    ::GetWindowRect(floating, &now);
    EXPECT_EQ(now.right - now.left, suggested.right - suggested.left);
    // The main frame stays at its own scale.
    EXPECT_EQ(ImageHeight(reinterpret_cast<HIMAGELIST>(::SendMessageA(frame().toolBar().m_hWnd, TB_GETIMAGELIST, 0, 0))),
              21);
}
