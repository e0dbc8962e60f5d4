#include "platform/ui_fonts_win.h"

#include "platform/display_scale.h"
#include "platform/window_dpi_win.h"

namespace {
// The system's metrics made for a DPI came with Windows 10; before it, they are scaled from the
// system's own.
bool NonClientMetrics(int dpi, NONCLIENTMETRICSW& metrics) {
    metrics.cbSize = sizeof metrics;
    using ForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    static const auto forDpi = reinterpret_cast<ForDpiFunction>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("user32.dll"), "SystemParametersInfoForDpi")));
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))) return true;
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return false;
    const int systemDpi = SystemDpi();
    metrics.lfMenuFont.lfHeight = brisova::RescaleDpi(metrics.lfMenuFont.lfHeight, systemDpi, dpi);
    metrics.lfMessageFont.lfHeight = brisova::RescaleDpi(metrics.lfMessageFont.lfHeight, systemDpi, dpi);
    return true;
}
}  // namespace

ScopedFont MakeUiFont(UiFont which, int dpi) {
    LOGFONTW font{};
    if (which == UiFont::Gui) {
        // The stock font has no per-DPI form: it is the system's, scaled.
        if (!::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font)) return {};
        font.lfHeight = brisova::RescaleDpi(font.lfHeight, SystemDpi(), dpi);
        font.lfWidth = 0;
    } else {
        NONCLIENTMETRICSW metrics{};
        if (!NonClientMetrics(dpi, metrics)) return {};
        font = which == UiFont::Menu ? metrics.lfMenuFont : metrics.lfMessageFont;
    }
    return ScopedFont(::CreateFontIndirectW(&font));
}
