#include "framework/win_app_win.h"

#include "platform/startup_trace_win.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp* AfxGetApp() {
    return g_app;
}

CWinApp::CWinApp() {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

const MessageMap* CWinApp::ThisMessageMap() {
    static const MessageMap map(&CCmdTarget::ThisMessageMap);
    return &map;
}

bool CWinApp::PreTranslateMessage(MSG* msg) {
    // From the window the message is for up to the main window, the innermost first.
    HWND stop = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        if (CWnd* wnd = CWnd::FromHandlePermanent(hwnd); wnd && wnd->PreTranslateMessage(msg)) return true;
        if (hwnd == stop) break;
    }
    return false;
}

void CWinApp::PumpMessage(MSG& msg) {
    if (PreTranslateMessage(&msg)) return;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
}

void CWinApp::OnIdle() {
    if (auto* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd); frame && frame->m_hWnd) frame->OnIdleUpdateCmdUI();
}

int CWinApp::Run() {
    MSG msg;
    bool idleBefore = false;
    for (;;) {
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            OnIdle();
            if (!idleBefore) {
                MarkStartupStep("first idle");
                EndStartupPaintTrace();
            }
            idleBefore = true;
            ::WaitMessage();
            continue;
        }
        if (msg.message == WM_QUIT) break;
        PumpMessage(msg);
    }
    return ExitInstance();
}

bool CWinApp::PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    MSG msg;
    while (!done()) {
        auto now = std::chrono::steady_clock::now();
        if (now >= deadline) return false;
        if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                return done();
            }
            PumpMessage(msg);
            continue;
        }
        OnIdle();
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left < 20 ? left : 20), QS_ALLINPUT);
    }
    return true;
}
