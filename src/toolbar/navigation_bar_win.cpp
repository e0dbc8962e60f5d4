#include "toolbar/navigation_bar_win.h"

#include "controls/image_strip_win.h"
#include "platform/display_scale.h"
#include "platform/window_dpi_win.h"
#include "resource.h"

namespace {
// The images' size at 96 DPI.
constexpr int kImageSize = 15;
}  // namespace

const MessageMap* CNavigationBar::ThisMessageMap() {
    static const MessageMap map(&CWnd::ThisMessageMap);
    return &map;
}

bool CNavigationBar::Create(HWND parent, UINT id) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN |
                  TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | TBSTYLE_TOOLTIPS;
    if (!CreateEx(0, TOOLBARCLASSNAMEA, "", style, RECT{0, 0, 0, 0}, parent, id)) return false;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    images_ = LoadImageStrip(IDB_NAVBAR, kImageSize, kImageSize, 0, WindowDpi(m_hWnd));
    TakeImages();
    const TBBUTTON buttons[] = {
        {5, ID_GO_BACK, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, -1},
        {4, ID_GO_FORWARD, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, -1},
        {2, ID_FILE_CLOSE, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, -1},
    };
    SendMessage(TB_ADDBUTTONSA, 3, reinterpret_cast<LPARAM>(buttons));
    SendMessage(TB_AUTOSIZE);
    return true;
}

void CNavigationBar::DpiChanged() {
    ReloadImageStrip(images_.get(), IDB_NAVBAR, kImageSize, kImageSize, WindowDpi(m_hWnd));
    TakeImages();
    SendMessage(TB_AUTOSIZE);
}

void CNavigationBar::TakeImages() const {
    const int size = brisova::ScaleToDpi(kImageSize, WindowDpi(m_hWnd));
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.get()));
}

int CNavigationBar::ButtonHeight() const {
    RECT r{};
    SendMessage(TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r.bottom - r.top;
}

int CNavigationBar::Width() const {
    SIZE size{};
    SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    return size.cx;
}
