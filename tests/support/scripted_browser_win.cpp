#include "support/scripted_browser_win.h"

#include <algorithm>
#include <fstream>

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

bool ScriptedBrowser::RaiseBeforeNavigate(const std::string& address, const void* frame,
                                          const std::vector<BYTE>& postData) {
    bool cancel = false;
    events_->BeforeNavigate2(frame, address, 0, "", postData, "", cancel);
    return cancel;
}

bool ScriptedBrowser::RaiseNewWindow(IDispatch** newControl) {
    bool cancel = false;
    IDispatch* control = nullptr;
    events_->NewWindow2(&control, cancel);
    *newControl = control;
    return cancel;
}

IDispatch* ScriptedBrowser::Application() {
    application_.AddRef();
    return &application_;
}

LRESULT ScriptedBrowser::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const char* name = nullptr;
    switch (message) {
    case WM_LBUTTONDOWN: name = "ldown"; break;
    case WM_LBUTTONUP: name = "lup"; break;
    case WM_MBUTTONDOWN: name = "mdown"; break;
    case WM_MBUTTONUP: name = "mup"; break;
    case WM_RBUTTONDOWN: name = "rdown"; break;
    case WM_RBUTTONUP: name = "rup"; break;
    case WM_RBUTTONDBLCLK: name = "rdouble"; break;
    default: break;
    }
    if (name) {
        mouse.push_back(std::string(name) + " " + std::to_string(static_cast<short>(LOWORD(lParam))) + "," +
                        std::to_string(static_cast<short>(HIWORD(lParam))) + " " + std::to_string(wParam));
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

STDMETHODIMP ScriptedBrowser::TopLevelObject::QueryInterface(REFIID riid, void** out) {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch) {
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP ScriptedBrowser::TopLevelObject::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

void ScriptedBrowser::RaiseDocumentComplete(const std::string& address, const void* frame) {
    if (frame == TopFrame()) loaded_ = true;
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

bool ScriptedBrowser::ExecCommand(long command, long option, VARIANT* argument) {
    std::string call = "exec " + std::to_string(command) + " " + std::to_string(option);
    if (argument && argument->vt == VT_I4) call += " " + std::to_string(argument->lVal);
    calls.push_back(call);
    return true;
}

bool ScriptedBrowser::RestoreTravelLog(const std::vector<std::string>& back, const std::vector<std::string>& forward) {
    std::string call = "travel log";
    for (const std::string& address : back) call += " " + address;
    call += " |";
    for (const std::string& address : forward) call += " " + address;
    calls.push_back(call);
    backAddresses = back;
    forwardAddresses = forward;
    return true;
}

bool ScriptedBrowser::ExecDocumentCommand(const GUID* group, unsigned long command, unsigned long option) {
    if (documentAfterLoad && !loaded_) return false;
    calls.push_back(std::string("document ") + (group ? "browser " : "standard ") + std::to_string(command) + " " +
                    std::to_string(option));
    return true;
}

bool ScriptedBrowser::SaveDocument(const std::string& path) {
    calls.push_back("save");
    std::ofstream file(path, std::ios::binary);
    file << documentText;
    return static_cast<bool>(file);
}
