#include "commands/full_screen_win.h"

#include "framework/frame_wnd_win.h"
#include "resource.h"

const MessageMap* CFullScreen::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandHandler<&CFullScreen::OnToggle>(ID_VIEW_FULLSCREEN),
    };
    static const MessageMap map(&CCmdTarget::ThisMessageMap, entries);
    return &map;
}

namespace {
brisova::ScreenRect FromRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

brisova::ScreenRect ScreenRectOf(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return FromRect(r);
}
}  // namespace

void CFullScreen::EnterIfSaved() {
    if (settings_.fullScreen != 0 && !on_) Enter();
}

void CFullScreen::OnToggle() {
    if (on()) Leave();
    else Enter();
}

void CFullScreen::ShowBars(const brisova::EdgeBars& bars) {
    bool changed = false;
    auto show = [&changed](HWND bar, bool wanted) {
        if (!bar || (::IsWindowVisible(bar) != FALSE) == wanted) return;
        ::ShowWindow(bar, wanted ? SW_SHOW : SW_HIDE);
        changed = true;
    };
    show(topBars_, bars.top);
    show(bottomBars_, bars.bottom);
    show(statusBar_, bars.status);
    shown_ = bars;
    if (changed) frame_.RecalcLayout();
}

void CFullScreen::Enter() {
    HWND window = frame_.m_hWnd;
    ShowBars({});
    savedPlacement_ = WINDOWPLACEMENT{};
    savedPlacement_.length = sizeof savedPlacement_;
    ::GetWindowPlacement(window, &savedPlacement_);

    // The frame's border and caption lie outside the screen, so its client area covers it.
    RECT empty{0, 0, 0, 0};
    ::AdjustWindowRectEx(&empty, static_cast<DWORD>(::GetWindowLongPtrA(window, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrA(window, GWL_EXSTYLE)));
    rect_ = brisova::FullScreenRect(ScreenRectOf(::GetDesktopWindow()), FromRect(empty));

    WINDOWPLACEMENT placement = savedPlacement_;
    placement.showCmd = SW_SHOWNORMAL;
    placement.rcNormalPosition = RECT{rect_.left, rect_.top, rect_.right, rect_.bottom};
    settings_.fullScreen = 1;
    on_ = true;
    ::SetWindowPlacement(window, &placement);
    ::ShowWindow(window, SW_HIDE);
    ::ShowWindow(window, SW_SHOWNORMAL);
    // The normal position counts from the work area; the rectangle is in screen coordinates.
    ::SetWindowPos(window, nullptr, rect_.left, rect_.top, rect_.width(), rect_.height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void CFullScreen::Leave() {
    settings_.fullScreen = 0;
    on_ = false;
    ShowBars({true, settings_.taskBar != 0, settings_.statusBar != 0});
    // The placement of a shown window brings back its normal rectangle but not its maximised
    // state: a frame that was maximised is maximised again over the restored rectangle.
    WINDOWPLACEMENT normal = savedPlacement_;
    normal.showCmd = SW_SHOWNORMAL;
    ::SetWindowPlacement(frame_.m_hWnd, &normal);
    if (savedPlacement_.showCmd == SW_SHOWMAXIMIZED) ::ShowWindow(frame_.m_hWnd, SW_SHOWMAXIMIZED);
    frame_.RecalcLayout();
}

void CFullScreen::BarsToggled() {
    if (!on_) return;
    brisova::EdgeBars bars = shown_;
    bars.bottom = bars.bottom && settings_.taskBar != 0;
    bars.status = bars.status && settings_.statusBar != 0;
    ShowBars(bars);
}

void CFullScreen::LimitSize(MINMAXINFO& info) const {
    if (!on()) return;
    info.ptMaxSize = POINT{rect_.width(), rect_.height()};
    info.ptMaxTrackSize = info.ptMaxSize;
}

void CFullScreen::TrackMouse(const MSG& msg) {
    if (!on() || (msg.message != WM_MOUSEMOVE && msg.message != WM_NCMOUSEMOVE)) return;
    brisova::EdgeBarsInput in;
    in.cursorY = msg.pt.y;
    in.frameBottom = ScreenRectOf(::GetDesktopWindow()).bottom;
    in.topBarsBottom = ScreenRectOf(topBars_).bottom;
    HWND lowerReference = shown_.bottom ? bottomBars_ : statusBar_;
    in.bottomBarsTop = ScreenRectOf(lowerReference).top;
    in.tabsWanted = settings_.taskBar != 0;
    in.statusBarWanted = settings_.statusBar != 0;
    brisova::EdgeBars next = brisova::NextEdgeBars(shown_, in);
    if (next != shown_) ShowBars(next);
}
