#include "framework/frame_wnd_win.h"

#include "framework/text_win.h"
#include "framework/win_app_win.h"
#include "platform/startup_trace_win.h"
#include "resource.h"

// ---- CFrameWnd ----

const MessageMap* CFrameWnd::ThisMessageMap() {
    static const MessageEntry entries[] = {
        MessageHandler<WM_MENUSELECT, &CFrameWnd::OnMenuSelect>(),
        MessageHandler<WM_INITMENUPOPUP, &CFrameWnd::OnInitMenuPopup>(),
        MessageHandler<WM_EXITMENULOOP, &CFrameWnd::OnExitMenuLoop>(),
        MessageHandler<WM_RECALC_PARENT_LAYOUT, &CFrameWnd::OnRecalcParentLayout>(),
        NotifyRangeHandler<&CFrameWnd::OnToolTipTextA>(TTN_GETDISPINFOA, 0, 0xFFFF),
        NotifyRangeHandler<&CFrameWnd::OnToolTipTextW>(TTN_GETDISPINFOW, 0, 0xFFFF),
    };
    static const MessageMap map(&CWnd::ThisMessageMap, entries);
    return &map;
}

bool CFrameWnd::OnCmdMsg(UINT id, UINT code, CCmdUI* cmdUI, bool probe) {
    if (CView* view = GetActiveView(); view && view->OnCmdMsg(id, code, cmdUI, probe)) return true;
    if (CWnd::OnCmdMsg(id, code, cmdUI, probe)) return true;
    CWinApp* app = AfxGetApp();
    return RoutesToApplication() && app && app->OnCmdMsg(id, code, cmdUI, probe);
}

bool CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const bool fromAccelerator = HIWORD(wParam) == 1 && lParam == 0;
    if (fromAccelerator && !IsCommandEnabled(this, LOWORD(wParam))) return true;
    return CWnd::OnCommand(wParam, lParam);
}

LRESULT CFrameWnd::OnMenuSelect(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    UINT flags = HIWORD(wParam);
    if (flags == 0xFFFF && lParam == 0) SetMessageText(LoadResString(IDS_READY));
    else if (!(flags & (MF_POPUP | MF_SEPARATOR))) SetMessageText(CommandPrompt(id));
    else SetMessageText("");
    return 0;
}

LRESULT CFrameWnd::OnRecalcParentLayout(WPARAM, LPARAM) {
    // The layout answers every request that piled up while the bar was changing.
    RecalcLayout();
    return 0;
}

LRESULT CFrameWnd::OnInitMenuPopup(WPARAM wParam, LPARAM lParam) {
    if (!HIWORD(lParam)) UpdateMenuItems(reinterpret_cast<HMENU>(wParam), this);
    return 0;
}

LRESULT CFrameWnd::OnExitMenuLoop(WPARAM, LPARAM) {
    SetMessageText(LoadResString(IDS_READY));
    return 0;
}

void CFrameWnd::OnIdleUpdateCmdUI() {
    for (HWND bar : commandBars_)
        if (HasVisibleStyle(bar)) UpdateToolBarButtons(bar, this);
}

namespace {
// Tool tips by command id; tools registered by window handle have no tip of ours.
bool ToolTipFor(const NMHDR* header, std::string& text) {
    auto* info = reinterpret_cast<const NMTTDISPINFOA*>(header);
    if (info->uFlags & TTF_IDISHWND) return false;
    text = CommandToolTip(static_cast<UINT>(header->idFrom));
    return !text.empty();
}
}  // namespace

void CFrameWnd::OnToolTipTextA(NMHDR* header, LRESULT* result) {
    std::string text;
    *result = 0;
    if (!ToolTipFor(header, text)) return;
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    lstrcpynA(info->szText, text.c_str(), sizeof info->szText);
    info->lpszText = info->szText;
}

void CFrameWnd::OnToolTipTextW(NMHDR* header, LRESULT* result) {
    std::string text;
    *result = 0;
    if (!ToolTipFor(header, text)) return;
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    lstrcpynW(info->szText, WideFromNarrow(text).c_str(), sizeof info->szText / sizeof(wchar_t));
    info->lpszText = info->szText;
}

// ---- CMDIFrameWnd ----

const MessageMap* CMDIFrameWnd::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CreateHandler<&CMDIFrameWnd::OnCreate>(),
        SizeHandler<&CMDIFrameWnd::OnSize>(),
        MessageHandler<WM_SETTINGCHANGE, &CMDIFrameWnd::OnSettingChange>(),
        MessageHandler<WM_SYSCOLORCHANGE, &CMDIFrameWnd::OnSysColorChange>(),
    };
    static const MessageMap map(&CFrameWnd::ThisMessageMap, entries);
    return &map;
}

bool CMDIFrameWnd::LoadFrame(UINT resourceId, DWORD style, const char* title) {
    HICON icon = ::LoadIconA(ResourceInstance(), MAKEINTRESOURCEA(resourceId));
    const char* cls = RegisterFrameworkClass("BrisovaFrame", CS_DBLCLKS, icon, ::LoadCursor(nullptr, IDC_ARROW),
                                             reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
    accelerators_ = ::LoadAcceleratorsA(ResourceInstance(), MAKEINTRESOURCEA(resourceId));
    if (!(style & WS_MAXIMIZE))
        return CreateEx(0, cls, title, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, 0);
    // Created at the size it is shown at: the bars are built and laid out once, not again when
    // the window is maximised.
    const RECT place = MaximizedRect(style);
    return CreateEx(0, cls, title, style, place, nullptr, 0);
}

RECT CMDIFrameWnd::MaximizedRect(DWORD style) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoA(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    // A maximised window's sizing border lies outside the work area, its caption inside.
    RECT border{0, 0, 0, 0};
    ::AdjustWindowRectEx(&border, style & ~WS_DLGFRAME, FALSE, 0);
    const RECT& work = monitor.rcWork;
    return RECT{work.left + border.left, work.top + border.top, work.right + border.right,
                work.bottom + border.bottom};
}

int CMDIFrameWnd::OnCreate(CREATESTRUCT*) {
    dockSite_ = std::make_unique<CDockSite>(m_hWnd);
    CLIENTCREATESTRUCT ccs{};
    ccs.hWindowMenu = nullptr;
    ccs.idFirstChild = ID_MDI_FIRST_CHILD;
    m_hWndMDIClient = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                                        0, 0, 0, 0, m_hWnd, nullptr, ResourceInstance(), &ccs);
    return m_hWndMDIClient ? 0 : -1;
}

void CMDIFrameWnd::OnSize(UINT type, int cx, int cy) {
    // The bars lay the frame out again when they change; a size message for the size laid out
    // already (the frame shown at the size it was created at) needs no layout.
    if (type != SIZE_MINIMIZED && (cx != laidOut_.cx || cy != laidOut_.cy)) RecalcLayout();
}

void CMDIFrameWnd::RecalcLayout() {
    if (!m_hWnd) return;
    MarkStartupStep("layout");
    RECT client = GetClientRect();
    laidOut_ = SIZE{client.right - client.left, client.bottom - client.top};
    RepositionBars(client);
    if (dockSite_) dockSite_->Arrange(client);
    if (m_hWndMDIClient)
        ::MoveWindow(m_hWndMDIClient, client.left, client.top, client.right - client.left,
                     client.bottom - client.top, TRUE);
    // The bars that changed height while being placed asked for a layout: this one read their
    // new heights already.
    DropLayoutRequests();
}

void CMDIFrameWnd::DropLayoutRequests() const {
    MSG pending;
    while (::PeekMessageA(&pending, m_hWnd, WM_RECALC_PARENT_LAYOUT, WM_RECALC_PARENT_LAYOUT, PM_REMOVE)) {
    }
}

LRESULT CMDIFrameWnd::OnSysColorChange(WPARAM wParam, LPARAM lParam) {
    SendToDescendants(m_hWnd, WM_SYSCOLORCHANGE, wParam, lParam);
    SystemColorsChanged();
    return Default();
}

LRESULT CMDIFrameWnd::OnSettingChange(WPARAM, LPARAM) {
    // Only top-level windows hear of a settings change; the bars docked here follow it too.
    if (dockSite_) dockSite_->SettingsChanged();
    return Default();
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive() const {
    if (!m_hWndMDIClient) return nullptr;
    HWND active = reinterpret_cast<HWND>(::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0));
    return dynamic_cast<CMDIChildWnd*>(CWnd::FromHandlePermanent(active));
}

CView* CMDIFrameWnd::GetActiveView() const {
    CMDIChildWnd* child = MDIGetActive();
    return child ? child->GetActiveView() : nullptr;
}

bool CMDIFrameWnd::OnCmdMsg(UINT id, UINT code, CCmdUI* cmdUI, bool probe) {
    if (CMDIChildWnd* child = MDIGetActive(); child && child->OnCmdMsg(id, code, cmdUI, probe)) return true;
    if (CWnd::OnCmdMsg(id, code, cmdUI, probe)) return true;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(id, code, cmdUI, probe);
}

bool CMDIFrameWnd::PreTranslateMessage(MSG* msg) {
    if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return false;
    if (m_hWndMDIClient && ::TranslateMDISysAccel(m_hWndMDIClient, msg)) return true;
    return accelerators_ && ::TranslateAcceleratorA(m_hWnd, accelerators_, msg);
}

LRESULT CMDIFrameWnd::DefWindowProcChain(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

// ---- CMDIChildWnd ----

const MessageMap* CMDIChildWnd::ThisMessageMap() {
    static const MessageMap map(&CFrameWnd::ThisMessageMap);
    return &map;
}

bool CMDIChildWnd::Create(const char* className, const char* title, DWORD style, CMDIFrameWnd* frame) {
    frame_ = frame;
    MDICREATESTRUCTA mcs{};
    mcs.szClass = className;
    mcs.szTitle = title;
    mcs.hOwner = ResourceInstance();
    mcs.x = mcs.y = mcs.cx = mcs.cy = CW_USEDEFAULT;
    mcs.style = style;
    HWND hwnd;
    {
        // The MDI client creates the window on this thread; the framework binds it on its first message.
        CreationScope scope(this);
        hwnd = reinterpret_cast<HWND>(::SendMessageA(frame->m_hWndMDIClient, WM_MDICREATE, 0,
                                                     reinterpret_cast<LPARAM>(&mcs)));
    }
    created_ = hwnd != nullptr;
    return created_;
}

void CMDIChildWnd::MDIActivate() const {
    ::SendMessageA(frame_->m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

LRESULT CMDIChildWnd::DefWindowProcChain(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefMDIChildProcA(m_hWnd, message, wParam, lParam);
}

void CMDIChildWnd::PostNcDestroy() {
    // A child frame that was created belongs to its window and ends with it.
    if (created_) delete this;
}

// ---- CView ----

const MessageMap* CView::ThisMessageMap() {
    static const MessageMap map(&CWnd::ThisMessageMap);
    return &map;
}

CFrameWnd* CView::GetParentFrame() const {
    return dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(GetParent()));
}
