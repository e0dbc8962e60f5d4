// Two sizing bars sharing the frame's left dock row under Wine: the row layout, the edge
// between them and the edge that faces the view.
#include "support/app_fixture_win.h"

#include "controls/gripper_bars_win.h"

namespace {
RECT InFrame(HWND window, HWND frame) {
    RECT r{};
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Presses at `screen` on the bar's border, moves by (dx, dy) and releases.
LRESULT Drag(CWnd& bar, POINT screen, int dx, int dy) {
    LRESULT hit = bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    bar.SendMessage(WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), MAKELPARAM(screen.x, screen.y));
    POINT end{screen.x + dx, screen.y + dy};
    ::ScreenToClient(bar.m_hWnd, &end);
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(end.x, end.y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(end.x, end.y));
    return hit;
}
}  // namespace

class DockRow : public AppFixture {};

TEST_F(DockRow, BarsShareTheRowAndTheirEdgesStopAtTheLimits) {
    ASSERT_TRUE(Start());
    SetClientWidth(800);
    CSizingControlBarG upper, lower;
    ASSERT_TRUE(upper.Create("Upper", &frame(), 201));
    ASSERT_TRUE(lower.Create("Lower", &frame(), 202));
    CDockSite& site = *frame().dockSite();
    site.Dock(upper, brisova::DockSide::Left);
    site.Dock(lower, brisova::DockSide::Left);
    site.Show(upper, true);
    site.Show(lower, true);
    PumpPending();

    HWND f = frame().m_hWnd;
    RECT view = InFrame(frame().m_hWndMDIClient, f);
    RECT a = InFrame(upper.m_hWnd, f), b = InFrame(lower.m_hWnd, f);
    EXPECT_EQ(view.left, 200);
    EXPECT_EQ(a.top, view.top);
    EXPECT_EQ(b.top, a.bottom - brisova::kRowOverlap);
    EXPECT_EQ(b.bottom, view.bottom);
    // The first bar had the row to itself; the second took its length from it.
    EXPECT_EQ((a.bottom - a.top) + (b.bottom - b.top) - brisova::kRowOverlap, view.bottom - view.top);
    EXPECT_GE(b.bottom - b.top, lower.MinimumSize(brisova::DockSide::Left).cy);
    EXPECT_EQ(site.RowOf(upper), (std::vector<CControlBar*>{&upper, &lower}));

    // The edge between them: the lower bar gives way down to its minimum.
    RECT screenA = upper.GetWindowRect();
    POINT between{screenA.left + 100, screenA.bottom - 2};
    EXPECT_EQ(Drag(upper, between, 0, 1000), HTBOTTOM);
    PumpPending();
    b = InFrame(lower.m_hWnd, f);
    EXPECT_EQ(b.bottom - b.top, lower.MinimumSize(brisova::DockSide::Left).cy);
    EXPECT_EQ(b.bottom, view.bottom);

    // The edge facing the view: the whole row takes the new width.
    screenA = upper.GetWindowRect();
    EXPECT_EQ(Drag(upper, {screenA.right - 2, screenA.top + 60}, -50, 0), HTRIGHT);
    PumpPending();
    EXPECT_EQ(InFrame(upper.m_hWnd, f).right, 150);
    EXPECT_EQ(InFrame(lower.m_hWnd, f).right, 150);
    EXPECT_EQ(InFrame(frame().m_hWndMDIClient, f).left, 150);

    // A hidden bar leaves the row to the other.
    site.Show(upper, false);
    PumpPending();
    EXPECT_EQ(InFrame(lower.m_hWnd, f).top, view.top);
    EXPECT_EQ(InFrame(lower.m_hWnd, f).bottom, view.bottom);
}
