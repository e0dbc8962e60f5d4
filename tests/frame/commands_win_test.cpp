// The frame's window commands under Wine.
#include "support/app_fixture_win.h"

#include "framework/mini_dock_frame_win.h"
#include "resource.h"
#include "support/message_spy_win.h"

using Strings = std::vector<std::string>;

class FrameCommands : public AppFixture {
protected:
    void StartWith(const std::string& newButtonType) {
        WriteSetting("EnableHomePage", "0");
        WriteSetting("NewButtonType", newButtonType);
        ASSERT_TRUE(Start());
    }
};

TEST_F(FrameCommands, NewButtonTypeTwoSendsTheActiveWindowHome) {
    StartWith("2");
    Command(ID_FILE_NEW_BLANK);
    ASSERT_EQ(Windows().size(), 1u);
    Command(ID_NEW_BUTTON);
    ASSERT_EQ(Windows().size(), 1u);
    EXPECT_EQ(BrowserOf(Windows()[0])->calls.back(), "home");
}

TEST_F(FrameCommands, NewButtonTypeOneCopiesTheCurrentPageOrOpensBlank) {
    StartWith("1");
    Command(ID_NEW_BUTTON);
    EXPECT_EQ(Addresses(), Strings{"about:blank"});
    BrowserOf(Windows()[0])->RaiseNavigation("http://here.example/", ScriptedBrowser::TopFrame());
    Command(ID_NEW_BUTTON);
    EXPECT_EQ(Addresses(), (Strings{"http://here.example/", "http://here.example/"}));
    EXPECT_EQ(ActiveWindow(), Windows()[1]);
}

TEST_F(FrameCommands, UnknownNewButtonTypeDoesNothing) {
    StartWith("7");
    Command(ID_NEW_BUTTON);
    EXPECT_TRUE(Windows().empty());
}

TEST_F(FrameCommands, CurrentPageOfAWindowWithoutAddressStaysBlank) {
    StartWith("0");
    ScriptedBrowser::autoNavigate = false;
    Command(ID_FILE_NEW_HOME);
    ASSERT_EQ(Addresses(), Strings{""});
    Command(ID_FILE_NEW_CURRENT);
    ASSERT_EQ(Windows().size(), 2u);
    EXPECT_TRUE(BrowserOf(Windows()[1])->calls.empty());
}

TEST_F(FrameCommands, WindowCommandsNeedAWindow) {
    StartWith("0");
    for (UINT id : {ID_FILE_NEW_CURRENT, ID_FILE_CLOSE, ID_VIEW_STOP, ID_VIEW_REFRESH, ID_GO_BACK})
        EXPECT_FALSE(CommandEnabled(id)) << id;
    Command(ID_GO_START_PAGE);
    ASSERT_EQ(Windows().size(), 1u);
    EXPECT_EQ(BrowserOf(Windows()[0])->calls, Strings{"home"});
    for (UINT id : {ID_FILE_NEW_CURRENT, ID_FILE_CLOSE, ID_VIEW_STOP, ID_VIEW_REFRESH})
        EXPECT_TRUE(CommandEnabled(id)) << id;
}

TEST_F(FrameCommands, TabsFollowOpeningOrderAndSelection) {
    StartWith("0");
    Command(ID_FILE_NEW_BLANK);
    Command(ID_FILE_NEW_BLANK);
    Command(ID_FILE_NEW_BLANK);
    CChildFrame* second = Windows()[1];
    second->PostMessage(WM_CLOSE);
    PumpUntil([&] { return Windows().size() == 2; });
    Command(ID_FILE_NEW_BLANK);
    ASSERT_EQ(Windows().size(), 3u);
    EXPECT_EQ(frame().tabBar().Selection(), 2);
    EXPECT_EQ(ActiveWindow(), Windows()[2]);
}

TEST_F(FrameCommands, ChoosingATabActivatesItsWindow) {
    StartWith("0");
    Command(ID_FILE_NEW_BLANK);
    Command(ID_FILE_NEW_BLANK);
    CChildFrame* first = Windows()[0];
    frame().tabBar().SendMessage(TCM_SETCURSEL, 0);
    NMHDR header{frame().tabBar().m_hWnd, ID_BAR_TABS, static_cast<UINT>(TCN_SELCHANGE)};
    frame().SendMessage(WM_NOTIFY, ID_BAR_TABS, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(ActiveWindow(), first);
}

class FrameBars : public AppFixture {
protected:
    bool Checked(UINT id) {
        HMENU menu = frame().menuBar().menu();
        // Menus get their marks when they open; ask the same route a menu asks.
        HMENU view = ::GetSubMenu(menu, 2);
        UpdateMenuItems(view, &frame());
        UpdateMenuItems(::GetSubMenu(view, 0), &frame());
        return (::GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    int TabBandMinHeight() {
        REBARBANDINFOA band{};
        band.cbSize = REBARBANDINFOA_V6_SIZE;
        band.fMask = RBBIM_CHILDSIZE;
        ::SendMessageA(frame().bottomRebar(), RB_GETBANDINFOA, 0, reinterpret_cast<LPARAM>(&band));
        return static_cast<int>(band.cyMinChild);
    }
};

TEST_F(FrameBars, HiddenBarsStartHiddenUncheckedAndAreWrittenBack) {
    WriteSetting("EnableHomePage", "0");
    WriteSetting("StatusBar", "0");
    WriteSetting("TaskBar", "0");
    ASSERT_TRUE(Start());
    EXPECT_FALSE(frame().statusBar().IsWindowVisible());
    EXPECT_FALSE(::IsWindowVisible(frame().bottomRebar()));
    EXPECT_FALSE(Checked(ID_VIEW_STATUS_BAR));
    EXPECT_FALSE(Checked(ID_VIEW_TASKBAR));
    EXPECT_TRUE(Checked(ID_VIEW_TOOLBAR));
    Command(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(frame().statusBar().IsWindowVisible());
    EXPECT_TRUE(Checked(ID_VIEW_STATUS_BAR));
    frame().SendMessage(WM_CLOSE);
    EXPECT_EQ(ReadSetting("StatusBar"), "1");
    EXPECT_EQ(ReadSetting("TaskBar"), "0");
}

TEST_F(FrameBars, TabRowsGrowTheBandByRowHeightAndThreePixels) {
    WriteSetting("EnableHomePage", "0");
    ASSERT_TRUE(Start());
    Command(ID_FILE_NEW_BLANK);
    EXPECT_EQ(TabBandMinHeight(), 22);
    while (frame().tabBar().RowCount() < 2 && Windows().size() < 40) Command(ID_FILE_NEW_BLANK);
    ASSERT_EQ(frame().tabBar().RowCount(), 2);
    EXPECT_EQ(frame().tabBar().FirstTabHeight(), 22);
    EXPECT_EQ(TabBandMinHeight(), 50);
}

TEST_F(FrameBars, AddressBandLeavesRoomForTheNavigationBarOnItsRow) {
    WriteSetting("EnableHomePage", "0");
    ASSERT_TRUE(Start());
    // So narrow first that the navigation bar has to wrap onto a row of its own.
    SetClientWidth(150);
    SetClientWidth(1000);
    RECT client{};
    ::GetClientRect(frame().m_hWnd, &client);
    ASSERT_EQ(client.right, 1000);
    RECT address = frame().topRebar().BandRect(2);
    RECT navigation = frame().topRebar().BandRect(3);
    EXPECT_EQ(address.right - address.left, 860);
    EXPECT_EQ(navigation.top, address.top);
}

namespace {
// Chooses the second item of the menu that is about to open, from inside its modal loop.
void CALLBACK ChooseSecondItem(HWND hwnd, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(hwnd, id);
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) ::PostMessageA(hwnd, WM_KEYDOWN, key, 0);
}
}  // namespace

TEST_F(FrameCommands, BackArrowListsEarlierPagesAndGoesBackSeveralSteps) {
    StartWith("0");
    Command(ID_FILE_NEW_BLANK);
    ScriptedBrowser* page = BrowserOf(Windows()[0]);
    page->backTitles = {"Third", "Second", "First"};
    ::SetTimer(frame().m_hWnd, 77, 200, &ChooseSecondItem);
    NMTOOLBARA info{};
    info.hdr = {frame().m_hWnd, ID_BAR_TOOLBARS, static_cast<UINT>(TBN_DROPDOWN)};
    info.iItem = ID_GO_BACK;
    frame().SendMessage(WM_NOTIFY, ID_BAR_TOOLBARS, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(page->calls.back(), "back 2");
}

TEST_F(FrameCommands, ForwardArrowWithoutHistoryShowsNothing) {
    StartWith("0");
    Command(ID_FILE_NEW_BLANK);
    ScriptedBrowser* page = BrowserOf(Windows()[0]);
    NMTOOLBARA info{};
    info.hdr = {frame().m_hWnd, ID_BAR_TOOLBARS, static_cast<UINT>(TBN_DROPDOWN)};
    info.iItem = ID_GO_FORWARD;
    frame().SendMessage(WM_NOTIFY, ID_BAR_TOOLBARS, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(page->calls.back(), "navigate about:blank");
}

TEST_F(FrameCommands, EveryPageCommandIsEnabledExactlyWhenThereIsAWindow) {
    StartWith("0");
    const UINT pageCommands[] = {ID_FILE_NEW_CURRENT, ID_FILE_SAVE_AS, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW,
                                 ID_FILE_CLOSE, ID_FILE_PROPERTY, ID_SEND_PAGE, ID_SEND_LINK, ID_EDIT_CUT,
                                 ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_SELECT_ALL, ID_EDIT_FIND, ID_VIEW_STOP,
                                 ID_VIEW_REFRESH, ID_VIEW_SOURCE, ID_INFO_ADD, ID_FAV_ADD};
    for (UINT id : pageCommands) EXPECT_FALSE(CommandEnabled(id)) << id;
    for (UINT id : {ID_FILE_NEW_BLANK, ID_FILE_OPEN, ID_WORK_OFFLINE, ID_INFO_VIEW, ID_INTERNET_OPTIONS, ID_OPTIONS,
                    ID_APP_ABOUT})
        EXPECT_TRUE(CommandEnabled(id)) << id;
    Command(ID_FILE_NEW_BLANK);
    for (UINT id : pageCommands) EXPECT_TRUE(CommandEnabled(id)) << id;
}

TEST_F(FrameBars, StoredToolBarZeroHidesItsBandAndTextLabelTwoLeavesTheMarkClear) {
    WriteSetting("EnableHomePage", "0");
    WriteSetting("ToolBar", "0");
    WriteSetting("TextLabel", "2");
    ASSERT_TRUE(Start());
    REBARBANDINFOA band{};
    band.cbSize = REBARBANDINFOA_V6_SIZE;
    band.fMask = RBBIM_STYLE;
    int index = frame().topRebar().IndexOf(ID_BAR_TOOLBARS);
    ASSERT_GE(index, 0);
    frame().topRebar().SendMessage(RB_GETBANDINFOA, index, reinterpret_cast<LPARAM>(&band));
    EXPECT_TRUE(band.fStyle & RBBS_HIDDEN);
    EXPECT_FALSE(Checked(ID_VIEW_TOOLBAR));
    EXPECT_FALSE(Checked(ID_VIEW_TEXTLABEL));
    frame().SendMessage(WM_CLOSE);
    EXPECT_EQ(ReadSetting("ToolBar"), "0");
    EXPECT_EQ(ReadSetting("TextLabel"), "2");
}

TEST_F(FrameBars, MenuPromptsGoToTheStatusBarAndReadyComesBack) {
    WriteSetting("EnableHomePage", "0");
    ASSERT_TRUE(Start());
    frame().SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_FILE_NEW_BLANK, MF_STRING), 0);
    EXPECT_EQ(frame().statusBar().MessageText(), "Open a blank page in a new browser window.");
    frame().SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_GO_BACK, MF_STRING), 0);
    EXPECT_EQ(frame().statusBar().MessageText(), "Go back to previous page.");
    frame().SendMessage(WM_EXITMENULOOP);
    EXPECT_EQ(frame().statusBar().MessageText(), "Ready");
}

class TabClicks : public AppFixture {
protected:
    void StartWithWindows(const std::string& middle, const std::string& dbl) {
        WriteSetting("EnableHomePage", "0");
        WriteSetting("MouseCloseWindow", middle);
        WriteSetting("MouseDoubleCloseWindow", dbl);
        ASSERT_TRUE(Start());
        Command(ID_FILE_NEW_BLANK);
        Command(ID_FILE_NEW_BLANK);
        ASSERT_EQ(Windows().size(), 2u);
    }
    // Clicks the middle of the first tab, which belongs to the window that is not active.
    void ClickFirstTab(UINT message) {
        RECT tab{};
        frame().tabBar().SendMessage(TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
        LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
        frame().tabBar().SendMessage(message, message == WM_LBUTTONDBLCLK ? MK_LBUTTON : 0, at);
        PumpUntil([&] { return Windows().size() < 2; }, std::chrono::milliseconds(300));
    }
};

TEST_F(TabClicks, DoubleClickClosesThatWindowEvenWhenItIsNotActive) {
    StartWithWindows("1", "1");
    CChildFrame* second = Windows()[1];
    ClickFirstTab(WM_LBUTTONDBLCLK);
    EXPECT_EQ(Windows(), std::vector<CChildFrame*>{second});
}

TEST_F(TabClicks, DoubleClickDoesNothingWhenSwitchedOff) {
    StartWithWindows("1", "0");
    ClickFirstTab(WM_LBUTTONDBLCLK);
    EXPECT_EQ(Windows().size(), 2u);
}

TEST_F(TabClicks, MiddleClickClosesOnlyWhenTheSettingIsExactlyOne) {
    StartWithWindows("2", "0");
    ClickFirstTab(WM_MBUTTONUP);
    EXPECT_EQ(Windows().size(), 2u);
}

TEST_F(TabClicks, MiddleClickClosesTheClickedWindow) {
    StartWithWindows("1", "0");
    CChildFrame* second = Windows()[1];
    ClickFirstTab(WM_MBUTTONUP);
    EXPECT_EQ(Windows(), std::vector<CChildFrame*>{second});
}

// The keys for tabs, pressed on the focused page: next and previous in the tab bar's order with
// wrapping, a tab by its number, Ctrl+9 the last, Ctrl+T a new blank window; a double click
// beside the tabs opens one too.
TEST_F(TabClicks, TabKeysFollowTheTabBarAndCtrlTOrADoubleClickBesideTheTabsOpensAWindow) {
    StartWithWindows("1", "0");
    Command(ID_FILE_NEW_BLANK);
    ASSERT_EQ(Windows().size(), 3u);
    const auto press = [&](UINT key, bool shift = false) { PressKey(key, kCtrl | (shift ? kShift : kNone)); };
    ::SetFocus(ActiveWindow()->view()->ControlWindow());
    ASSERT_EQ(ActiveWindow(), Windows()[2]);
    press(VK_TAB);
    EXPECT_EQ(ActiveWindow(), Windows()[0]);
    EXPECT_EQ(frame().tabBar().Selection(), 0);
    EXPECT_EQ(::GetFocus(), Windows()[0]->view()->ControlWindow());
    press(VK_TAB, true);
    EXPECT_EQ(ActiveWindow(), Windows()[2]);
    press(VK_PRIOR);
    EXPECT_EQ(ActiveWindow(), Windows()[1]);
    press(VK_NEXT);
    EXPECT_EQ(ActiveWindow(), Windows()[2]);
    press('1');
    EXPECT_EQ(ActiveWindow(), Windows()[0]);
    press('9');
    EXPECT_EQ(ActiveWindow(), Windows()[2]);
    press('5');
    EXPECT_EQ(ActiveWindow(), Windows()[2]);

    press('T');
    ASSERT_EQ(Windows().size(), 4u);
    EXPECT_EQ(ActiveWindow(), Windows()[3]);
    EXPECT_EQ(Addresses()[3], "about:blank");

    RECT bar = frame().tabBar().GetClientRect();
    frame().tabBar().SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(bar.right - 4, (bar.top + bar.bottom) / 2));
    PumpPending();
    EXPECT_EQ(Windows().size(), 5u);
}

// High contrast switched on: the system tells the top-level windows only. The frame passes it
// to every control inside, docked bars too, a floating bar's frame to the bar, and the tool
// bar makes its images again against the new button face.
TEST_F(FrameBars, AChangeOfTheSystemColoursReachesEveryControlAndRemakesTheToolBarImages) {
    WriteSetting("EnableHomePage", "0");
    ASSERT_TRUE(Start());
    Command(ID_VIEW_HISTORY);
    CSizingControlBarCF* bar = frame().history().explorerBar();
    ASSERT_TRUE(bar);
    MessageSpy tabs(frame().tabBar().m_hWnd, WM_SYSCOLORCHANGE), status(frame().statusBar().m_hWnd, WM_SYSCOLORCHANGE),
        field(frame().addressBar().edit(), WM_SYSCOLORCHANGE), history(bar->m_hWnd, WM_SYSCOLORCHANGE);
    const HIMAGELIST before = frame().toolBar().normalImages();
    frame().SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(tabs.count, 1);
    EXPECT_EQ(status.count, 1);
    EXPECT_EQ(field.count, 1);
    EXPECT_EQ(history.count, 1);
    EXPECT_NE(frame().toolBar().normalImages(), before);

    frame().dockSite()->Float(*bar, POINT{200, 200});
    PumpPending();
    CMiniDockFrame* mini = frame().dockSite()->MiniFrameOf(*bar);
    ASSERT_TRUE(mini);
    mini->SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(history.count, 2);
}

// What a screen reader names a button without text by: its tool tip, asked of the bar's tip
// window as the system's accessibility layer asks it. Every button of the navigation and
// address bars has one; the tab's name is its text.
TEST_F(FrameBars, EveryButtonWithoutTextHasAToolTipForScreenReaders) {
    ASSERT_TRUE(Start());
    const HWND rebar = frame().topRebar().m_hWnd;
    std::vector<HWND> bars;
    for (int band = 0; band < static_cast<int>(::SendMessageA(rebar, RB_GETBANDCOUNT, 0, 0)); ++band) {
        REBARBANDINFOA info{};
        info.cbSize = REBARBANDINFOA_V6_SIZE;
        info.fMask = RBBIM_CHILD;
        ::SendMessageA(rebar, RB_GETBANDINFOA, band, reinterpret_cast<LPARAM>(&info));
        if (info.hwndChild != frame().menuBar().m_hWnd) bars.push_back(info.hwndChild);
    }
    ASSERT_EQ(bars.size(), 3u) << "tool bar, address bar, navigation bar";
    for (HWND bar : bars) {
        auto tips = reinterpret_cast<HWND>(::SendMessageA(bar, TB_GETTOOLTIPS, 0, 0));
        ASSERT_TRUE(tips);
        const auto count = static_cast<int>(::SendMessageA(bar, TB_BUTTONCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            TBBUTTON button{};
            ::SendMessageA(bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
            if (button.fsStyle & BTNS_SEP) continue;
            char text[128] = {};
            TOOLINFOA tool{};
            tool.cbSize = sizeof tool;
            tool.hwnd = bar;
            tool.uId = static_cast<UINT_PTR>(button.idCommand);
            tool.lpszText = text;
            ::SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
            EXPECT_STRNE(text, "") << "button " << button.idCommand;
        }
    }
    EXPECT_EQ(TabTexts(), Strings{"http://home.example/"});
}
