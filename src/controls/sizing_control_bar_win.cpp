#include "controls/sizing_control_bar_win.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/dock_site_win.h"
#include "framework/frame_wnd_win.h"
#include "framework/mini_dock_frame_win.h"
#include "platform/display_scale.h"
#include "platform/handles_win.h"
#include "platform/window_dpi_win.h"

using brisova::DockSide;

namespace {
LRESULT HitCodeOf(unsigned edge) {
    switch (edge) {
    case brisova::kEdgeLeft: return HTLEFT;
    case brisova::kEdgeRight: return HTRIGHT;
    case brisova::kEdgeTop: return HTTOP;
    case brisova::kEdgeBottom: return HTBOTTOM;
    default: return HTNOWHERE;
    }
}

unsigned EdgeOfHitCode(WPARAM hit) {
    switch (hit) {
    case HTLEFT: return brisova::kEdgeLeft;
    case HTRIGHT: return brisova::kEdgeRight;
    case HTTOP: return brisova::kEdgeTop;
    case HTBOTTOM: return brisova::kEdgeBottom;
    default: return 0;
    }
}

bool FullWindowDragSetting() {
    BOOL on = FALSE;
    return ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &on, 0) && on;
}

// Whether the edge of a bar docked on `side` faces the view area rather than a neighbour.
bool FacesView(DockSide side, unsigned edge) {
    switch (side) {
    case DockSide::Left: return edge == brisova::kEdgeRight;
    case DockSide::Right: return edge == brisova::kEdgeLeft;
    case DockSide::Top: return edge == brisova::kEdgeBottom;
    case DockSide::Bottom: return edge == brisova::kEdgeTop;
    case DockSide::Floating: break;
    }
    return false;
}

using ScopedBrush = UniqueHandle<NullIsInvalid<HBRUSH, DeleteGdiObject>>;

// Inverts every other pixel of `r` on the screen, so drawing it again erases it.
void InvertHalftone(const RECT& r) {
    static const WORD pattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    ScopedBitmap bits(::CreateBitmap(8, 8, 1, 1, pattern));
    ScopedBrush brush(bits ? ::CreatePatternBrush(bits.get()) : nullptr);
    HDC screen = ::GetDC(nullptr);
    if (!screen) return;
    if (brush) {
        HGDIOBJ old = ::SelectObject(screen, brush.get());
        ::PatBlt(screen, r.left, r.top, r.right - r.left, r.bottom - r.top, PATINVERT);
        ::SelectObject(screen, old);
    }
    ::ReleaseDC(nullptr, screen);
}

int Thickness(DockSide side, SIZE size) {
    return brisova::IsHorizontalSide(side) ? size.cy : size.cx;
}
int Length(DockSide side, SIZE size) {
    return brisova::IsHorizontalSide(side) ? size.cx : size.cy;
}
}  // namespace

const MessageMap* CSizingControlBar::ThisMessageMap() {
    static const MessageEntry entries[] = {
        MessageHandler<WM_NCCALCSIZE, &CSizingControlBar::OnNcCalcSize>(),
        MessageHandler<WM_NCHITTEST, &CSizingControlBar::OnNcHitTest>(),
        MessageHandler<WM_NCPAINT, &CSizingControlBar::OnNcPaint>(),
        MessageHandler<WM_NCLBUTTONDOWN, &CSizingControlBar::OnNcLButtonDown>(),
        MessageHandler<WM_NCLBUTTONDBLCLK, &CSizingControlBar::OnNcLButtonDblClk>(),
        MessageHandler<WM_NCMOUSEMOVE, &CSizingControlBar::OnNcMouseMove>(),
        MessageHandler<WM_NCMOUSELEAVE, &CSizingControlBar::OnNcMouseLeave>(),
        MessageHandler<WM_MOUSEMOVE, &CSizingControlBar::OnMouseMove>(),
        MessageHandler<WM_LBUTTONUP, &CSizingControlBar::OnLButtonUp>(),
        MessageHandler<WM_RBUTTONDOWN, &CSizingControlBar::OnRButtonDown>(),
        MessageHandler<WM_CAPTURECHANGED, &CSizingControlBar::OnCaptureChanged>(),
        MessageHandler<WM_SETTEXT, &CSizingControlBar::OnSetText>(),
        SizeHandler<&CSizingControlBar::OnSize>(),
    };
    static const MessageMap map(&CControlBar::ThisMessageMap, entries);
    return &map;
}

bool CSizingControlBar::Create(const char* title, HWND frame, UINT id, DWORD style) {
    const char* cls = RegisterFrameworkClass("BrisovaSizingBar", CS_DBLCLKS, nullptr, ::LoadCursor(nullptr, IDC_ARROW),
                                             reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    fullWindowDrag_ = FullWindowDragSetting();
    // The sizes are given at 96 DPI.
    dpi_ = WindowDpi(frame);
    for (SIZE* size : {&horizontal_, &vertical_, &floating_, &minHorizontal_, &minVertical_, &minFloating_})
        *size = {Px(size->cx), Px(size->cy)};
    return CreateEx(0, cls, title, WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (style & ~WS_VISIBLE), 0, 0, 0, 0,
                    frame, id);
}

void CSizingControlBar::OnDpiChanged() {
    const int dpi = WindowDpi(m_hWnd);
    if (dpi == dpi_) return;
    for (SIZE* size : {&horizontal_, &vertical_, &floating_, &minHorizontal_, &minVertical_, &minFloating_})
        *size = {brisova::RescaleDpi(size->cx, dpi_, dpi), brisova::RescaleDpi(size->cy, dpi_, dpi)};
    dpi_ = dpi;
    // The non-client area (the gripper, the edges) is measured again.
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (onDpiChanged) onDpiChanged();
}

int CSizingControlBar::Px(int at96) const {
    return brisova::ScaleToDpi(at96, dpi_);
}

SIZE& CSizingControlBar::SizeFor(DockSide side) {
    if (side == DockSide::Floating) return floating_;
    return brisova::IsHorizontalSide(side) ? horizontal_ : vertical_;
}

SIZE CSizingControlBar::DockedSize(DockSide side) const {
    if (side == DockSide::Floating) return floating_;
    return brisova::IsHorizontalSide(side) ? horizontal_ : vertical_;
}

SIZE CSizingControlBar::MinimumSize(DockSide side) const {
    if (side == DockSide::Floating) return minFloating_;
    return brisova::IsHorizontalSide(side) ? minHorizontal_ : minVertical_;
}

void CSizingControlBar::SetRowLength(DockSide side, int length) {
    SIZE& size = SizeFor(side);
    (brisova::IsHorizontalSide(side) ? size.cx : size.cy) = length;
}

void CSizingControlBar::OnSettingsChanged() {
    fullWindowDrag_ = FullWindowDragSetting();
}

void CSizingControlBar::OnDockChanged() {
    if (!m_hWnd) return;
    // Floated onto, or docked from, a monitor of another scale.
    if (WindowDpi(m_hWnd) != dpi_) OnDpiChanged();
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

unsigned CSizingControlBar::ActiveEdgesNow() const {
    if (IsFloating() || !dockSite()) return 0;
    std::vector<CControlBar*> row = dockSite()->RowOf(*this);
    const bool first = row.empty() || row.front() == this;
    const bool last = row.empty() || row.back() == this;
    return brisova::ActiveEdges(dockSide(), first, last);
}

brisova::BarRect CSizingControlBar::NonClientInsets() const {
    return brisova::BorderInsets(dockSide(), ActiveEdgesNow(), edgeStyle_);
}

void CSizingControlBar::RedrawNonClient() const {
    if (m_hWnd) ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
}

LRESULT CSizingControlBar::OnNcCalcSize(WPARAM wParam, LPARAM lParam) {
    RECT* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
    brisova::BarRect insets = NonClientInsets();
    r->left += insets.left;
    r->top += insets.top;
    r->right = std::max(r->left, r->right - insets.right);
    r->bottom = std::max(r->top, r->bottom - insets.bottom);
    return 0;
}

LRESULT CSizingControlBar::OnNcHitTest(WPARAM, LPARAM lParam) {
    if (IsFloating()) return HTCLIENT;
    RECT window = GetWindowRect();
    POINT p{GET_X_LPARAM(lParam) - window.left, GET_Y_LPARAM(lParam) - window.top};
    const int width = window.right - window.left, height = window.bottom - window.top;
    if (unsigned edge = brisova::EdgeAt(p.x, p.y, width, height, dockSide(), ActiveEdgesNow(), edgeStyle_))
        return HitCodeOf(edge);
    brisova::BarRect insets = NonClientInsets();
    if (p.x >= insets.left && p.x < width - insets.right && p.y >= insets.top && p.y < height - insets.bottom)
        return HTCLIENT;
    return HitNonEdge(p);
}

LRESULT CSizingControlBar::OnNcPaint(WPARAM, LPARAM) {
    HDC dc = ::GetWindowDC(m_hWnd);
    if (!dc) return 0;
    RECT window = GetWindowRect();
    RECT whole{0, 0, window.right - window.left, window.bottom - window.top};
    brisova::BarRect insets = NonClientInsets();
    // Drawn off screen and copied in one step, so the border never flickers while dragging.
    HDC memory = ::CreateCompatibleDC(dc);
    ScopedBitmap bitmap(::CreateCompatibleBitmap(dc, whole.right, whole.bottom));
    if (memory && bitmap) {
        HGDIOBJ old = ::SelectObject(memory, bitmap.get());
        DrawNonClient(memory, whole);
        ::ExcludeClipRect(dc, insets.left, insets.top, whole.right - insets.right, whole.bottom - insets.bottom);
        ::BitBlt(dc, 0, 0, whole.right, whole.bottom, memory, 0, 0, SRCCOPY);
        ::SelectObject(memory, old);
    }
    if (memory) ::DeleteDC(memory);
    ::ReleaseDC(m_hWnd, dc);
    return 0;
}

void CSizingControlBar::DrawNonClient(HDC dc, const RECT& window) {
    auto brush = reinterpret_cast<HBRUSH>(::GetClassLongPtrA(m_hWnd, GCLP_HBRBACKGROUND));
    ::FillRect(dc, &window, brush ? brush : ::GetSysColorBrush(COLOR_BTNFACE));
    if (!(edgeStyle_ & brisova::kEdgeRaised)) return;
    const unsigned edges = ActiveEdgesNow();
    const int w = brisova::kSizingEdgeWidth;
    struct Strip {
        unsigned edge;
        RECT rect;
    };
    for (const Strip& s : {Strip{brisova::kEdgeLeft, {0, 0, w, window.bottom}},
                           Strip{brisova::kEdgeRight, {window.right - w, 0, window.right, window.bottom}},
                           Strip{brisova::kEdgeTop, {0, 0, window.right, w}},
                           Strip{brisova::kEdgeBottom, {0, window.bottom - w, window.right, window.bottom}}}) {
        RECT r = s.rect;
        if (edges & s.edge) ::DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
    }
}

LRESULT CSizingControlBar::OnNcLButtonDown(WPARAM hit, LPARAM lParam) {
    POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (unsigned edge = EdgeOfHitCode(hit)) StartTracking(edge, screen);
    else if (hit == HTCLIENT) return Default();
    else OnNcButtonDown(static_cast<LRESULT>(hit), screen);
    return 0;
}

LRESULT CSizingControlBar::OnNcLButtonDblClk(WPARAM hit, LPARAM) {
    if (hit == HTCAPTION && dockSite()) dockSite()->ToggleFloating(*this);
    return 0;
}

LRESULT CSizingControlBar::OnNcMouseMove(WPARAM hit, LPARAM) {
    TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE | TME_NONCLIENT, m_hWnd, 0};
    ::TrackMouseEvent(&leave);
    OnNcMouseOver(static_cast<LRESULT>(hit));
    return 0;
}

LRESULT CSizingControlBar::OnNcMouseLeave(WPARAM, LPARAM) {
    OnNcMouseOver(HTNOWHERE);
    return 0;
}

LRESULT CSizingControlBar::OnMouseMove(WPARAM, LPARAM lParam) {
    POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::ClientToScreen(m_hWnd, &screen);
    if (tracking_) TrackTo(screen);
    else OnClientMouseMove(screen);
    return Default();
}

LRESULT CSizingControlBar::OnLButtonUp(WPARAM, LPARAM lParam) {
    POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::ClientToScreen(m_hWnd, &screen);
    if (tracking_) StopTracking();
    else OnButtonUp(screen);
    return 0;
}

LRESULT CSizingControlBar::OnRButtonDown(WPARAM, LPARAM) {
    if (!tracking_) return Default();
    StopTracking();
    return 0;
}

LRESULT CSizingControlBar::OnCaptureChanged(WPARAM, LPARAM lParam) {
    if (reinterpret_cast<HWND>(lParam) != m_hWnd) {
        if (tracking_) StopTracking();
        else OnCaptureLost();
    }
    return Default();
}

LRESULT CSizingControlBar::OnSetText(WPARAM, LPARAM lParam) {
    LRESULT result = Default();
    if (IsFloating() && dockSite()) {
        if (CMiniDockFrame* mini = dockSite()->MiniFrameOf(*this))
            ::SetWindowTextA(mini->m_hWnd, reinterpret_cast<const char*>(lParam));
        dockSite()->RecalcLayout();
    }
    RedrawNonClient();
    return result;
}

void CSizingControlBar::OnSize(UINT, int cx, int cy) {
    if (!(edgeStyle_ & brisova::kSizeChild)) return;
    // The child's own border falls outside the bar, so the bar's border is the only one seen.
    if (HWND child = ::GetWindow(m_hWnd, GW_CHILD)) ::MoveWindow(child, -1, -1, cx + 1, cy + 1, TRUE);
}

void CSizingControlBar::StartTracking(unsigned edge, POINT screen) {
    CDockSite* site = dockSite();
    if (IsFloating() || !site) return;
    const DockSide side = dockSide();
    RECT window = GetWindowRect();
    SIZE actual{window.right - window.left, window.bottom - window.top};
    std::vector<CControlBar*> row = site->RowOf(*this);
    trackNeighbour_ = nullptr;
    if (FacesView(side, edge)) {
        int largestMinimum = 0;
        for (CControlBar* bar : row) largestMinimum = std::max(largestMinimum, Thickness(side, bar->MinimumSize(side)));
        RECT view = site->viewArea();
        const int viewSize = brisova::IsHorizontalSide(side) ? view.bottom - view.top : view.right - view.left;
        trackStartSize_ = Thickness(side, actual);
        trackLimits_ = brisova::ViewEdgeLimits(trackStartSize_, std::max(largestMinimum, Thickness(side, MinimumSize(side))),
                                               viewSize);
    } else {
        auto self = std::find(row.begin(), row.end(), this);
        if (self == row.end()) return;
        const bool before = edge == brisova::kEdgeLeft || edge == brisova::kEdgeTop;
        if (before ? self == row.begin() : self + 1 == row.end()) return;
        trackNeighbour_ = dynamic_cast<CSizingControlBar*>(before ? *(self - 1) : *(self + 1));
        if (!trackNeighbour_) return;
        RECT other = trackNeighbour_->GetWindowRect();
        trackNeighbourStart_ = Length(side, {other.right - other.left, other.bottom - other.top});
        trackStartSize_ = Length(side, actual);
        trackLimits_ = brisova::NeighbourEdgeLimits(trackStartSize_, Length(side, MinimumSize(side)), trackNeighbourStart_,
                                                    Length(side, trackNeighbour_->MinimumSize(side)));
    }
    trackEdge_ = edge;
    trackStart_ = screen;
    trackWindow_ = window;
    tracking_ = true;
    ::SetCapture(m_hWnd);
    if (!fullWindowDrag_) {
        RedrawNonClient();
        ShowTracker(0);
    }
}

void CSizingControlBar::ShowTracker(int growth) {
    HideTracker();
    const brisova::BarRect r = brisova::TrackerRect(
        {trackWindow_.left, trackWindow_.top, trackWindow_.right, trackWindow_.bottom}, trackEdge_, growth);
    trackerShown_ = {r.left, r.top, r.right, r.bottom};
    InvertHalftone(trackerShown_);
}

void CSizingControlBar::HideTracker() {
    if (::IsRectEmpty(&trackerShown_)) return;
    InvertHalftone(trackerShown_);
    trackerShown_ = {};
}

void CSizingControlBar::TrackTo(POINT screen) {
    if (!tracking_) return;
    const DockSide side = dockSide();
    const bool alongX = trackEdge_ == brisova::kEdgeLeft || trackEdge_ == brisova::kEdgeRight;
    const int movement = alongX ? screen.x - trackStart_.x : screen.y - trackStart_.y;
    const bool before = trackEdge_ == brisova::kEdgeLeft || trackEdge_ == brisova::kEdgeTop;
    const int size = brisova::DraggedSize(trackStartSize_, movement, before, trackLimits_);
    SIZE& own = SizeFor(side);
    const bool horizontal = brisova::IsHorizontalSide(side);
    if (trackNeighbour_) {
        long& length = horizontal ? own.cx : own.cy;
        if (length == size) return;
        length = size;
        trackNeighbour_->SetRowLength(side, trackNeighbourStart_ - (size - trackStartSize_));
    } else {
        long& thickness = horizontal ? own.cy : own.cx;
        if (thickness == size) return;
        // The whole row takes the new thickness.
        for (CControlBar* bar : dockSite()->RowOf(*this))
            if (auto* sizing = dynamic_cast<CSizingControlBar*>(bar)) {
                SIZE& s = sizing->SizeFor(side);
                (horizontal ? s.cy : s.cx) = size;
            }
        thickness = size;
    }
    if (fullWindowDrag_) dockSite()->RecalcLayout();
    else ShowTracker(size - trackStartSize_);
}

void CSizingControlBar::StopTracking() {
    if (!tracking_) return;
    tracking_ = false;
    trackNeighbour_ = nullptr;
    // Erased before the bars move, while the screen under it is still what it inverted.
    HideTracker();
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    if (dockSite()) dockSite()->RecalcLayout();
}
