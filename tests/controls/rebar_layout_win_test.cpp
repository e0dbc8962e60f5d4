// The frame follows its top rebar when the rebar changes height on its own, as when a band is
// dragged onto another row.
#include "support/app_fixture_win.h"

namespace {
int Top(HWND window, HWND parent) {
    RECT r{};
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r.top;
}

void SetBreak(HWND rebar, int index, bool on) {
    REBARBANDINFOA info{};
    info.cbSize = REBARBANDINFOA_V6_SIZE;
    info.fMask = RBBIM_STYLE;
    ::SendMessageA(rebar, RB_GETBANDINFOA, index, reinterpret_cast<LPARAM>(&info));
    info.fStyle = on ? (info.fStyle | RBBS_BREAK) : (info.fStyle & ~RBBS_BREAK);
    ::SendMessageA(rebar, RB_SETBANDINFOA, index, reinterpret_cast<LPARAM>(&info));
}
}  // namespace

TEST_F(AppFixture, WindowsStartRightBelowTheTopRebarWhateverItsRows) {
    WriteSetting("EnableHomePage", "0");
    ASSERT_TRUE(Start());
    SetClientWidth(1200);
    CChevBar& rebar = frame().topRebar();
    HWND client = frame().m_hWndMDIClient;
    const int rows = rebar.Height();
    EXPECT_EQ(Top(client, frame().m_hWnd), rows);

    // The tool bar's band joins the menu's row: the rebar gets lower, and the windows follow.
    SetBreak(rebar.m_hWnd, rebar.IndexOf(ID_BAR_TOOLBARS), false);
    PumpPending();
    ASSERT_LT(rebar.Height(), rows);
    EXPECT_EQ(Top(client, frame().m_hWnd), rebar.Height());

    SetBreak(rebar.m_hWnd, rebar.IndexOf(ID_BAR_TOOLBARS), true);
    PumpPending();
    EXPECT_EQ(rebar.Height(), rows);
    EXPECT_EQ(Top(client, frame().m_hWnd), rows);

    // A band follows its child's visibility at the next layout.
    auto bandHidden = [&] {
        REBARBANDINFOA info{};
        info.cbSize = REBARBANDINFOA_V6_SIZE;
        info.fMask = RBBIM_STYLE;
        rebar.SendMessage(RB_GETBANDINFOA, rebar.IndexOf(ID_BAR_TOOLBARS), reinterpret_cast<LPARAM>(&info));
        return (info.fStyle & RBBS_HIDDEN) != 0;
    };
    frame().toolBar().ShowWindow(SW_HIDE);
    frame().RecalcLayout();
    EXPECT_TRUE(bandHidden());
    EXPECT_LT(rebar.Height(), rows);
    frame().toolBar().ShowWindow(SW_SHOW);
    frame().RecalcLayout();
    EXPECT_FALSE(bandHidden());
    EXPECT_EQ(Top(client, frame().m_hWnd), rows);
}
