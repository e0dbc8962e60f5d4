#include "platform/startup_trace_win.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {
std::string TraceFile() {
    char path[MAX_PATH * 4] = {};
    DWORD n = ::GetEnvironmentVariableA("BRISOVA_STARTUP_TRACE", path, sizeof path);
    return n > 0 && n < sizeof path ? std::string(path, n) : std::string();
}

const std::string& File() {
    static const std::string file = TraceFile();
    return file;
}

HHOOK sentHook = nullptr;
HHOOK queuedHook = nullptr;

void MarkPaint(HWND window) {
    char name[64] = "paint ";
    ::GetClassNameA(window, name + 6, static_cast<int>(sizeof name - 6));
    MarkStartupStep(name);
}

LRESULT CALLBACK SentMessage(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (message->message == WM_PAINT) MarkPaint(message->hwnd);
    }
    return ::CallNextHookEx(sentHook, code, wParam, lParam);
}

LRESULT CALLBACK QueuedMessage(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        const auto* message = reinterpret_cast<const MSG*>(lParam);
        if (message->message == WM_PAINT) MarkPaint(message->hwnd);
    }
    return ::CallNextHookEx(queuedHook, code, wParam, lParam);
}
}  // namespace

void MarkStartupStep(const char* step) {
    if (File().empty()) return;
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    if (FILE* out = std::fopen(File().c_str(), "a")) {
        std::fprintf(out, "%lld %s\n", static_cast<long long>(now.QuadPart), step);
        std::fclose(out);
    }
}

void BeginStartupPaintTrace() {
    if (File().empty() || sentHook) return;
    const DWORD thread = ::GetCurrentThreadId();
    sentHook = ::SetWindowsHookExA(WH_CALLWNDPROC, &SentMessage, nullptr, thread);
    queuedHook = ::SetWindowsHookExA(WH_GETMESSAGE, &QueuedMessage, nullptr, thread);
}

void EndStartupPaintTrace() {
    if (sentHook) ::UnhookWindowsHookEx(sentHook);
    if (queuedHook) ::UnhookWindowsHookEx(queuedHook);
    sentHook = queuedHook = nullptr;
}
