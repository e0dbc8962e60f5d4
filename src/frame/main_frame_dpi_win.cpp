// The frame moves to a monitor of another scale: every bar, image and font is made again for
// the new DPI, and the frame is laid out once, at the rectangle the system suggests.
#include "frame/main_frame_win.h"

#include "browser/brisova_view_win.h"
#include "browser/child_frame_win.h"
#include "platform/display_scale.h"
#include "platform/window_dpi_win.h"
#include "resource.h"

LRESULT CMainFrame::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    const int dpi = HIWORD(wParam);
    if (dpi <= 0) return 0;
    rescaling_ = true;
    RecordWindowDpi(m_hWnd, dpi);
    RescaleParts(dpi);
    MoveToSuggestedRect(m_hWnd, lParam);
    rescaling_ = false;
    RecalcLayout();
    return 0;
}

void CMainFrame::RescaleParts(int dpi) {
    // The fonts go only once every control has taken its new one.
    ScopedFont guiFont = MakeUiFont(UiFont::Gui, dpi);
    ScopedFont messageFont = MakeUiFont(UiFont::Message, dpi);
    menuBar_.DpiChanged();
    FitMenuBand(messageFont.get());
    toolBar_.DpiChanged(messageFont.get());
    toolbarCommands_.RebuildToolbar(true);
    navigationBar_.DpiChanged();
    addressBar_.DpiChanged(guiFont.get());
    tabBar_.DpiChanged(guiFont.get());
    SetTabBandHeight();
    statusBar_.DpiChanged(messageFont.get());
    history_.DpiChanged();
    favorites_.DpiChanged();
    for (int i = 0; i < tabBar_.Count(); ++i)
        if (CChildFrame* window = tabBar_.WindowAt(i); window && window->view())
            window->view()->MatchDisplayScale(dpi);

    const int iconSize = brisova::ScaleToDpi(16, dpi);
    const bool secureShown = statusBar_.SecureIcon() != nullptr;
    ScopedIcon secure(static_cast<HICON>(
        ::LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(IDI_SECURE), IMAGE_ICON, iconSize, iconSize, LR_DEFAULTCOLOR)));
    if (secure) {
        std::swap(secureIcon_, secure);
        if (secureShown) SetStatusIcon(true);
    }
    guiFont_ = std::move(guiFont);
    messageFont_ = std::move(messageFont);
}

void CMainFrame::RecalcLayout() {
    if (!rescaling_) CMDIFrameWnd::RecalcLayout();
}
