#include "framework/bar_drag_win.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

using brisova::DockSide;

namespace {
// How close to a side of the frame the mouse must come to dock there.
constexpr int kDockReach = 32;

struct Drop {
    DockSide side;
    RECT rect;  // screen coordinates
};

Drop DropAt(const CDockSite& site, const CControlBar& bar, POINT p, POINT grip) {
    RECT room = site.dockRoom();
    ::MapWindowPoints(site.frame(), nullptr, reinterpret_cast<POINT*>(&room), 2);
    brisova::DockRect area{room.left, room.top, room.right, room.bottom};
    DockSide side = brisova::DropSide(p.x, p.y, area, bar.dockingAllowed(), kDockReach);
    if (side == DockSide::Floating) {
        SIZE size = bar.FloatingSize();
        POINT corner{p.x - std::min<long>(grip.x, size.cx - 1), p.y - std::min<long>(grip.y, size.cy - 1)};
        return {side, {corner.x, corner.y, corner.x + size.cx, corner.y + size.cy}};
    }
    SIZE size = bar.DockedSize(side);
    switch (side) {
    case DockSide::Left: return {side, {room.left, room.top, room.left + size.cx, room.bottom}};
    case DockSide::Right: return {side, {room.right - size.cx, room.top, room.right, room.bottom}};
    case DockSide::Top: return {side, {room.left, room.top, room.right, room.top + size.cy}};
    default: return {side, {room.left, room.bottom - size.cy, room.right, room.bottom}};
    }
}

// The drag rectangle is drawn inverted on the screen, so drawing it twice erases it.
void Invert(HDC screen, const RECT& r) {
    ::DrawFocusRect(screen, &r);
}
}  // namespace

void DragControlBar(CDockSite& site, CControlBar& bar, POINT start) {
    RECT window = bar.GetWindowRect();
    const POINT grip{start.x - window.left, start.y - window.top};
    HDC screen = ::GetDC(nullptr);
    ::SetCapture(bar.m_hWnd);
    bool moved = false, drawn = false, dropped = false;
    Drop drop{bar.dockSide(), window};
    MSG msg;
    while (::GetCapture() == bar.m_hWnd) {
        if (::GetMessageA(&msg, nullptr, 0, 0) <= 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_MOUSEMOVE && msg.hwnd == bar.m_hWnd) {
            POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
            ::ClientToScreen(bar.m_hWnd, &p);
            if (!moved && std::abs(p.x - start.x) <= ::GetSystemMetrics(SM_CXDRAG) &&
                std::abs(p.y - start.y) <= ::GetSystemMetrics(SM_CYDRAG))
                continue;
            moved = true;
            if (drawn) Invert(screen, drop.rect);
            drop = DropAt(site, bar, p, grip);
            Invert(screen, drop.rect);
            drawn = true;
        } else if (msg.message == WM_LBUTTONUP) {
            dropped = moved;
            break;
        } else if (msg.message == WM_RBUTTONDOWN || (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)) {
            break;
        } else {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    if (drawn) Invert(screen, drop.rect);
    ::ReleaseDC(nullptr, screen);
    if (::GetCapture() == bar.m_hWnd) ::ReleaseCapture();
    if (!dropped) return;
    if (drop.side == DockSide::Floating) site.Float(bar, {drop.rect.left, drop.rect.top});
    else site.Dock(bar, drop.side);
}
