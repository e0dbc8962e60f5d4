#include "browser/brisova_view_win.h"

#include <docobj.h>
#include <windowsx.h>

#include "browser/browser_host_win.h"
#include "browser/child_frame_win.h"
#include "platform/display_scale.h"
#include "platform/window_dpi_win.h"

namespace {
// A click the view posts to the page keeps its button down this long, as a hand would.
constexpr DWORD kPostedClickHoldMs = 100;

brisova::PageEvent PageEventOf(const MSG& msg) {
    using brisova::PageEvent;
    switch (msg.message) {
    case WM_LBUTTONUP: return PageEvent::LeftUp;
    case WM_MBUTTONDOWN: return PageEvent::MiddleDown;
    case WM_MBUTTONUP: return PageEvent::MiddleUp;
    case WM_RBUTTONDOWN: return PageEvent::RightDown;
    case WM_RBUTTONUP: return PageEvent::RightUp;
    case WM_RBUTTONDBLCLK: return PageEvent::RightDoubleClick;
    case WM_KEYDOWN: return msg.wParam == VK_RETURN ? PageEvent::EnterKeyDown : PageEvent::Other;
    default: return PageEvent::Other;
    }
}

// The message's own point rather than the cursor's: it is where the click happened, also for a
// click that was posted.
brisova::ScreenPoint ScreenPointOf(const MSG& msg) {
    POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    ::ClientToScreen(msg.hwnd, &p);
    return {p.x, p.y};
}

void PostClick(const brisova::GestureAction& action, UINT down, WPARAM downKeys, UINT up) {
    HWND window = reinterpret_cast<HWND>(action.window);
    POINT p{action.point.x, action.point.y};
    ::ScreenToClient(window, &p);
    LPARAM at = MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
    ::PostMessageA(window, down, downKeys, at);
    ::Sleep(kPostedClickHoldMs);
    ::PostMessageA(window, up, 0, at);
}

brisova::GestureSettings GestureSettingsOf(const CBrisovaView::Options& options) {
    return {options.rightButtonBack, options.middleClickLinks, ::GetDoubleClickTime()};
}
}  // namespace

const MessageMap* CBrisovaView::ThisMessageMap() {
    static const MessageEntry entries[] = {
        TimerHandler<&CBrisovaView::OnTimer>(),
    };
    static const MessageMap map(&CFixedHtmlView::ThisMessageMap, entries);
    return &map;
}

CBrisovaView::CBrisovaView() : gestures_(clock_, markers_) {
    gestures_.SetSettings(GestureSettingsOf(options_));
}

void CBrisovaView::SetOptions(const Options& options) {
    options_ = options;
    gestures_.SetSettings(GestureSettingsOf(options_));
}

CChildFrame* CBrisovaView::Window() const {
    return dynamic_cast<CChildFrame*>(CWnd::FromHandlePermanent(GetParent()));
}

BrowserWindowHost* CBrisovaView::Host() const {
    CChildFrame* window = Window();
    return window ? window->Host() : nullptr;
}

bool CBrisovaView::IsActiveWindow() const {
    CChildFrame* window = Window();
    return window && window->active();
}

CChildFrame* CBrisovaView::OpenBeside(const std::string* address) const {
    BrowserWindowHost* host = Host();
    return host ? host->OpenWindow(false, address, options_.activateNewWindows) : nullptr;
}

void CBrisovaView::SetInitialAddress(const std::string& address) {
    nav_.SetAddress(address);
    nav_.SetTitle(address);
}

void CBrisovaView::OnInitialUpdate() {
    // A window opened on a monitor of the system's scale needs no zoom of its own.
    if (const int dpi = WindowDpi(m_hWnd); dpi != SystemDpi()) MatchDisplayScale(dpi);
    if (openHomePage_) GoHome();
    else if (!nav_.address().empty()) Navigate(nav_.address());
}

void CBrisovaView::MatchDisplayScale(int dpi) {
    VARIANT zoom;
    ::VariantInit(&zoom);
    zoom.vt = VT_I4;
    zoom.lVal = brisova::PageZoomPercent(dpi, SystemDpi());
    ExecCommand(OLECMDID_OPTICAL_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &zoom);
}

// ---- the user's mouse and keys, before the page sees them ----

bool CBrisovaView::PreTranslateMessage(MSG* msg) {
    // The control's accelerators and dialog keys would take the arrows, Enter, Esc and the
    // letters that the menu bar's keyboard mode waits for.
    if (msg->message == WM_KEYDOWN || msg->message == WM_CHAR)
        if (BrowserWindowHost* host = Host(); host && host->MenuBarTakesKeys()) return false;
    brisova::PageEvent event = PageEventOf(*msg);
    if (event != brisova::PageEvent::Other) {
        brisova::PageMessage page{event, reinterpret_cast<brisova::WindowRef>(msg->hwnd), {}, 0};
        if (event != brisova::PageEvent::EnterKeyDown) {
            page.point = ScreenPointOf(*msg);
            page.keyState = GET_KEYSTATE_WPARAM(msg->wParam);
        }
        brisova::GestureResult result = gestures_.OnPageMessage(page, canGoBack(), canGoForward());
        Perform(result);
        if (result.handled) return true;
    }
    return CFixedHtmlView::PreTranslateMessage(msg);
}

void CBrisovaView::OnTimer(UINT_PTR id) {
    Perform(gestures_.OnTimer(static_cast<unsigned>(id)));
    Default();
}

void CBrisovaView::Perform(const brisova::GestureResult& result) {
    using Kind = brisova::GestureAction::Kind;
    for (const brisova::GestureAction& action : result.actions) {
        switch (action.kind) {
        case Kind::StartReplayTimer: ::SetTimer(m_hWnd, brisova::kReplayTimerId, action.delayMs, nullptr); break;
        case Kind::StopReplayTimer: ::KillTimer(m_hWnd, brisova::kReplayTimerId); break;
        case Kind::GoBack: GoBack(1); break;
        case Kind::GoForward: GoForward(1); break;
        case Kind::ReplayRightClick: PostClick(action, WM_RBUTTONDOWN, MK_RBUTTON, WM_RBUTTONUP); break;
        case Kind::MiddleToLeftClick: PostClick(action, WM_LBUTTONDOWN, MK_LBUTTON, WM_LBUTTONUP); break;
        }
    }
}

// ---- the control's events ----

void CBrisovaView::OnBeforeNavigate2(const std::string& address, long, const std::string* targetFrame,
                                     const std::vector<BYTE>& postData, const std::string&, bool& cancel) {
    if (closing()) return;
    if (gestures_.TakeMiddleClick(!postData.empty())) {
        cancel = true;
        OpenBeside(&address);
        return;
    }
    BrowserWindowHost* host = Host();
    if (brisova::IsLibraryPseudoAddress(address)) {
        cancel = true;
        if (host) host->HandleLibraryAddress(Window(), address);
        return;
    }
    bool topLevel = targetFrame == nullptr;
    if (nav_.BeginNavigation(address, topLevel) && host) {
        if (IsActiveWindow()) host->ShowAddress(address);
        host->SaveWindowRecord();
    }
    // The frame's icon belongs to the active window; a window behind it shows its own state when
    // it comes to the front.
    if (host && topLevel && IsActiveWindow()) host->SetStatusIcon(nav_.secure());
}

void CBrisovaView::OnNewWindow2(IDispatch** newControl, bool& cancel) {
    // A page on its way out gets no window, and none of the control's own either: a pop-up
    // raised while its page closes is the least wanted kind.
    if (closing()) {
        cancel = true;
        return;
    }
    if (brisova::DecideNewWindow(address(), options_.blockPopups, markers_, clock_) ==
        brisova::NewWindowVerdict::Block) {
        cancel = true;
        return;
    }
    CChildFrame* window = OpenBeside(nullptr);
    CBrisovaView* view = window ? window->view() : nullptr;
    if (view && view->control()) *newControl = view->control()->Application();
}

void CBrisovaView::OnStatusTextChange(const std::string& text) {
    if (closing() || !IsActiveWindow()) return;
    if (BrowserWindowHost* host = Host()) host->SetMessageText(text);
}

void CBrisovaView::OnProgressChange(long progress, long maximum) {
    if (closing()) return;
    nav_.SetProgress(progress, maximum);
    if (!IsActiveWindow()) return;
    if (BrowserWindowHost* host = Host()) host->ShowProgress(nav_.progress());
}

void CBrisovaView::OnTitleChange(const std::string& text) {
    if (closing()) return;
    nav_.SetTitle(text);
    CChildFrame* window = Window();
    if (!window) return;
    window->SetWindowText(text);
    if (window->active() && ControlWindow()) ::SetFocus(ControlWindow());
    if (BrowserWindowHost* host = Host()) host->SetTabText(window, &text);
}

bool CBrisovaView::AllowPageToClose() {
    BrowserWindowHost* host = Host();
    return !host || host->AllowPageToClose(Window());
}

void CBrisovaView::OnDocumentComplete(const std::string& address) {
    if (closing()) return;
    BrowserWindowHost* host = Host();
    // Every loaded page is a visit, the same address again too.
    if (host) host->PageLoaded();
    if (!nav_.CompleteDocument(address) || !host) return;
    if (IsActiveWindow()) host->ShowAddress(address);
    host->SaveWindowRecord();
}
