#include "browser/fixed_html_view_win.h"

#include "browser/view_rules.h"
#include "platform/performance_clock_win.h"
#include "resource.h"

namespace {
const brisova::TickClock* g_installedClock = nullptr;

const brisova::TickClock& ViewClock() {
    if (g_installedClock) return *g_installedClock;
    return PerformanceCounterClock::Instance();
}
}  // namespace

const MessageMap* CFixedHtmlView::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CreateHandler<&CFixedHtmlView::OnCreate>(),
        SizeHandler<&CFixedHtmlView::OnSize>(),
    };
    static const MessageMap map(&CView::ThisMessageMap, entries);
    return &map;
}

CFixedHtmlView::CFixedHtmlView() : clock_(ViewClock()) {}

CFixedHtmlView::~CFixedHtmlView() = default;

void CFixedHtmlView::UseClock(const brisova::TickClock* clock) {
    g_installedClock = clock;
}

bool CFixedHtmlView::Create(HWND parent, const RECT& rect, UINT id) {
    const char* cls = RegisterFrameworkClass("BrisovaView", CS_DBLCLKS, nullptr, nullptr, nullptr);
    return CreateEx(0, cls, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, parent, id);
}

int CFixedHtmlView::OnCreate(CREATESTRUCT* cs) {
    control_ = CreateBrowserControl();
    RECT r{-2, -2, cs->cx + 2, cs->cy + 2};
    if (!control_ || !control_->Create(m_hWnd, r, IDC_BROWSER, this)) {
        control_.reset();
        return -1;
    }
    return 0;
}

void CFixedHtmlView::OnSize(UINT, int cx, int cy) {
    if (HWND w = ControlWindow()) ::MoveWindow(w, -2, -2, cx + 4, cy + 4, TRUE);
}

void CFixedHtmlView::Navigate(const std::string& address) {
    ClearUserActionMarkers();
    if (!closing_ && control_) control_->Navigate(address);
}

void CFixedHtmlView::GoHome() {
    ClearUserActionMarkers();
    if (!closing_ && control_) control_->GoHome();
}

void CFixedHtmlView::GoBack(int steps) {
    ClearUserActionMarkers();
    if (!closing_ && control_) control_->GoBack(steps);
}

void CFixedHtmlView::GoForward(int steps) {
    ClearUserActionMarkers();
    if (!closing_ && control_) control_->GoForward(steps);
}

void CFixedHtmlView::Stop() {
    ClearUserActionMarkers();
    if (!closing_ && control_) control_->Stop();
}

void CFixedHtmlView::Refresh() {
    ClearUserActionMarkers();
    if (!closing_ && control_) control_->Refresh();
}

void CFixedHtmlView::RefreshIfExpired() {
    ClearUserActionMarkers();
    if (!closing_ && control_) control_->RefreshAtLevel(1);
}

bool CFixedHtmlView::ExecCommand(long command, long option, VARIANT* argument) {
    return !closing_ && control_ && control_->ExecCommand(command, option, argument);
}

void CFixedHtmlView::OnCommandStateChange(long command, bool enabled) {
    if (command == 2) canGoBack_ = enabled;
    else if (command == 1) canGoForward_ = enabled;
}

void CFixedHtmlView::BeforeNavigate2(const void* frame, const std::string& address, long,
                                     const std::string&, const std::vector<BYTE>& postData, const std::string&,
                                     bool& cancel) {
    ClearUserActionMarkers();
    if (closing_) return;
    if (!topFrameKnown_) {
        topFrame_ = frame;
        topFrameKnown_ = true;
    }
    static const std::string kChild = "child";
    OnBeforeNavigate2(address, 0, frame == topFrame_ ? nullptr : &kChild, postData, "", cancel);
}

void CFixedHtmlView::DocumentComplete(const void* frame, const std::string& address) {
    if (closing_ || !topFrameKnown_ || frame != topFrame_) return;
    loaded_ = true;
    RestoreTravelLog();
    if (awaitingDocument_ && control_) {
        const DocumentCommand waiting = *awaitingDocument_;
        awaitingDocument_.reset();
        control_->ExecDocumentCommand(waiting.group, waiting.command, waiting.option);
    }
    OnDocumentComplete(address);
}

void CFixedHtmlView::RestoreTravelLogWhenLoaded(std::vector<std::string> back, std::vector<std::string> forward) {
    if (back.empty() && forward.empty()) return;
    travelLogToRestore_ = TravelLog{std::move(back), std::move(forward)};
    if (loaded_) RestoreTravelLog();
}

void CFixedHtmlView::RestoreTravelLog() {
    if (!travelLogToRestore_ || !control_) return;
    const TravelLog log = std::move(*travelLogToRestore_);
    travelLogToRestore_.reset();
    // A control without a travel log to write keeps the page alone, as before.
    if (!control_->RestoreTravelLog(log.back, log.forward)) return;
    OnCommandStateChange(2, !log.back.empty() || canGoBack_);
    OnCommandStateChange(1, !log.forward.empty() || canGoForward_);
}

std::vector<std::string> CFixedHtmlView::TravelLogAddresses(bool back) const {
    if (travelLogToRestore_) return back ? travelLogToRestore_->back : travelLogToRestore_->forward;
    return control_ ? control_->TravelLogAddresses(back) : std::vector<std::string>{};
}

void CFixedHtmlView::ExecDocumentCommandWhenLoaded(const GUID* group, unsigned long command, unsigned long option) {
    if (closing_ || !control_) return;
    if (!control_->ExecDocumentCommand(group, command, option)) awaitingDocument_ = DocumentCommand{group, command, option};
}

void CFixedHtmlView::StatusTextChange(const std::string& text) {
    OnStatusTextChange(text);
}

void CFixedHtmlView::ProgressChange(long progress, long maximum) {
    OnProgressChange(progress, maximum);
}

void CFixedHtmlView::CommandStateChange(long command, bool enabled) {
    OnCommandStateChange(command, enabled);
}

void CFixedHtmlView::TitleChange(const std::string& text) {
    OnTitleChange(text);
}

void CFixedHtmlView::NewWindow2(IDispatch** newControl, bool& cancel) {
    OnNewWindow2(newControl, cancel);
}

void CFixedHtmlView::WindowClosing(bool createdByScript, bool& cancel) {
    // The browser window closes instead; the control must not tear itself down first.
    cancel = true;
    if (closing_ || (!createdByScript && !AllowPageToClose())) return;
    ClosedByPage();
}

void CFixedHtmlView::ClosedByPage() {
    if (closing_) return;
    closing_ = true;
    if (HWND frame = GetParent()) ::PostMessageA(frame, WM_CLOSE, 0, 0);
}

bool CFixedHtmlView::PreTranslateMessage(MSG* msg) {
    if (msg->message != WM_KEYDOWN) return false;
    bool ctrl = ::GetKeyState(VK_CONTROL) < 0;
    if (brisova::RouteViewKey(static_cast<unsigned>(msg->wParam), ctrl) == brisova::KeyRoute::Dispatch)
        return false;
    if (control_ && control_->TranslateAccelerator(msg)) return true;
    return ::IsDialogMessageA(m_hWnd, msg);
}
