#include "browser/child_frame_win.h"

#include <algorithm>

#include "browser/browser_host_win.h"
#include "platform/diagnostics.h"
#include "resource.h"

const MessageMap* CChildFrame::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CreateHandler<&CChildFrame::OnCreate>(),
        PlainHandler<WM_CLOSE, &CChildFrame::OnClose>(),
        SizeHandler<&CChildFrame::OnSize>(),
        MessageHandler<WM_MDIACTIVATE, &CChildFrame::OnMDIActivate>(),
        MessageHandler<WM_GETMINMAXINFO, &CChildFrame::OnGetMinMaxInfo>(),
    };
    static const MessageMap map(&CMDIChildWnd::ThisMessageMap, entries);
    return &map;
}

bool CChildFrame::Create(CMDIFrameWnd* frame, BrowserWindowHost* host, bool visible) {
    host_ = host;
    HICON icon = ::LoadIconA(ResourceInstance(), MAKEINTRESOURCEA(IDR_BROWSERTYPE));
    const char* cls = RegisterFrameworkClass("BrisovaBrowserWindow", CS_DBLCLKS, icon, nullptr, nullptr);
    DWORD style = WS_CHILD | WS_MAXIMIZE | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CAPTION |
                  WS_SYSMENU | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0);
    return CMDIChildWnd::Create(cls, "", style, frame);
}

int CChildFrame::OnCreate(CREATESTRUCT*) {
    if (Default() == -1) return -1;
    // A window whose view fails stays open without one; the commands that need a view do nothing.
    try {
        auto view = std::make_unique<CBrisovaView>();
        RECT client = GetClientRect();
        if (view->Create(m_hWnd, client, ID_FIRST_PANE)) view_ = std::move(view);
    } catch (...) {
        brisova::ReportCaughtFailure("the creation of a browser view");
        view_.reset();
    }
    return 0;
}

LRESULT CChildFrame::OnGetMinMaxInfo(WPARAM, LPARAM lParam) {
    LRESULT result = Default();
    // Maximised in a full-screen frame, the window with its hidden caption is taller than the
    // screen; the system's tracking limit would otherwise leave the bottom of the client bare.
    auto& info = *reinterpret_cast<MINMAXINFO*>(lParam);
    info.ptMaxTrackSize.x = std::max(info.ptMaxTrackSize.x, info.ptMaxSize.x);
    info.ptMaxTrackSize.y = std::max(info.ptMaxTrackSize.y, info.ptMaxSize.y);
    return result;
}

void CChildFrame::OnClose() {
    if (host_) host_->RemoveTabOf(this);
    Default();
}

void CChildFrame::OnSize(UINT, int, int) {
    Default();
    // The view fills the window; moving it passes the new size on to the view and its control.
    if (view_ && view_->m_hWnd) view_->MoveWindow(GetClientRect());
}

LRESULT CChildFrame::OnMDIActivate(WPARAM, LPARAM lParam) {
    LRESULT result = Default();
    active_ = reinterpret_cast<HWND>(lParam) == m_hWnd;
    if (!active_ || !view_ || view_->closing() || !host_) return result;
    host_->ShowProgress(view_->progress());
    SetWindowText(DisplayTitle());
    host_->ShowAddress(view_->address());
    host_->SetTabText(this, nullptr);
    host_->SelectTabOf(this);
    host_->SetStatusIcon(view_->secure());
    if (HWND control = view_->ControlWindow()) ::SetFocus(control);
    return result;
}

std::string CChildFrame::DisplayTitle() const {
    if (!view_) return {};
    return view_->title().empty() ? view_->address() : view_->title();
}
