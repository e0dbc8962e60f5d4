// CWnd: a C++ object bound to one window, dispatching its messages through its class's table.
#pragma once

#include "framework/cmd_target_win.h"

#include <string>

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    DECLARE_MESSAGE_MAP()

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object bound to a window by this framework, or null.
    static CWnd* FromHandlePermanent(HWND hwnd);

    // Creates the window with this object bound to it from its very first message.
    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int cx,
                  int cy, HWND parent, UINT idOrMenu, void* param = nullptr);
    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, const RECT& rect,
                  HWND parent, UINT idOrMenu, void* param = nullptr) {
        return CreateEx(exStyle, className, title, style, rect.left, rect.top, rect.right - rect.left,
                        rect.bottom - rect.top, parent, idOrMenu, param);
    }
    // Binds an existing window (a system control) and routes its messages through this object.
    bool SubclassWindow(HWND hwnd);
    // Binds or unbinds a window whose procedure stays the system's (dialogs).
    void Attach(HWND hwnd) { Bind(hwnd); }
    void Detach() { Unbind(); }
    bool DestroyWindow();

    // Messages that no handler took go here: the class procedure, or the subclassed control's.
    virtual LRESULT DefWindowProcChain(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs the default processing of the message being dispatched.
    LRESULT Default();

    // Called by the message loop for this window and its ancestors before dispatching.
    virtual bool PreTranslateMessage(MSG* msg) { return false; }

    // WM_COMMAND and WM_NOTIFY entry points.
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
    virtual bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A notification this window sent to its parent and the parent did not handle comes back
    // here, so a control can handle its own notifications.
    virtual bool OnReflectedNotify(NMHDR* header, LRESULT* result) { return false; }

    // The window's last message has been handled; the object may now end its life.
    virtual void PostNcDestroy() {}

    // Thin helpers.
    bool IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
    LRESULT SendMessage(UINT m, WPARAM w = 0, LPARAM l = 0) const { return ::SendMessageA(m_hWnd, m, w, l); }
    bool PostMessage(UINT m, WPARAM w = 0, LPARAM l = 0) const { return ::PostMessageA(m_hWnd, m, w, l); }
    void ShowWindow(int cmd) const { ::ShowWindow(m_hWnd, cmd); }
    bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    void MoveWindow(const RECT& r, bool repaint = true) const {
        ::MoveWindow(m_hWnd, r.left, r.top, r.right - r.left, r.bottom - r.top, repaint);
    }
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    void SetWindowText(const std::string& text) const { ::SetWindowTextA(m_hWnd, text.c_str()); }
    std::string GetWindowText() const;
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    UINT GetDlgCtrlID() const { return static_cast<UINT>(::GetDlgCtrlID(m_hWnd)); }

protected:
    // Table dispatch of one message; false when no entry handled it.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

private:
    friend LRESULT CALLBACK FrameworkWndProc(HWND, UINT, WPARAM, LPARAM);
    void Bind(HWND hwnd);
    void Unbind();

    WNDPROC superProc_ = nullptr;
};

// Binds the next window of a framework class created on this thread to `wnd`, for windows the
// system creates on the program's behalf (MDI children).
class CreationScope {
public:
    explicit CreationScope(CWnd* wnd);
    CreationScope(const CreationScope&) = delete;
    CreationScope& operator=(const CreationScope&) = delete;
    ~CreationScope();

private:
    CWnd* outer_;
};

// The window procedure of every class registered by the framework.
LRESULT CALLBACK FrameworkWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers a window class served by the framework once per process; returns its name.
const char* RegisterFrameworkClass(const char* name, UINT style, HICON icon, HCURSOR cursor, HBRUSH background);

HINSTANCE ResourceInstance();
// Whether the window's own WS_VISIBLE flag is set, whatever its parents': the bars of a frame
// not shown yet are laid out as they will show.
bool HasVisibleStyle(HWND hwnd);
// Sends the message to every window inside `parent`, at any depth. The system tells only
// top-level windows that its colours changed; the controls inside must hear it from them.
void SendToDescendants(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);
// A string resource, or "" when it does not exist.
std::string LoadResString(UINT id);
// The part of a command's string before "\n" (the prompt) or after it (the tool tip).
std::string CommandPrompt(UINT id);
std::string CommandToolTip(UINT id);
