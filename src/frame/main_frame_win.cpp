#include "frame/main_frame_win.h"

#include <cstring>
#include <fstream>
#include <sstream>
#include <utility>

#include "browser/child_frame_win.h"
#include "browser/page_scroll_win.h"
#include "framework/win_app_win.h"
#include "infolib/library_paths.h"
#include "platform/display_scale.h"
#include "platform/startup_trace_win.h"
#include "platform/window_dpi_win.h"
#include "resource.h"
#include "shared/startup_rules.h"
#include "tab_bar/tab_rules.h"

namespace {
constexpr const char* kWindowProperty = "Brisova";
constexpr const char* kShareName = "BRISOVASHARE";
// Posted to itself when a loop that held handed-off addresses back has ended.
constexpr UINT WM_OPEN_WAITING_HAND_OFFS = WM_USER + 4;

// The frame's settings that every browser view keeps a copy of.
CBrisovaView::Options ViewOptionsFrom(const brisova::Settings& s) {
    return {s.enableAutoFilter != 0, s.activeNewWindow != 0, s.enableMouseMiddle != 0, s.enableMouseBack != 0};
}
}  // namespace

const MessageMap* CMainFrame::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CreateHandler<&CMainFrame::OnCreate>(),
        TimerHandler<&CMainFrame::OnTimer>(),
        PlainHandler<WM_CLOSE, &CMainFrame::OnClose>(),
        PlainHandler<WM_DESTROY, &CMainFrame::OnDestroy>(),
        MessageHandler<WM_QUERYENDSESSION, &CMainFrame::OnQueryEndSession>(),
        MessageHandler<WM_ENDSESSION, &CMainFrame::OnEndSession>(),
        MessageHandler<WM_ACTIVATE, &CMainFrame::OnActivate>(),
        MessageHandler<WM_HAND_OFF, &CMainFrame::OnHandOff>(),
        MessageHandler<WM_ENTERMENULOOP, &CMainFrame::OnEnterMenuLoop>(),
        MessageHandler<WM_EXITMENULOOP, &CMainFrame::OnExitMenuLoop>(),
        MessageHandler<WM_ENABLE, &CMainFrame::OnEnable>(),
        MessageHandler<WM_OPEN_WAITING_HAND_OFFS, &CMainFrame::OnOpenWaitingHandOffs>(),
        MessageHandler<WM_LIBRARY_REQUEST, &CMainFrame::OnLibraryRequest>(),
        MessageHandler<WM_OPEN_HISTORY_ENTRY, &CMainFrame::OnOpenHistoryEntry>(),
        MessageHandler<WM_INITMENUPOPUP, &CMainFrame::OnInitMenuPopupTrimmed>(),
        MessageHandler<WM_MOUSEWHEEL, &CMainFrame::OnMouseWheel>(),
        MessageHandler<WM_MEASUREITEM, &CMainFrame::OnMeasureItem>(),
        MessageHandler<WM_DRAWITEM, &CMainFrame::OnDrawItem>(),
        MessageHandler<WM_MENUCHAR, &CMainFrame::OnMenuChar>(),
        MessageHandler<WM_GETMINMAXINFO, &CMainFrame::OnGetMinMaxInfo>(),
        MessageHandler<WM_DPICHANGED, &CMainFrame::OnDpiChanged>(),
        NotifyHandler<&CMainFrame::OnTabSelectionChanged>(TCN_SELCHANGE, ID_BAR_TABS),
        NotifyHandler<&CMainFrame::OnTabRightClick>(NM_RCLICK, ID_BAR_TABS),
        NotifyHandler<&CMainFrame::OnToolBarDropDown>(TBN_DROPDOWN, ID_BAR_TOOLBARS),
        CommandRangeHandler<&CMainFrame::OnMenuButton>(ID_MAIL_BUTTON, ID_ENCODING_BUTTON),
        CommandHandler<&CMainFrame::OnFileNewBlank>(ID_FILE_NEW_BLANK),
        CommandHandler<&CMainFrame::OnFileNewHome>(ID_FILE_NEW_HOME),
        CommandHandler<&CMainFrame::OnFileNewCurrent>(ID_FILE_NEW_CURRENT),
        CommandHandler<&CMainFrame::OnFileClose>(ID_FILE_CLOSE),
        CommandHandler<&CMainFrame::OnNewButton>(ID_NEW_BUTTON),
        CommandHandler<&CMainFrame::OnGoStartPage>(ID_GO_START_PAGE),
        CommandHandler<&CMainFrame::OnGoBack>(ID_GO_BACK),
        CommandHandler<&CMainFrame::OnGoForward>(ID_GO_FORWARD),
        CommandHandler<&CMainFrame::OnViewStop>(ID_VIEW_STOP),
        CommandHandler<&CMainFrame::OnViewRefresh>(ID_VIEW_REFRESH),
        CommandHandler<&CMainFrame::OnViewStatusBar>(ID_VIEW_STATUS_BAR),
        CommandHandler<&CMainFrame::OnViewToolBar>(ID_VIEW_TOOLBAR),
        CommandHandler<&CMainFrame::OnViewAddressBar>(ID_VIEW_ADDRESSBAR),
        CommandHandler<&CMainFrame::OnViewTaskBar>(ID_VIEW_TASKBAR),
        CommandHandler<&CMainFrame::OnAppExit>(ID_APP_EXIT),
        // Every command's state comes from its rule; a command nobody handles shows disabled.
        UpdateRangeHandler<&CMainFrame::OnUpdateCommand>(0, 0xFFFF),
    };
    static const MessageMap map(&CMDIFrameWnd::ThisMessageMap, entries);
    return &map;
}

CMainFrame::CMainFrame(brisova::Profile& profile, brisova::Prompter& prompter, std::string programDirectory,
                       AddressRegistryKeys browserKeys, FavoritesSetup favorites)
    : profile_(profile),
      prompter_(prompter),
      programDirectory_(std::move(programDirectory)),
      addressBar_(browserKeys),
      optionsCommands_(*this, [this](const brisova::Settings& s) { ApplySettings(s); }, profile_, programDirectory_,
                       browserKeys),
      defaultBrowser_(profile_, prompter_, browserKeys),
      favorites_(*this, std::move(favorites), shortcuts_) {}

CMainFrame::~CMainFrame() = default;

int CMainFrame::OnCreate(CREATESTRUCT* cs) {
    if (CMDIFrameWnd::OnCreate(cs) == -1) return -1;
    MarkStartupStep("MDI client");
    if (!CreateTopBars()) return -1;
    if (!statusBar_.Create(m_hWnd, WS_VISIBLE, ID_BAR_STATUS)) return -1;
    MarkStartupStep("status bar");
    if (!CreateBottomBar()) return -1;
    MarkStartupStep("tab bar");
    fullScreen_.SetBars(topRebar_.m_hWnd, bottomRebar_, statusBar_.m_hWnd);

    AddCommandTarget(&toolbarCommands_);
    AddCommandTarget(&addressBar_);
    AddCommandTarget(&popupCommands_);
    AddCommandTarget(&optionsCommands_);
    AddCommandTarget(&defaultBrowser_);
    AddCommandTarget(&pageCommands_);
    AddCommandTarget(&viewCommands_);
    AddCommandTarget(&toolCommands_);
    AddCommandTarget(&mailCommands_);
    AddCommandTarget(&fullScreen_);
    AddCommandTarget(&history_);
    AddCommandTarget(&closedWindows_);
    addressBar_.SetShortcuts(&shortcuts_);
    favorites_.Rebuild();
    AddCommandTarget(&favorites_);
    MarkStartupStep("favorites menu");
    const int iconSize = brisova::ScaleToDpi(16, WindowDpi(m_hWnd));
    secureIcon_.reset(static_cast<HICON>(::LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(IDI_SECURE), IMAGE_ICON,
                                                      iconSize, iconSize, LR_DEFAULTCOLOR)));
    statusBar_.SetProgressWidth(80);
    statusBar_.SetProgressRange(0, 100);
    statusBar_.SetMessageText(LoadResString(IDS_READY));

    // 15, 16. The shop and travel entries before the settings; the donation item after them.
    content_ = std::make_unique<CContentCommands>(*this, programDirectory_, settings_.isShowMostTips,
                                                  settings_.isShowDonate, shortcuts_);
    content_->startMail = [this](const std::string& address) { mailCommands_.LaunchMail(address); };
    AddCommandTarget(content_.get());
    content_->BuildShopMenu(menuBar_.menu());
    MarkStartupStep("shop menu");
    LoadSettings();
    content_->RemoveDonateUnlessOffered(menuBar_.menu());
    MarkStartupStep("settings");
    // The bars were made with the system's fonts; a frame that opens on a monitor of another
    // scale takes that monitor's before it is shown.
    if (const int dpi = WindowDpi(m_hWnd); dpi != SystemDpi()) {
        rescaling_ = true;
        RescaleParts(dpi);
        rescaling_ = false;
        RecalcLayout();
    }

    // 17. The objects that live as long as the frame.
    library_ = std::make_unique<CLibraryCommands>(*this, prompter_, brisova::LibraryRootFor(programDirectory_));
    AddCommandTarget(library_.get());
    MarkStartupStep("library");
    return 0;
}

void CMainFrame::CompleteStartup() {
    if (startupComplete_) return;
    startupComplete_ = true;
    ::KillTimer(m_hWnd, kCompleteStartupTimer);
    EnsureOle();
    addressBar_.AcceptDropsAndCompletion();
    // The usage counter first, then the update checker; both end on their own.
    online_.Start(programDirectory_);
    closedWindows_.PublishJumpList();
    MarkStartupStep("startup completed");
}

void CMainFrame::ScheduleStartupCompletion() {
    if (startupComplete_ || startupScheduled_) return;
    startupScheduled_ = true;
    ::SetTimer(m_hWnd, kCompleteStartupTimer, USER_TIMER_MINIMUM, nullptr);
}

void CMainFrame::EnsureOle() {
    if (!ole_) ole_.emplace();
}

void CMainFrame::OnTimer(UINT_PTR id) {
    if (id == kCompleteStartupTimer) CompleteStartup();
}

void CMainFrame::LoadSettings() {
    toolCommands_.ReadOfflineMode();
    settings_ = brisova::ReadSettings(profile_);
    tabBar_.SetCloseRules(settings_.mouseCloseWindow, settings_.mouseDoubleCloseWindow);
    // A bar stored as hidden starts hidden: its toggle runs once from the shown state.
    struct Toggle {
        int brisova::Settings::*shown;
        void (CMainFrame::*command)();
    };
    for (Toggle t : {Toggle{&brisova::Settings::toolBar, &CMainFrame::OnViewToolBar},
                     Toggle{&brisova::Settings::addressBar, &CMainFrame::OnViewAddressBar},
                     Toggle{&brisova::Settings::taskBar, &CMainFrame::OnViewTaskBar},
                     Toggle{&brisova::Settings::statusBar, &CMainFrame::OnViewStatusBar}}) {
        if (settings_.*t.shown == 0) {
            settings_.*t.shown = 1;
            (this->*t.command)();
        }
    }
    toolbarCommands_.RebuildToolbar(false);
    history_.Restore(brisova::ParseBarPlace(profile_.ReadString(brisova::kSettingsSection, brisova::kHistoryBarKey, "")));
}

void CMainFrame::SaveSettings() {
    brisova::WriteSettings(profile_, settings_);
    profile_.WriteString(brisova::kSettingsSection, brisova::kHistoryBarKey, brisova::FormatBarPlace(history_.Place()));
}

CChildFrame* CMainFrame::ActiveWindow() const {
    return dynamic_cast<CChildFrame*>(MDIGetActive());
}

CBrisovaView* CMainFrame::ActiveBrowserView() const {
    CChildFrame* window = ActiveWindow();
    return window ? window->view() : nullptr;
}

void CMainFrame::OpenAddress(brisova::AddressSource source, const std::string& address) {
    CBrisovaView* view = ActiveBrowserView();
    const brisova::OpenPlacement placement = brisova::PlaceOpenedAddress(source, view != nullptr, settings_);
    if (placement.newWindow) OpenWindow(false, &address, placement.activate);
    else view->Navigate(address);
}

// ---- what browser windows ask of the frame ----

void CMainFrame::ShowAddress(const std::string& address) {
    if (addressBar_.m_hWnd) addressBar_.ShowAddress(address);
}

void CMainFrame::SetMessageText(const std::string& text) {
    if (statusBar_.m_hWnd) statusBar_.SetMessageText(text);
}

void CMainFrame::ShowProgress(int percent) {
    if (statusBar_.m_hWnd) statusBar_.SetProgress(percent);
    taskbar_->Show(m_hWnd, percent);
}

void CMainFrame::SetStatusIcon(bool secure) {
    if (statusBar_.m_hWnd) statusBar_.SetSecureIcon(secure ? secureIcon_.get() : nullptr);
}

void CMainFrame::SetTabText(CChildFrame* window, const std::string* text) {
    if (shuttingDown_ || !window) return;
    std::string title = text ? *text : (window->view() ? window->view()->title() : std::string());
    std::string address = window->view() ? window->view()->address() : std::string();
    tabBar_.SetTabText(window, brisova::TabText(title, address));
}

void CMainFrame::SelectTabOf(CChildFrame* window) {
    if (!shuttingDown_) tabBar_.SelectTabOf(window);
}

void CMainFrame::RemoveTabOf(CChildFrame* window) {
    if (shuttingDown_) return;
    const int index = tabBar_.FindTab(window);
    if (window && index >= 0) closedWindows_.OnWindowClosed(*window, index);
    tabBar_.RemoveTabOf(window);
    if (window == ActiveWindow()) {
        ShowAddress("");
        taskbar_->Show(m_hWnd, -1);
    }
    SaveWindowRecord();
}

bool CMainFrame::AllowPageToClose(CChildFrame* window) {
    // The user sees which window asks.
    if (window && window != ActiveWindow()) window->MDIActivate();
    return prompter_.Ask("The page in this window wants to close it.\n\nClose the window?",
                         brisova::PromptButtons::YesNo) == brisova::PromptAnswer::Yes;
}

void CMainFrame::SaveWindowRecord() {
    if (shuttingDown_) return;
    brisova::WindowRecord record;
    const int count = tabBar_.Count();
    for (int i = 0; i < count; ++i) {
        CChildFrame* window = tabBar_.WindowAt(i);
        CBrisovaView* view = window ? window->view() : nullptr;
        if (!view || view->closing() || view->address().empty()) continue;
        if (window == ActiveWindow()) record.active = record.windows.size();
        record.windows.push_back(
            {view->address(), view->title(), view->TravelLogAddresses(true), view->TravelLogAddresses(false)});
    }
    profile_.WriteBinary(brisova::kSettingsSection, brisova::kLastVisitKey, brisova::EncodeWindowList(record));
}

CChildFrame* CMainFrame::OpenWindow(bool openHomePage, const std::string* address, bool activate) {
    // A browser control needs OLE in this thread.
    EnsureOle();
    // The system activates every new MDI child; a window opened behind gives the focus back.
    CChildFrame* previous = activate ? nullptr : ActiveWindow();
    auto* window = new CChildFrame;
    if (!window->Create(this, this, activate)) {
        if (!window->m_hWnd) delete window;
        return nullptr;
    }
    if (CBrisovaView* view = window->view()) {
        view->SetOptions(ViewOptionsFrom(settings_));
        view->SetOpenHomePage(openHomePage);
        if (address) view->SetInitialAddress(*address);
        view->OnInitialUpdate();
    }
    if (activate) {
        if (CBrisovaView* view = window->view()) {
            // The window was activated before it knew its address.
            ShowAddress(view->address());
            if (view->ControlWindow()) ::SetFocus(view->ControlWindow());
        }
        tabBar_.SelectTabOf(window);
    } else {
        tabBar_.FindOrAddTab(window);
        if (previous) previous->MDIActivate();
        ::SetWindowPos(window->m_hWnd, HWND_BOTTOM, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    // Until its first title arrives the tab shows the address being opened.
    SetTabText(window, nullptr);
    // The window's first navigation ran before it had a tab: record it now, so that a crash
    // right after opening does not lose it.
    SaveWindowRecord();
    return window;
}

void CMainFrame::ApplySettings(const brisova::Settings& settings) {
    settings_ = settings;
    if (library_) library_->SetOpenInNewWindow(settings_.infoNewWindow != 0);
    tabBar_.SetCloseRules(settings_.mouseCloseWindow, settings_.mouseDoubleCloseWindow);
    for (int i = tabBar_.Count() - 1; i >= 0; --i) {
        CChildFrame* window = tabBar_.WindowAt(i);
        if (CBrisovaView* view = window ? window->view() : nullptr) view->SetOptions(ViewOptionsFrom(settings_));
    }
}

void CMainFrame::HandleLibraryAddress(CChildFrame* window, const std::string& address) {
    if (library_ && !shuttingDown_) library_->HandleLibraryAddress(window, address);
}

LRESULT CMainFrame::OnLibraryRequest(WPARAM wParam, LPARAM lParam) {
    return library_ ? library_->OnLibraryRequest(wParam, lParam) : 0;
}

bool CMainFrame::OnCmdMsg(UINT id, UINT code, CCmdUI* cmdUI, bool probe) {
    if (CMDIChildWnd* child = MDIGetActive(); child && child->OnCmdMsg(id, code, cmdUI, probe)) return true;
    for (CCmdTarget* target : commandTargets_)
        if (target->OnCmdMsg(id, code, cmdUI, probe)) return true;
    if (CWnd::OnCmdMsg(id, code, cmdUI, probe)) return true;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(id, code, cmdUI, probe);
}

void CMainFrame::OpenStartupPages() {
    std::ifstream file(programDirectory_ + "data\\startup", std::ios::binary);
    if (!file) return;
    std::stringstream text;
    text << file.rdbuf();
    for (const std::string& page : brisova::StartupPages(text.str())) OpenWindow(false, &page, true);
}

// ---- messages ----

void CMainFrame::OnClose() {
    if (settings_.isAskExit == 1) {
        brisova::ExitAnswer answer = prompter_.ConfirmExit();
        if (!answer.proceed) return;
        if (answer.dontAskAgain) settings_.isAskExit = 0;
    }
    shuttingDown_ = true;
    profile_.WriteBinary(brisova::kSettingsSection, brisova::kLastVisitKey, {});
    // The worker threads stop without finishing their work; this returns once both have ended.
    online_.Stop();
    SetStatusIcon(false);
    secureIcon_.reset();
    std::erase(commandTargets_, library_.get());
    library_.reset();
    SaveSettings();
    ::RemovePropA(m_hWnd, kWindowProperty);
    addressBar_.SaveTypedUrls();
    // Browser windows go with the frame, without their own close handling.
    DestroyWindow();
}

LRESULT CMainFrame::OnQueryEndSession(WPARAM, LPARAM) {
    // Windows is ending the session: no question holds it up.
    return TRUE;
}

LRESULT CMainFrame::OnEndSession(WPARAM ending, LPARAM) {
    if (!ending || shuttingDown_) return 0;
    // The process may end as soon as this returns: everything an orderly exit writes is
    // written now, except that the record of open windows stays for the next start.
    SaveWindowRecord();
    shuttingDown_ = true;
    online_.Stop();
    SaveSettings();
    addressBar_.SaveTypedUrls();
    return 0;
}

void CMainFrame::OnDestroy() {
    shuttingDown_ = true;
    ForgetWindowDpi(m_hWnd);
    Default();
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
}

LRESULT CMainFrame::OnHandOff(WPARAM number, LPARAM) {
    ScopedHandle mapping(::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                              brisova::kHandOffBlockSize, kShareName));
    if (!mapping) {
        prompter_.Ask("Fail to create share memory!", brisova::PromptButtons::Ok);
        return 0;
    }
    ScopedMappedView view(::MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
    if (!view) {
        prompter_.Ask("MapViewOfFile Fail", brisova::PromptButtons::Ok);
        return 0;
    }
    auto* block = static_cast<char*>(view.get());
    std::optional<std::string> address =
        brisova::ReadHandOffBlock(std::string_view(block, brisova::kHandOffBlockSize), static_cast<std::uint32_t>(number));
    if (!address) return 0;
    // Read once: a copy of the message must not open the page again.
    std::memset(block + brisova::kHandOffBlockSize - brisova::kHandOffTagSize, 0, brisova::kHandOffTagSize);
    view.reset();
    mapping.reset();
    waitingHandOffs_.push_back(std::move(*address));
    OpenWaitingHandOffs();
    return 0;
}

void CMainFrame::FirstPagesOpened() {
    firstPagesOpen_ = true;
    OpenWaitingHandOffs();
}

void CMainFrame::OpenWaitingHandOffs() {
    // A modal dialog or message box owned by the frame disables it for as long as it runs.
    if (!firstPagesOpen_ || inMenuLoop_ || shuttingDown_ || !::IsWindowEnabled(m_hWnd)) return;
    for (const std::string& address : std::exchange(waitingHandOffs_, {})) OpenWindow(false, &address, true);
}

LRESULT CMainFrame::OnEnterMenuLoop(WPARAM, LPARAM) {
    inMenuLoop_ = true;
    return Default();
}

LRESULT CMainFrame::OnExitMenuLoop(WPARAM wParam, LPARAM lParam) {
    inMenuLoop_ = false;
    // The addresses open once the loop has returned, not inside its last message.
    if (!waitingHandOffs_.empty()) PostMessage(WM_OPEN_WAITING_HAND_OFFS);
    return CMDIFrameWnd::OnExitMenuLoop(wParam, lParam);
}

LRESULT CMainFrame::OnEnable(WPARAM enabled, LPARAM) {
    if (enabled && !waitingHandOffs_.empty()) PostMessage(WM_OPEN_WAITING_HAND_OFFS);
    return Default();
}

LRESULT CMainFrame::OnOpenWaitingHandOffs(WPARAM, LPARAM) {
    OpenWaitingHandOffs();
    return 0;
}

LRESULT CMainFrame::OnMouseWheel(WPARAM wParam, LPARAM) {
    if (CBrisovaView* view = ActiveBrowserView()) ScrollPageForWheel(view->control(), GET_WHEEL_DELTA_WPARAM(wParam));
    return Default();
}

void CMainFrame::OnTabSelectionChanged(NMHDR*, LRESULT* result) {
    *result = 0;
    if (int selection = tabBar_.Selection(); selection >= 0) ActivateTab(selection);
}

void CMainFrame::ActivateTab(int index) {
    CChildFrame* window = tabBar_.WindowAt(index);
    if (!window) return;
    window->ShowWindow(SW_SHOW);
    window->MDIActivate();
    tabBar_.SelectTabOf(window);
    FocusActiveControl();
}

void CMainFrame::OnTabRightClick(NMHDR*, LRESULT* result) {
    *result = 0;
}

// ---- commands ----

void CMainFrame::OnFileNewBlank() {
    const std::string blank = "about:blank";
    OpenWindow(false, &blank, true);
}

void CMainFrame::OnFileNewHome() {
    OpenWindow(true, nullptr, true);
}

void CMainFrame::OnFileNewCurrent() {
    CBrisovaView* view = ActiveBrowserView();
    const std::string address = view ? view->address() : "about:blank";
    OpenWindow(false, &address, true);
}

void CMainFrame::OnFileClose() {
    CChildFrame* window = ActiveWindow();
    if (!window || !window->view()) return;
    window->view()->SetClosing();
    window->PostMessage(WM_CLOSE);
}

void CMainFrame::OnNewButton() {
    if (auto command = brisova::NewButtonCommand(settings_.newButtonType)) SendMessage(WM_COMMAND, *command, 0);
}

void CMainFrame::OnGoStartPage() {
    if (CBrisovaView* view = ActiveBrowserView()) view->GoHome();
    else OpenWindow(true, nullptr, true);
}

void CMainFrame::OnGoBack() {
    if (CBrisovaView* view = ActiveBrowserView()) view->GoBack();
}

void CMainFrame::OnGoForward() {
    if (CBrisovaView* view = ActiveBrowserView()) view->GoForward();
}

void CMainFrame::OnViewStop() {
    if (CBrisovaView* view = ActiveBrowserView()) view->Stop();
}

void CMainFrame::OnViewRefresh() {
    if (CBrisovaView* view = ActiveBrowserView()) view->Refresh();
}

void CMainFrame::OnAppExit() {
    PostMessage(WM_CLOSE);
}

brisova::CommandContext CMainFrame::CommandContextNow(UINT id) const {
    brisova::CommandContext c;
    CBrisovaView* view = ActiveBrowserView();
    c.hasView = view != nullptr;
    c.canGoBack = view && view->canGoBack();
    c.canGoForward = view && view->canGoForward();
    c.workOffline = toolCommands_.workOffline();
    c.blockPopups = settings_.enableAutoFilter != 0;
    c.toolBarShown = settings_.toolBar != 0;
    c.addressBarShown = settings_.addressBar != 0;
    c.taskBarShown = settings_.taskBar != 0;
    c.statusBarShown = settings_.statusBar != 0;
    c.textLabel = brisova::TextLabelChecked(settings_.textLabel);
    c.fullScreen = fullScreen_.on();
    c.textSizePosition = viewCommands_.textSizePosition();
    // The registry is read only for the item that shows it.
    if (id == ID_ENCODING_AUTO) c.autoDetect = viewCommands_.ReadAutoDetect();
    return c;
}

void CMainFrame::OnUpdateCommand(CCmdUI* ui) {
    brisova::CommandState state = brisova::QueryCommandState(ui->id(), CommandContextNow(ui->id()));
    bool handled = OnCmdMsg(ui->id(), 0, nullptr, true);
    ui->Enable(state.enabled && handled);
    if (state.radio) ui->SetRadio(state.checked);
    else if (state.markKnown) ui->SetCheck(state.checked ? 1 : 0);
}

LRESULT CMainFrame::OnGetMinMaxInfo(WPARAM, LPARAM lParam) {
    LRESULT result = Default();
    fullScreen_.LimitSize(*reinterpret_cast<MINMAXINFO*>(lParam));
    return result;
}
