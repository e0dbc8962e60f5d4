#include "framework/mini_dock_frame_win.h"

#include "framework/bar_drag_win.h"
#include "framework/dock_site_win.h"

#include "framework/dock_layout.h"
#include "platform/window_dpi_win.h"

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;
}  // namespace

const MessageMap* CMiniDockFrame::ThisMessageMap() {
    static const MessageEntry entries[] = {
        SizeHandler<&CMiniDockFrame::OnSize>(),
        PlainHandler<WM_CLOSE, &CMiniDockFrame::OnClose>(),
        PlainHandler<WM_DESTROY, &CMiniDockFrame::OnDestroy>(),
        MessageHandler<WM_NCLBUTTONDOWN, &CMiniDockFrame::OnNcLButtonDown>(),
        MessageHandler<WM_NCLBUTTONDBLCLK, &CMiniDockFrame::OnNcLButtonDblClk>(),
        MessageHandler<WM_SYSCOLORCHANGE, &CMiniDockFrame::OnSysColorChange>(),
        MessageHandler<WM_DPICHANGED, &CMiniDockFrame::OnDpiChanged>(),
    };
    static const MessageMap map(&CWnd::ThisMessageMap, entries);
    return &map;
}

LRESULT CMiniDockFrame::OnSysColorChange(WPARAM wParam, LPARAM lParam) {
    SendToDescendants(m_hWnd, WM_SYSCOLORCHANGE, wParam, lParam);
    return Default();
}

LRESULT CMiniDockFrame::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    RecordWindowDpi(m_hWnd, HIWORD(wParam));
    bar_.OnDpiChanged();
    MoveToSuggestedRect(m_hWnd, lParam);
    return 0;
}

bool CMiniDockFrame::Create() {
    const char* cls = RegisterFrameworkClass("BrisovaMiniFrame", CS_DBLCLKS, nullptr, ::LoadCursor(nullptr, IDC_ARROW),
                                             reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CreateEx(kExStyle, cls, bar_.GetWindowText().c_str(), kStyle, 0, 0, 0, 0, site_.frame(), 0);
}

POINT CMiniDockFrame::ClientOffset() {
    RECT outer{0, 0, 0, 0};
    ::AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
    return {-outer.left, -outer.top};
}

POINT CMiniDockFrame::ClientOrigin() const {
    POINT origin{0, 0};
    ::ClientToScreen(m_hWnd, &origin);
    return origin;
}

void CMiniDockFrame::Adopt(POINT screenPoint) {
    SetWindowText(bar_.GetWindowText());
    SIZE size = bar_.FloatingSize();
    RECT outer{0, 0, size.cx, size.cy};
    ::AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
    ::OffsetRect(&outer, screenPoint.x, screenPoint.y);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (::GetMonitorInfoA(::MonitorFromRect(&outer, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        brisova::DockRect placed = brisova::FitInside({outer.left, outer.top, outer.right, outer.bottom},
                                                      {work.left, work.top, work.right, work.bottom});
        outer = {placed.left, placed.top, placed.right, placed.bottom};
    }
    ::SetParent(bar_.m_hWnd, m_hWnd);
    ::SetWindowPos(m_hWnd, nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client = GetClientRect();
    bar_.MoveWindow(client);
}

void CMiniDockFrame::OnSize(UINT type, int cx, int cy) {
    if (type == SIZE_MINIMIZED || !bar_.IsFloating() || ::GetParent(bar_.m_hWnd) != m_hWnd) return;
    ::MoveWindow(bar_.m_hWnd, 0, 0, cx, cy, TRUE);
    if (cx > 0 && cy > 0) bar_.SetFloatingSize({cx, cy});
}

void CMiniDockFrame::OnDestroy() {
    ForgetWindowDpi(m_hWnd);
    Default();
}

void CMiniDockFrame::OnClose() {
    site_.Show(bar_, false);
}

LRESULT CMiniDockFrame::OnNcLButtonDown(WPARAM hit, LPARAM lParam) {
    if (hit != HTCAPTION) return Default();
    // Moving the caption moves the bar: to another place, or onto a side of the frame.
    ::SetActiveWindow(m_hWnd);
    DragControlBar(site_, bar_, {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
    return 0;
}

LRESULT CMiniDockFrame::OnNcLButtonDblClk(WPARAM hit, LPARAM) {
    if (hit != HTCAPTION) return Default();
    // The mini frame stays alive, hidden, while the bar is docked: nothing is freed under us.
    site_.ToggleFloating(bar_);
    return 0;
}
