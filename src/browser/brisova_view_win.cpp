#include "browser/brisova_view_win.h"

#include "browser/browser_host_win.h"
#include "browser/child_frame_win.h"

const MessageMap* CBrisovaView::ThisMessageMap() {
    static const MessageMap map(&CFixedHtmlView::ThisMessageMap);
    return &map;
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

void CBrisovaView::SetInitialAddress(const std::string& address) {
    nav_.SetAddress(address);
    nav_.SetTitle(address);
}

void CBrisovaView::OnInitialUpdate() {
    if (openHomePage_) GoHome();
    else if (!nav_.address().empty()) Navigate(nav_.address());
}

void CBrisovaView::OnBeforeNavigate2(const std::string& address, long, const std::string* targetFrame,
                                     const std::vector<BYTE>&, const std::string&, bool& cancel) {
    if (closing()) return;
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
    if (host) host->SetStatusIcon(nav_.secure());
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

void CBrisovaView::OnDocumentComplete(const std::string& address) {
    if (closing() || !nav_.CompleteDocument(address)) return;
    BrowserWindowHost* host = Host();
    if (!host) return;
    if (IsActiveWindow()) host->ShowAddress(address);
    host->SaveWindowRecord();
}
