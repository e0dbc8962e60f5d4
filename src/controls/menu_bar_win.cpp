#include "controls/menu_bar_win.h"

#include <vector>

namespace {
// The menu bar whose menu is open; the message-filter hook reaches it through this.
CMenuBar* t_tracking = nullptr;
HHOOK t_hook = nullptr;
}  // namespace

const MessageMap* CMenuBar::ThisMessageMap() {
    static const MessageEntry entries[] = {
        MessageHandler<WM_LBUTTONDOWN, &CMenuBar::OnLeftButtonDown>(),
    };
    static const MessageMap map(&CWnd::ThisMessageMap, entries);
    return &map;
}

CMenuBar::~CMenuBar() = default;

bool CMenuBar::Create(HWND parent, UINT id, HWND owner) {
    owner_ = owner;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | CCS_NODIVIDER | CCS_NORESIZE |
                  CCS_NOPARENTALIGN | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TRANSPARENT;
    if (!CreateEx(0, TOOLBARCLASSNAMEA, "", style, RECT{0, 0, 0, 0}, parent, id)) return false;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
    SendMessage(TB_SETIMAGELIST, 0, 0);
    SetMenuFont();
    return true;
}

void CMenuBar::SetMenuFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return;
    font_.reset(::CreateFontIndirectA(&metrics.lfMenuFont));
    if (font_) SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

bool CMenuBar::LoadMenu(UINT resourceId) {
    menu_.reset(::LoadMenuA(ResourceInstance(), MAKEINTRESOURCEA(resourceId)));
    if (!menu_) return false;
    while (SendMessage(TB_BUTTONCOUNT) > 0) SendMessage(TB_DELETEBUTTON, 0);
    int items = ::GetMenuItemCount(menu_.get());
    buttonCount_ = 0;
    for (int i = 0; i < items; ++i) {
        char text[64] = {};
        if (::GetMenuStringA(menu_.get(), i, text, sizeof text, MF_BYPOSITION) <= 0) continue;
        // The string list needs two NULs at its end.
        std::vector<char> label(text, text + lstrlenA(text) + 2);
        auto stringIndex = SendMessage(TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(label.data()));
        TBBUTTON button{};
        button.iBitmap = I_IMAGENONE;
        button.idCommand = i;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_AUTOSIZE;
        button.iString = stringIndex;
        SendMessage(TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
        ++buttonCount_;
    }
    SendMessage(TB_AUTOSIZE);
    return true;
}

SIZE CMenuBar::IdealSize() const {
    SIZE size{};
    SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    return size;
}

int CMenuBar::ButtonAt(POINT client) const {
    int index = static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&client)));
    return index >= 0 && index < buttonCount_ ? index : -1;
}

LRESULT CMenuBar::OnLeftButtonDown(WPARAM, LPARAM lParam) {
    int index = ButtonAt(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
    if (index < 0) return Default();
    TrackMenus(index);
    return 0;
}

void CMenuBar::TrackMenus(int index) {
    while (index >= 0 && index < buttonCount_) {
        nextIndex_ = -1;
        openIndex_ = index;
        TBBUTTON button{};
        SendMessage(TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button));
        SendMessage(TB_PRESSBUTTON, button.idCommand, TRUE);
        SendMessage(TB_SETHOTITEM, static_cast<WPARAM>(-1));
        ::UpdateWindow(m_hWnd);
        RECT r{};
        SendMessage(TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
        HMENU popup = ::GetSubMenu(menu_.get(), button.idCommand);

        t_tracking = this;
        t_hook = ::SetWindowsHookExA(WH_MSGFILTER, &CMenuBar::MenuFilter, nullptr, ::GetCurrentThreadId());
        if (popup) ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL, r.left, r.bottom, 0, owner_,
                                    nullptr);
        if (t_hook) ::UnhookWindowsHookEx(t_hook);
        t_hook = nullptr;
        t_tracking = nullptr;

        SendMessage(TB_PRESSBUTTON, button.idCommand, FALSE);
        ::UpdateWindow(m_hWnd);
        openIndex_ = -1;
        index = nextIndex_;
    }
}

void CMenuBar::CloseOpenMenu(int next) {
    nextIndex_ = next;
    ::PostMessageA(owner_, WM_CANCELMODE, 0, 0);
}

LRESULT CALLBACK CMenuBar::MenuFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_MENU && t_tracking && t_tracking->FilterMenuMessage(*reinterpret_cast<MSG*>(lParam)))
        return TRUE;
    return ::CallNextHookEx(t_hook, code, wParam, lParam);
}

bool CMenuBar::FilterMenuMessage(const MSG& msg) {
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT)) {
        int step = msg.wParam == VK_LEFT ? -1 : 1;
        CloseOpenMenu((openIndex_ + step + buttonCount_) % buttonCount_);
        return true;
    }
    if (msg.message == WM_MOUSEMOVE) {
        POINT screen{};
        ::GetCursorPos(&screen);
        if (screen.x == lastMouse_.x && screen.y == lastMouse_.y) return false;
        lastMouse_ = screen;
        POINT client = screen;
        ::ScreenToClient(m_hWnd, &client);
        int over = ButtonAt(client);
        RECT bar = GetClientRect();
        if (over >= 0 && over != openIndex_ && ::PtInRect(&bar, client)) {
            CloseOpenMenu(over);
            return true;
        }
    }
    if (msg.message == WM_LBUTTONDOWN) {
        POINT client{};
        ::GetCursorPos(&client);
        ::ScreenToClient(m_hWnd, &client);
        if (ButtonAt(client) == openIndex_) {
            CloseOpenMenu(-1);
            return true;
        }
    }
    return false;
}

bool CMenuBar::TranslateFrameMessage(MSG* msg) {
    if (msg->message != WM_SYSKEYDOWN || !m_hWnd) return false;
    UINT key = static_cast<UINT>(msg->wParam);
    bool letterOrDigit = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
    if (!letterOrDigit) return false;
    UINT command = 0;
    if (!SendMessage(TB_MAPACCELERATORA, key, reinterpret_cast<LPARAM>(&command))) return false;
    int index = static_cast<int>(SendMessage(TB_COMMANDTOINDEX, command));
    if (index < 0) return false;
    // The menu opens with its first item selected, as a keyboard user expects.
    ::PostMessageA(owner_, WM_KEYDOWN, VK_DOWN, 0);
    TrackMenus(index);
    return true;
}
