#include "controls/gripper_bars_win.h"

#include "framework/bar_drag_win.h"
#include "framework/dock_site_win.h"
#include "platform/handles_win.h"

using brisova::DockSide;

namespace {
// A font of `tenthsOfPoint` at `dpi`.
ScopedFont PointFont(const char* face, int tenthsOfPoint, int dpi, int escapement = 0) {
    LOGFONTA font{};
    font.lfHeight = -::MulDiv(tenthsOfPoint, dpi, 720);
    font.lfEscapement = escapement;
    font.lfOrientation = escapement;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    return ScopedFont(::CreateFontIndirectA(&font));
}
}  // namespace

const MessageMap* CSizingControlBarG::ThisMessageMap() {
    static const MessageMap map(&CSizingControlBar::ThisMessageMap);
    return &map;
}

brisova::BarRect CSizingControlBarG::NonClientInsets() const {
    brisova::BarRect insets = CSizingControlBar::NonClientInsets();
    if (!HasGripper()) return insets;
    if (brisova::IsHorizontalSide(dockSide())) insets.left += Px(kGripperWidth);
    else insets.top += Px(kGripperWidth);
    return insets;
}

RECT CSizingControlBarG::GripperRect() const {
    brisova::BarRect border = CSizingControlBar::NonClientInsets();
    RECT window = GetWindowRect();
    const int width = window.right - window.left, height = window.bottom - window.top;
    if (brisova::IsHorizontalSide(dockSide()))
        return {border.left, border.top, border.left + Px(kGripperWidth), height - border.bottom};
    return {border.left, border.top, width - border.right, border.top + Px(kGripperWidth)};
}

RECT CSizingControlBarG::CloseButtonRect() const {
    RECT strip = GripperRect();
    if (brisova::IsHorizontalSide(dockSide())) {
        const int gripper = Px(kGripperWidth), close = Px(kCloseButtonSize);
        const int left = strip.left + (gripper - close) / 2;
        return {left, strip.top + 1, left + close, strip.top + 1 + close};
    }
    const int gripper = Px(kGripperWidth), close = Px(kCloseButtonSize);
    const int top = strip.top + (gripper - close) / 2;
    return {strip.right - 1 - close, top, strip.right - 1, top + close};
}

LRESULT CSizingControlBarG::HitNonEdge(POINT p) const {
    if (!HasGripper()) return HTBORDER;
    RECT close = CloseButtonRect(), strip = GripperRect();
    if (::PtInRect(&close, p)) return HTCLOSE;
    if (::PtInRect(&strip, p)) return HTCAPTION;
    return HTBORDER;
}

bool CSizingControlBarG::PointOnClose(POINT screen) const {
    RECT window = GetWindowRect();
    RECT close = CloseButtonRect();
    POINT p{screen.x - window.left, screen.y - window.top};
    return HasGripper() && ::PtInRect(&close, p);
}

void CSizingControlBarG::SetCloseState(bool hot, bool pushed) {
    if (hot == closeHot_ && pushed == closePushed_) return;
    closeHot_ = hot;
    closePushed_ = pushed;
    RedrawNonClient();
}

void CSizingControlBarG::OnNcButtonDown(LRESULT hit, POINT screen) {
    if (hit == HTCAPTION && dockSite()) DragControlBar(*dockSite(), *this, screen);
    if (hit != HTCLOSE) return;
    ::SetCapture(m_hWnd);
    closeHeld_ = true;
    SetCloseState(true, true);
}

void CSizingControlBarG::OnNcMouseOver(LRESULT hit) {
    if (closeHeld_) return;
    SetCloseState(hit == HTCLOSE, false);
}

void CSizingControlBarG::OnClientMouseMove(POINT screen) {
    if (!closeHeld_) {
        OnNcMouseOver(HTCLIENT);
        return;
    }
    // A held button comes up while the mouse is off it and goes down again when it returns.
    const bool onClose = PointOnClose(screen);
    SetCloseState(onClose, onClose);
}

void CSizingControlBarG::OnButtonUp(POINT screen) {
    if (!closeHeld_) return;
    closeHeld_ = false;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    const bool onClose = PointOnClose(screen);
    SetCloseState(false, false);
    if (onClose && dockSite()) dockSite()->Show(*this, false);
}

void CSizingControlBarG::OnCaptureLost() {
    if (!closeHeld_) return;
    closeHeld_ = false;
    SetCloseState(false, false);
}

void CSizingControlBarG::DrawNonClient(HDC dc, const RECT& window) {
    CSizingControlBar::DrawNonClient(dc, window);
    if (!HasGripper()) return;
    RECT strip = GripperRect(), close = CloseButtonRect();
    DrawGripper(dc, strip, close);

    if (closeHot_ || closePushed_) {
        RECT edge = close;
        ::DrawEdge(dc, &edge, closePushed_ ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    RECT glyph = close;
    if (closePushed_) ::OffsetRect(&glyph, 1, 1);
    ScopedFont marlett = PointFont("Marlett", 60, dpi());
    HGDIOBJ old = ::SelectObject(dc, marlett.get());
    char face[LF_FACESIZE] = {};
    ::GetTextFaceA(dc, LF_FACESIZE, face);
    if (lstrcmpiA(face, "Marlett") == 0) {
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
        ::SetBkMode(dc, TRANSPARENT);
        ::DrawTextA(dc, "r", 1, &glyph, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    } else {
        // Without the symbol font the letter would show as a plain "r": draw the cross instead.
        ScopedPen pen(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNTEXT)));
        HGDIOBJ oldPen = ::SelectObject(dc, pen.get());
        for (int offset = 0; offset < 2; ++offset) {
            ::MoveToEx(dc, glyph.left + 3 + offset, glyph.top + 3, nullptr);
            ::LineTo(dc, glyph.right - 3 + offset, glyph.bottom - 2);
            ::MoveToEx(dc, glyph.right - 4 + offset, glyph.top + 3, nullptr);
            ::LineTo(dc, glyph.left + 2 + offset, glyph.bottom - 2);
        }
        ::SelectObject(dc, oldPen);
    }
    ::SelectObject(dc, old);
}

void CSizingControlBarG::DrawGripper(HDC dc, const RECT& strip, const RECT& close) {
    // Two raised lines along the strip, stopping short of the close button.
    const bool horizontal = brisova::IsHorizontalSide(dockSide());
    for (int line = 0; line < 2; ++line) {
        RECT r;
        if (horizontal) {
            const int x = strip.left + 3 + line * 4;
            r = {x, close.bottom + 3, x + 3, strip.bottom - 3};
        } else {
            const int y = strip.top + 4 + line * 4;
            r = {strip.left + 3, y, close.left - 3, y + 3};
        }
        if (r.right > r.left && r.bottom > r.top) ::DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    }
}

const MessageMap* CSizingControlBarCF::ThisMessageMap() {
    static const MessageMap map(&CSizingControlBarG::ThisMessageMap);
    return &map;
}

void CSizingControlBarCF::DrawGripper(HDC dc, const RECT& strip, const RECT& close) {
    const bool horizontal = brisova::IsHorizontalSide(dockSide());
    const std::string text = GetWindowText();
    ScopedFont font = PointFont("Arial", 85, dpi(), horizontal ? 900 : 0);
    HGDIOBJ old = ::SelectObject(dc, font.get());
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
    ::SetBkMode(dc, TRANSPARENT);
    if (horizontal) {
        // Upward text in an 11-pixel strip beside the gripper edge, below the close button.
        RECT clip{strip.left + 2, close.bottom + 3, strip.left + 13, strip.bottom - 3};
        ::ExtTextOutA(dc, clip.left, clip.bottom, ETO_CLIPPED, &clip, text.c_str(), static_cast<UINT>(text.size()),
                      nullptr);
    } else {
        RECT clip{strip.left + 3, strip.top, close.left - 3, strip.bottom};
        ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &clip,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    ::SelectObject(dc, old);
}
