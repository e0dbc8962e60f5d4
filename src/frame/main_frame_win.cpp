#include "frame/main_frame_win.h"

#include <cstring>
#include <fstream>
#include <sstream>

#include "app/startup_rules.h"
#include "browser/page_scroll_win.h"
#include "browser/child_frame_win.h"
#include "frame/ampersand_text.h"
#include "frame/menu_helpers_win.h"
#include "frame/tab_rules.h"
#include "infolib/library_paths.h"
#include "framework/win_app_win.h"
#include "platform/startup_trace_win.h"
#include "resource.h"

namespace {
constexpr const char* kWindowProperty = "Brisova";
constexpr const char* kShareName = "BRISOVASHARE";

// Band ids of the top rebar; the tool bar's band is ID_BAR_TOOLBARS.
constexpr UINT kMenuBand = 1;
constexpr UINT kAddressBand = 2;
constexpr UINT kNavigationBand = 3;
// Room the navigation bar keeps right of the address band.
constexpr int kNavigationRoom = 140;

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
        MessageHandler<WM_ACTIVATE, &CMainFrame::OnActivate>(),
        MessageHandler<WM_HAND_OFF, &CMainFrame::OnHandOff>(),
        MessageHandler<WM_LIBRARY_REQUEST, &CMainFrame::OnLibraryRequest>(),
        MessageHandler<WM_OPEN_HISTORY_ENTRY, &CMainFrame::OnOpenHistoryEntry>(),
        MessageHandler<WM_INITMENUPOPUP, &CMainFrame::OnInitMenuPopupTrimmed>(),
        MessageHandler<WM_MOUSEWHEEL, &CMainFrame::OnMouseWheel>(),
        MessageHandler<WM_MEASUREITEM, &CMainFrame::OnMeasureItem>(),
        MessageHandler<WM_DRAWITEM, &CMainFrame::OnDrawItem>(),
        MessageHandler<WM_GETMINMAXINFO, &CMainFrame::OnGetMinMaxInfo>(),
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
      optionsCommands_(*this, profile_, programDirectory_, browserKeys),
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
    addressBar_.SetShortcuts(&shortcuts_);
    favorites_.Rebuild();
    AddCommandTarget(&favorites_);
    MarkStartupStep("favorites menu");
    secureIcon_.reset(static_cast<HICON>(
        ::LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(IDI_SECURE), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
    statusBar_.SetProgressWidth(80);
    statusBar_.SetProgressRange(0, 100);
    statusBar_.SetMessageText(LoadResString(IDS_READY));

    // 15, 16. The shop and travel entries before the settings; the donation item after them.
    content_ = std::make_unique<CContentCommands>(*this, programDirectory_, settings_.isShowMostTips,
                                                  settings_.isShowDonate, shortcuts_);
    AddCommandTarget(content_.get());
    content_->BuildShopMenu(menuBar_.menu());
    MarkStartupStep("shop menu");
    LoadSettings();
    content_->RemoveDonateUnlessOffered(menuBar_.menu());
    MarkStartupStep("settings");

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

bool CMainFrame::CreateTopBars() {
    if (!menuBar_.Create(m_hWnd, ID_BAR_TOOLBARS, m_hWnd) || !menuBar_.LoadMenu(IDR_MAINFRAME)) return false;
    MarkStartupStep("menu bar");
    if (!toolBar_.Create(m_hWnd)) return false;
    MarkStartupStep("tool bar");
    AddCommandBar(toolBar_.m_hWnd);
    toolBar_.onLayoutChanged = [this] { RecalcLayout(); };
    if (!navigationBar_.Create(m_hWnd, ID_BAR_TOOLBARS)) return false;
    AddCommandBar(navigationBar_.m_hWnd);
    MarkStartupStep("navigation bar");
    if (!topRebar_.Create(m_hWnd, ID_BAR_REBAR, RBS_REGISTERDROP)) return false;
    topRebar_.buttonMenu = [this](HWND bar, UINT command) -> HMENU {
        if (bar == menuBar_.m_hWnd) return ::GetSubMenu(menuBar_.menu(), static_cast<int>(command));
        return bar == toolBar_.m_hWnd ? ButtonMenu(command) : nullptr;
    };

    SIZE menuSize = menuBar_.IdealSize();
    CChevBar::Band menuBand;
    menuBand.child = menuBar_.m_hWnd;
    menuBand.id = kMenuBand;
    menuBand.style = RBBS_NOGRIPPER | RBBS_USECHEVRON | RBBS_BREAK;
    menuBand.minHeight = menuSize.cy;
    menuBand.idealWidth = menuSize.cx;
    if (!topRebar_.AddBand(menuBand)) return false;
    if (!toolBar_.AddToRebar(topRebar_.m_hWnd)) return false;

    MarkStartupStep("rebar");
    if (!addressBar_.Create(topRebar_.m_hWnd, *this)) return false;
    AddCommandBar(addressBar_.m_hWnd);
    MarkStartupStep("address bar");
    const std::string addressText = LoadResString(IDS_ADDRESS_BAND);
    CChevBar::Band addressBand;
    addressBand.child = addressBar_.m_hWnd;
    addressBand.text = addressText.c_str();
    addressBand.id = kAddressBand;
    addressBand.style = RBBS_NOGRIPPER | RBBS_BREAK;
    addressBand.minHeight = addressBar_.Height();
    if (!topRebar_.AddBand(addressBand)) return false;

    CChevBar::Band navigationBand;
    navigationBand.child = navigationBar_.m_hWnd;
    navigationBand.id = kNavigationBand;
    navigationBand.style = RBBS_NOGRIPPER;
    navigationBand.minHeight = navigationBar_.ButtonHeight();
    navigationBand.minWidth = navigationBar_.Width();
    navigationBand.idealWidth = navigationBar_.Width();
    return topRebar_.AddBand(navigationBand);
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
}

bool CMainFrame::PreTranslateMessage(MSG* msg) {
    // A key or a button the user presses may ask for what the start has not completed yet.
    switch (msg->message) {
    case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_MOUSEWHEEL: CompleteStartup(); break;
    default: break;
    }
    fullScreen_.TrackMouse(*msg);
    if (menuBar_.TranslateFrameMessage(msg)) return true;
    return CMDIFrameWnd::PreTranslateMessage(msg);
}

bool CMainFrame::CreateBottomBar() {
    bottomRebar_ = ::CreateWindowExA(0, REBARCLASSNAMEA, "",
                                     WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_BANDBORDERS |
                                         CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_BOTTOM,
                                     0, 0, 0, 0, m_hWnd, reinterpret_cast<HMENU>(ID_BAR_REBAR),
                                     ResourceInstance(), nullptr);
    if (!bottomRebar_) return false;
    auto font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (!tabBar_.Create(bottomRebar_, ID_BAR_TABS, font)) return false;
    tabBar_.onLayoutChanged = [this] { FitTabBand(); };

    REBARBANDINFOA band{};
    band.cbSize = REBARBANDINFOA_V6_SIZE;
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_ID | RBBIM_IDEALSIZE | RBBIM_STYLE;
    band.fStyle = RBBS_NOGRIPPER;
    band.hwndChild = tabBar_.m_hWnd;
    band.cyMinChild = brisova::TabBandHeight(0, 1);
    band.wID = ID_BAR_TABS;
    band.cxIdeal = 220;
    return ::SendMessageA(bottomRebar_, RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
}

void CMainFrame::SetTabBandHeight() const {
    REBARBANDINFOA band{};
    band.cbSize = REBARBANDINFOA_V6_SIZE;
    band.fMask = RBBIM_CHILDSIZE | RBBIM_ID | RBBIM_IDEALSIZE;
    band.cxMinChild = 0;
    band.cyMinChild = brisova::TabBandHeight(tabBar_.FirstTabHeight(), tabBar_.RowCount());
    band.wID = ID_BAR_TABS;
    band.cxIdeal = 220;
    ::SendMessageA(bottomRebar_, RB_SETBANDINFOA, 0, reinterpret_cast<LPARAM>(&band));
}

void CMainFrame::FitTabBand() {
    SetTabBandHeight();
    RecalcLayout();
}

void CMainFrame::RepositionBars(RECT& client) {
    int width = client.right - client.left;
    if (topRebar_.m_hWnd && topRebar_.IsWindowVisible()) {
        topRebar_.MatchBandsToChildren();
        // A new width is taken first: a layout at the old width would wrap the rows. It comes
        // with no height yet: a rebar taller than its rows breaks its last band onto a row of
        // its own to fill the room, and the break then stays. A rebar whose width and rows are
        // unchanged keeps its height, which spares it a layout and a repaint of every band.
        if (RECT now = topRebar_.GetWindowRect();
            now.right - now.left != width || now.bottom - now.top != topRebar_.Height())
            ::MoveWindow(topRebar_.m_hWnd, client.left, client.top, width, 0, FALSE);
        // The address band, with its "Address" label, takes all but 140 pixels of the row; the
        // navigation bar sits in the rest.
        int addressWidth = width > kNavigationRoom ? width - kNavigationRoom : 0;
        int label = topRebar_.BandBorderWidth(kAddressBand);
        int field = addressWidth > label ? addressWidth - label : 0;
        topRebar_.SetBandMinSize(kAddressBand, field, navigationBar_.ButtonHeight(), addressWidth);
        // The navigation band asks for all 140 pixels: the row shrinks it from the right to what
        // is left after the separator, so the address band keeps exactly its width.
        topRebar_.SetBandMinSize(kNavigationBand, navigationBar_.Width(), navigationBar_.ButtonHeight(),
                                 kNavigationRoom);
        // A rebar that once had to wrap the navigation bar keeps it on a row of its own.
        topRebar_.JoinRow(kNavigationBand);
        int height = topRebar_.Height();
        ::MoveWindow(topRebar_.m_hWnd, client.left, client.top, width, height, TRUE);
        client.top += height;
    }
    if (statusBar_.m_hWnd && statusBar_.IsWindowVisible()) {
        // The status bar takes its own height and places itself along the bottom edge.
        statusBar_.SendMessage(WM_SIZE, 0, 0);
        client.bottom -= statusBar_.Height();
    }
    if (bottomRebar_ && ::IsWindowVisible(bottomRebar_)) {
        RECT r{};
        ::GetWindowRect(bottomRebar_, &r);
        ::MoveWindow(bottomRebar_, client.left, client.bottom - (r.bottom - r.top), width, r.bottom - r.top, TRUE);
        SetTabBandHeight();
        int height = static_cast<int>(::SendMessageA(bottomRebar_, RB_GETBARHEIGHT, 0, 0));
        ::MoveWindow(bottomRebar_, client.left, client.bottom - height, width, height, TRUE);
        client.bottom -= height;
    }
}

CChildFrame* CMainFrame::ActiveWindow() const {
    return dynamic_cast<CChildFrame*>(MDIGetActive());
}

CBrisovaView* CMainFrame::ActiveBrowserView() const {
    CChildFrame* window = ActiveWindow();
    return window ? window->view() : nullptr;
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
    tabBar_.RemoveTabOf(window);
    if (window == ActiveWindow()) ShowAddress("");
    SaveWindowRecord();
}

void CMainFrame::SaveWindowRecord() {
    if (shuttingDown_) return;
    std::vector<std::string> addresses;
    int count = tabBar_.Count();
    for (int i = 0; i < count; ++i) {
        CChildFrame* window = tabBar_.WindowAt(i);
        CBrisovaView* view = window ? window->view() : nullptr;
        if (view && !view->closing() && !view->address().empty()) addresses.push_back(view->address());
    }
    profile_.WriteBinary(brisova::kSettingsSection, brisova::kLastVisitKey, brisova::EncodeWindowRecord(addresses));
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
    brisova::WriteSettings(profile_, settings_);
    ::RemovePropA(m_hWnd, kWindowProperty);
    addressBar_.SaveTypedUrls();
    // Browser windows go with the frame, without their own close handling.
    DestroyWindow();
}

void CMainFrame::OnDestroy() {
    shuttingDown_ = true;
    Default();
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
}

LRESULT CMainFrame::OnActivate(WPARAM wParam, LPARAM) {
    LRESULT result = Default();
    if (LOWORD(wParam) != WA_INACTIVE) FocusActiveControl();
    return result;
}

void CMainFrame::FocusActiveControl() const {
    if (CBrisovaView* view = ActiveBrowserView(); view && view->ControlWindow()) ::SetFocus(view->ControlWindow());
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
    OpenWindow(false, &*address, true);
    return 0;
}

LRESULT CMainFrame::OnInitMenuPopupTrimmed(WPARAM wParam, LPARAM lParam) {
    CPopupCommands::TrimToolsMenu(reinterpret_cast<HMENU>(wParam));
    LRESULT result = CFrameWnd::OnInitMenuPopup(wParam, lParam);
    favorites_.OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
    return result;
}

LRESULT CMainFrame::OnMouseWheel(WPARAM wParam, LPARAM) {
    if (CBrisovaView* view = ActiveBrowserView()) ScrollPageForWheel(view->control(), GET_WHEEL_DELTA_WPARAM(wParam));
    return Default();
}

LRESULT CMainFrame::OnMeasureItem(WPARAM, LPARAM lParam) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    const bool measured = measure && measure->CtlType == ODT_MENU && iconMenu_.MeasureItem(*measure);
    LRESULT result = Default();
    return measured ? TRUE : result;
}

LRESULT CMainFrame::OnDrawItem(WPARAM, LPARAM lParam) {
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    const bool drawn = draw && draw->CtlType == ODT_MENU && iconMenu_.DrawItem(*draw);
    LRESULT result = Default();
    return drawn ? TRUE : result;
}

void CMainFrame::OnTabSelectionChanged(NMHDR*, LRESULT* result) {
    *result = 0;
    int selection = tabBar_.Selection();
    if (selection < 0) return;
    if (CChildFrame* window = tabBar_.WindowAt(selection)) {
        window->ShowWindow(SW_SHOW);
        window->MDIActivate();
    }
}

void CMainFrame::OnTabRightClick(NMHDR*, LRESULT* result) {
    *result = 0;
}

HMENU CMainFrame::ButtonMenu(UINT command) const {
    HMENU main = menuBar_.menu();
    switch (command) {
    case ID_NEW_BUTTON: return FindSubMenu(FindSubMenu(main, "&File"), "&New\tCtrl+N");
    case ID_FONT_BUTTON: return FindSubMenu(FindSubMenu(main, "&View"), "Fo&nts");
    case ID_ENCODING_BUTTON: return FindSubMenu(FindSubMenu(main, "&View"), "Enco&ding");
    case ID_MAIL_BUTTON: return FindSubMenu(FindSubMenu(main, "&Tools"), "&Mail");
    default: return nullptr;
    }
}

void CMainFrame::ShowButtonMenu(UINT command, RECT button) {
    if (HMENU menu = ButtonMenu(command))
        ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, button.left, button.bottom + 1, 0, m_hWnd, nullptr);
}

void CMainFrame::ShowTravelMenu(bool back, RECT button) {
    CChildFrame* window = ActiveWindow();
    CBrisovaView* view = window ? window->view() : nullptr;
    if (!view || !view->control()) return;
    const HWND windowHandle = window->m_hWnd;
    std::vector<std::string> titles = view->control()->TravelLogTitles(back);
    if (titles.empty()) return;
    ScopedMenu menu(::CreatePopupMenu());
    for (std::size_t i = 0; i < titles.size(); ++i) {
        std::string label = titles[i].empty() ? " " : brisova::DoubleAmpersands(titles[i]);
        ::AppendMenuA(menu.get(), MF_STRING, i + 1, label.c_str());
    }
    int steps = ::TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY,
                                 button.left, button.bottom + 1, 0, m_hWnd, nullptr);
    if (steps <= 0) return;
    // A page may close its window while the menu is open: the view is looked up again.
    if (!::IsWindow(windowHandle) || !ActiveWindow() || ActiveWindow()->m_hWnd != windowHandle) return;
    view = ActiveWindow()->view();
    if (!view || view->closing()) return;
    if (back) view->GoBack(steps);
    else view->GoForward(steps);
}

void CMainFrame::OnToolBarDropDown(NMHDR* header, LRESULT* result) {
    *result = TBDDRET_DEFAULT;
    auto* info = reinterpret_cast<NMTOOLBARA*>(header);
    RECT button = info->rcButton;
    ::MapWindowPoints(header->hwndFrom, nullptr, reinterpret_cast<POINT*>(&button), 2);
    auto command = static_cast<UINT>(info->iItem);
    if (command == ID_GO_BACK || command == ID_GO_FORWARD) ShowTravelMenu(command == ID_GO_BACK, button);
    else ShowButtonMenu(command, button);
}

bool CMainFrame::ButtonRect(UINT command, RECT& onScreen) const {
    for (HWND bar : commandBars()) {
        int index = static_cast<int>(::SendMessageA(bar, TB_COMMANDTOINDEX, command, 0));
        if (index < 0 || !::SendMessageA(bar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&onScreen))) continue;
        ::MapWindowPoints(bar, nullptr, reinterpret_cast<POINT*>(&onScreen), 2);
        return true;
    }
    return false;
}

void CMainFrame::OnMenuButton(UINT id) {
    RECT button{};
    if (ButtonRect(id, button)) ShowButtonMenu(id, button);
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

void CMainFrame::OnViewStatusBar() {
    settings_.statusBar = !settings_.statusBar;
    statusBar_.ShowWindow(settings_.statusBar ? SW_SHOW : SW_HIDE);
    RecalcLayout();
}

void CMainFrame::OnViewToolBar() {
    settings_.toolBar = !settings_.toolBar;
    topRebar_.ShowBand(ID_BAR_TOOLBARS, settings_.toolBar != 0);
    RecalcLayout();
}

void CMainFrame::OnViewAddressBar() {
    settings_.addressBar = !settings_.addressBar;
    topRebar_.ShowBand(kAddressBand, settings_.addressBar != 0);
    topRebar_.ShowBand(kNavigationBand, settings_.addressBar != 0);
    RecalcLayout();
}

void CMainFrame::OnViewTaskBar() {
    settings_.taskBar = !settings_.taskBar;
    ::SendMessageA(bottomRebar_, RB_SHOWBAND, 0, settings_.taskBar);
    ::ShowWindow(bottomRebar_, settings_.taskBar ? SW_SHOW : SW_HIDE);
    RecalcLayout();
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
