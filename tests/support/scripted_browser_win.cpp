#include "support/scripted_browser_win.h"

#include <algorithm>

const MessageMap* ScriptedBrowser::ThisMessageMap() {
    static const MessageMap map(&CWnd::ThisMessageMap);
    return &map;
}

std::vector<ScriptedBrowser*>& ScriptedBrowser::Created() {
    static std::vector<ScriptedBrowser*> created;
    return created;
}

ScriptedBrowser::~ScriptedBrowser() {
    auto& all = Created();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

bool ScriptedBrowser::Create(HWND parent, const RECT& rect, UINT id, BrowserEvents* events) {
    events_ = events;
    const char* cls = RegisterFrameworkClass("ScriptedBrowser", 0, nullptr, nullptr, nullptr);
    if (!CreateEx(0, cls, "Browser", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, parent, id)) return false;
    Created().push_back(this);
    return true;
}

const void* ScriptedBrowser::TopFrame() {
    static const int top = 0;
    return &top;
}

const void* ScriptedBrowser::ChildFrame() {
    static const int child = 0;
    return &child;
}

bool ScriptedBrowser::RaiseBeforeNavigate(const std::string& address, const void* frame) {
    bool cancel = false;
    events_->BeforeNavigate2(frame, address, 0, "", {}, "", cancel);
    return cancel;
}

void ScriptedBrowser::RaiseDocumentComplete(const std::string& address, const void* frame) {
    events_->DocumentComplete(frame, address);
}

void ScriptedBrowser::RaiseNavigation(const std::string& address, const void* frame) {
    if (!RaiseBeforeNavigate(address, frame)) RaiseDocumentComplete(address, frame);
}

void ScriptedBrowser::Navigate(const std::string& address) {
    calls.push_back("navigate " + address);
    if (autoNavigate) RaiseNavigation(address, TopFrame());
}

void ScriptedBrowser::GoHome() {
    calls.push_back("home");
    if (autoNavigate) RaiseNavigation(homePage, TopFrame());
}

BrowserControlFactory ScriptedBrowserFactory() {
    return [] { return std::unique_ptr<BrowserControl>(std::make_unique<ScriptedBrowser>()); };
}
