#include "platform/window_dpi_win.h"

#include "platform/display_scale.h"

namespace {
constexpr char kRecordedDpi[] = "Brisova.Dpi";

// Per-window DPI came with Windows 10; older systems have the screen's only.
template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), name)));
}

int ScreenDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}
}  // namespace

int WindowDpi(HWND window) {
    if (window) {
        HWND root = ::GetAncestor(window, GA_ROOT);
        if (const auto recorded = reinterpret_cast<INT_PTR>(::GetPropA(root ? root : window, kRecordedDpi));
            recorded > 0)
            return static_cast<int>(recorded);
        using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
        static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
        if (getDpiForWindow)
            if (const UINT dpi = getDpiForWindow(window); dpi > 0) return static_cast<int>(dpi);
    }
    return ScreenDpi();
}

int SystemDpi() {
    using GetDpiForSystemFunction = UINT(WINAPI*)();
    static const auto getDpiForSystem = User32Function<GetDpiForSystemFunction>("GetDpiForSystem");
    if (getDpiForSystem)
        if (const UINT dpi = getDpiForSystem(); dpi > 0) return static_cast<int>(dpi);
    return ScreenDpi();
}

int SystemMetricForDpi(int index, int dpi) {
    using ForDpiFunction = int(WINAPI*)(int, UINT);
    static const auto forDpi = User32Function<ForDpiFunction>("GetSystemMetricsForDpi");
    if (forDpi && dpi > 0) return forDpi(index, static_cast<UINT>(dpi));
    return brisova::RescaleDpi(::GetSystemMetrics(index), SystemDpi(), dpi);
}

void RecordWindowDpi(HWND topLevel, int dpi) {
    if (dpi > 0) ::SetPropA(topLevel, kRecordedDpi, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(dpi)));
}

void MoveToSuggestedRect(HWND topLevel, LPARAM dpiChangedParam) {
    const auto* suggested = reinterpret_cast<const RECT*>(dpiChangedParam);
    if (!suggested) return;
    ::SetWindowPos(topLevel, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ForgetWindowDpi(HWND topLevel) {
    ::RemovePropA(topLevel, kRecordedDpi);
}
