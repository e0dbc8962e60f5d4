// Two sizing bars sharing the frame's left dock row under Wine: the row layout, the edge
// between them and the edge that faces the view.
#include "support/app_fixture_win.h"

#include "controls/gripper_bars_win.h"
#include "framework/mini_dock_frame_win.h"

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
    ASSERT_TRUE(upper.Create("Upper", frame().m_hWnd, 201));
    ASSERT_TRUE(lower.Create("Lower", frame().m_hWnd, 202));
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

TEST_F(DockRow, TheGripperMovesABarToAnotherSideOrIntoAMiniFrame) {
    ASSERT_TRUE(Start());
    SetClientWidth(800);
    CSizingControlBarCF bar;
    ASSERT_TRUE(bar.Create("Moving", frame().m_hWnd, 203));
    CDockSite& site = *frame().dockSite();
    site.Dock(bar, brisova::DockSide::Left);
    site.Show(bar, true);
    PumpPending();

    // Pressing the gripper and letting go where the mouse went, as a user's drag would.
    auto dragGripperTo = [&](POINT target) {
        RECT strip = bar.GripperRect(), window = bar.GetWindowRect();
        POINT grip{window.left + strip.left + 20, window.top + (strip.top + strip.bottom) / 2};
        ASSERT_EQ(bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(grip.x, grip.y)), HTCAPTION);
        ::ScreenToClient(bar.m_hWnd, &target);
        bar.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(target.x, target.y));
        bar.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(target.x, target.y));
        bar.SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(grip.x, grip.y));
        PumpPending();
    };
    RECT view{};
    ::GetWindowRect(frame().m_hWndMDIClient, &view);
    dragGripperTo({view.right - 5, (view.top + view.bottom) / 2});
    EXPECT_EQ(bar.dockSide(), brisova::DockSide::Right);
    RECT client = frame().GetClientRect();
    EXPECT_EQ(InFrame(bar.m_hWnd, frame().m_hWnd).right, client.right);
    EXPECT_EQ(InFrame(frame().m_hWndMDIClient, frame().m_hWnd).right, client.right - 200);

    ::GetWindowRect(frame().m_hWndMDIClient, &view);
    dragGripperTo({(view.left + view.right) / 2, (view.top + view.bottom) / 2});
    EXPECT_TRUE(bar.IsFloating());
    ASSERT_TRUE(site.MiniFrameOf(bar));
    EXPECT_TRUE(site.MiniFrameOf(bar)->IsWindowVisible());
    EXPECT_EQ(InFrame(frame().m_hWndMDIClient, frame().m_hWnd).right, client.right);
    // Dragging the mini frame's caption moves it, and near a side docks the bar there.
    CMiniDockFrame& mini = *site.MiniFrameOf(bar);
    auto dragCaptionTo = [&](POINT target) {
        RECT outer = mini.GetWindowRect();
        POINT caption{(outer.left + outer.right) / 2, outer.top + ::GetSystemMetrics(SM_CYSMCAPTION) / 2 + 2};
        ASSERT_EQ(mini.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)), HTCAPTION);
        ::ScreenToClient(bar.m_hWnd, &target);
        bar.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(target.x, target.y));
        bar.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(target.x, target.y));
        mini.SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(caption.x, caption.y));
        PumpPending();
    };
    RECT before = mini.GetWindowRect();
    dragCaptionTo({(before.left + before.right) / 2 + 40, before.top + 30});
    EXPECT_TRUE(bar.IsFloating());
    EXPECT_EQ(mini.GetWindowRect().left, before.left + 40);
    dragCaptionTo({view.left + 5, (view.top + view.bottom) / 2});
    EXPECT_EQ(bar.dockSide(), brisova::DockSide::Left);
    EXPECT_FALSE(mini.IsWindowVisible());
    EXPECT_EQ(InFrame(frame().m_hWndMDIClient, frame().m_hWnd).left, 200);

    // A double click floats it again, and another docks it on the side it last docked on.
    site.ToggleFloating(bar);
    EXPECT_TRUE(bar.IsFloating());
    site.ToggleFloating(bar);
    EXPECT_EQ(bar.dockSide(), brisova::DockSide::Left);
}

TEST_F(DockRow, TheFullWindowDragSettingCountsFromTheNextSettingsChange) {
    BOOL saved = FALSE;
    ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &saved, 0);
    struct Restore {
        BOOL value;
        ~Restore() { ::SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, value, nullptr, 0); }
    } restore{saved};
    ASSERT_TRUE(Start());
    SetClientWidth(800);
    CSizingControlBarG bar;
    ASSERT_TRUE(bar.Create("Bar", frame().m_hWnd, 204));
    frame().dockSite()->Dock(bar, brisova::DockSide::Left);
    frame().dockSite()->Show(bar, true);
    PumpPending();

    // The bar's width while the mouse is still down, `dx` pixels right of where it was pressed.
    auto widthWhileDragging = [&](int dx) {
        RECT r = bar.GetWindowRect();
        POINT start{r.right - 2, (r.top + r.bottom) / 2};
        bar.SendMessage(WM_NCLBUTTONDOWN, HTRIGHT, MAKELPARAM(start.x, start.y));
        POINT end{start.x + dx, start.y};
        ::ScreenToClient(bar.m_hWnd, &end);
        bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(end.x, end.y));
        int width = InFrame(bar.m_hWnd, frame().m_hWnd).right;
        bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(end.x, end.y));
        return width;
    };
    auto changeSetting = [&](BOOL on) {
        ::SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, on, nullptr, 0);
        frame().SendMessage(WM_SETTINGCHANGE, SPI_SETDRAGFULLWINDOWS, 0);
    };
    changeSetting(TRUE);
    EXPECT_TRUE(bar.fullWindowDrag());
    EXPECT_EQ(widthWhileDragging(30), 230);
    changeSetting(FALSE);
    EXPECT_FALSE(bar.fullWindowDrag());
    EXPECT_EQ(widthWhileDragging(30), 230);
    EXPECT_EQ(InFrame(bar.m_hWnd, frame().m_hWnd).right, 260);

    // Meanwhile an inverted line shows where the edge goes, within the limits; each move erases
    // the line before, and letting go erases the last.
    RECT r = bar.GetWindowRect();
    const int y = (r.top + r.bottom) / 2;
    HDC screen = ::GetDC(nullptr);
    auto pixelsAt = [&](int x) { return std::vector<COLORREF>{::GetPixel(screen, x, y), ::GetPixel(screen, x + 1, y)}; };
    auto moveTo = [&](int x) {
        POINT p{x, y};
        ::ScreenToClient(bar.m_hWnd, &p);
        bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    };
    const std::vector<COLORREF> before = pixelsAt(r.right + 27);
    bar.SendMessage(WM_NCLBUTTONDOWN, HTRIGHT, MAKELPARAM(r.right - 2, y));
    moveTo(r.right + 28);
    RECT line = bar.trackerShown();
    EXPECT_EQ(line.left, r.right + 25);
    EXPECT_EQ(line.right, r.right + 30);
    EXPECT_EQ(line.top, r.top);
    EXPECT_NE(pixelsAt(r.right + 27), before);
    EXPECT_EQ(InFrame(bar.m_hWnd, frame().m_hWnd).right, 260);
    moveTo(r.right + 5000);
    RECT view{};
    ::GetWindowRect(frame().m_hWndMDIClient, &view);
    EXPECT_EQ(bar.trackerShown().right, view.right - 4);
    EXPECT_EQ(pixelsAt(r.right + 27), before);
    moveTo(r.right + 28);
    bar.SendMessage(WM_LBUTTONUP, 0, 0);
    EXPECT_TRUE(::IsRectEmpty(&(line = bar.trackerShown())));
    EXPECT_EQ(InFrame(bar.m_hWnd, frame().m_hWnd).right, 290);
    ::ReleaseDC(nullptr, screen);
}
