#include "framework/wnd_win.h"

#include "platform/diagnostics.h"

#include <unordered_map>
#include <vector>

namespace {
// Windows belong to the thread that created them; so does this map.
thread_local std::unordered_map<HWND, CWnd*> t_windows;
thread_local CWnd* t_creating = nullptr;

struct CurrentMessage {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
thread_local CurrentMessage t_current{};
}  // namespace

const MessageMap* CWnd::ThisMessageMap() {
    static const MessageMap map(&CCmdTarget::ThisMessageMap);
    return &map;
}

CWnd::~CWnd() {
    if (m_hWnd) {
        HWND hwnd = m_hWnd;
        Unbind();
        ::DestroyWindow(hwnd);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
    auto it = t_windows.find(hwnd);
    return it == t_windows.end() ? nullptr : it->second;
}

void CWnd::Bind(HWND hwnd) {
    m_hWnd = hwnd;
    t_windows[hwnd] = this;
}

void CWnd::Unbind() {
    if (superProc_ && ::IsWindow(m_hWnd))
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(superProc_));
    superProc_ = nullptr;
    t_windows.erase(m_hWnd);
    m_hWnd = nullptr;
}

CreationScope::CreationScope(CWnd* wnd) : outer_(t_creating) {
    t_creating = wnd;
}

CreationScope::~CreationScope() {
    t_creating = outer_;
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int cx,
                    int cy, HWND parent, UINT idOrMenu, void* param) {
    HWND hwnd;
    {
        CreationScope scope(this);
        hwnd = ::CreateWindowExA(exStyle, className, title, style, x, y, cx, cy, parent,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(idOrMenu)), ResourceInstance(),
                                 param);
    }
    if (!hwnd) return false;
    // A system class never passed through the framework's procedure: route it now.
    if (!m_hWnd) return SubclassWindow(hwnd);
    return true;
}

bool CWnd::SubclassWindow(HWND hwnd) {
    if (!hwnd || m_hWnd) return false;
    Bind(hwnd);
    superProc_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWndProc)));
    return true;
}

bool CWnd::DestroyWindow() {
    return m_hWnd && ::DestroyWindow(m_hWnd);
}

LRESULT CWnd::DefWindowProcChain(UINT message, WPARAM wParam, LPARAM lParam) {
    if (superProc_) return ::CallWindowProcA(superProc_, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProcChain(t_current.message, t_current.wParam, t_current.lParam);
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) return false;
        *result = 0;
        return true;
    }
    if (message == WM_NOTIFY) return OnNotify(wParam, lParam, result);
    DispatchArgs args{message, wParam, lParam, 0, nullptr, 0};
    if (!Dispatch(args, 0)) return false;
    *result = args.result;
    return true;
}

bool CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    // Menus send 0 and accelerators 1: both are plain commands.
    if (lParam == 0) code = 0;
    return OnCmdMsg(id, code, nullptr, false);
}

bool CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    DispatchArgs args{WM_NOTIFY, 0, lParam, static_cast<UINT>(header->idFrom), nullptr, 0};
    if (Dispatch(args, header->code)) {
        *result = args.result;
        return true;
    }
    CWnd* sender = FromHandlePermanent(header->hwndFrom);
    return sender && sender != this && sender->OnReflectedNotify(header, result);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result)) return result;
    return DefWindowProcChain(message, wParam, lParam);
}

RECT CWnd::GetClientRect() const {
    RECT r{};
    ::GetClientRect(m_hWnd, &r);
    return r;
}

RECT CWnd::GetWindowRect() const {
    RECT r{};
    ::GetWindowRect(m_hWnd, &r);
    return r;
}

std::string CWnd::GetWindowText() const {
    int length = ::GetWindowTextLengthA(m_hWnd);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(m_hWnd, text.data(), length + 1)));
    return text;
}

LRESULT CALLBACK FrameworkWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
    if (!wnd && t_creating && !t_creating->m_hWnd) {
        wnd = t_creating;
        wnd->Bind(hwnd);
    }
    if (!wnd) return ::DefWindowProcA(hwnd, message, wParam, lParam);

    CurrentMessage saved = t_current;
    t_current = {hwnd, message, wParam, lParam};
    LRESULT result = 0;
    try {
        result = wnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind into the system's code; the message counts as handled.
        brisova::ReportCaughtFailure("a window procedure");
        result = 0;
    }
    t_current = saved;
    if (message == WM_NCDESTROY) {
        wnd->Unbind();
        wnd->PostNcDestroy();
    }
    return result;
}

const char* RegisterFrameworkClass(const char* name, UINT style, HICON icon, HCURSOR cursor, HBRUSH background) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExA(ResourceInstance(), name, &existing)) return name;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = &FrameworkWndProc;
    wc.hInstance = ResourceInstance();
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    ::RegisterClassExA(&wc);
    return name;
}

bool HasVisibleStyle(HWND hwnd) {
    return hwnd && (::GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void SendToDescendants(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG sent{nullptr, message, wParam, lParam, 0, {}};
    ::EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            const MSG& m = *reinterpret_cast<const MSG*>(data);
            ::SendMessageA(child, m.message, m.wParam, m.lParam);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&sent));
}

HINSTANCE ResourceInstance() {
    return ::GetModuleHandleA(nullptr);
}

std::string LoadResString(UINT id) {
    std::vector<char> buffer(1024);
    int n = ::LoadStringA(ResourceInstance(), id, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), n > 0 ? static_cast<std::size_t>(n) : 0);
}

std::string CommandPrompt(UINT id) {
    std::string s = LoadResString(id);
    return s.substr(0, s.find('\n'));
}

std::string CommandToolTip(UINT id) {
    std::string s = LoadResString(id);
    std::size_t nl = s.find('\n');
    return nl == std::string::npos ? std::string() : s.substr(nl + 1);
}
