#include "controls/menu_bar_win.h"

#include <algorithm>

#include "platform/ui_fonts_win.h"
#include "platform/window_dpi_win.h"
#include <string>

namespace {
// The menu bar whose menu is open; the message-filter hook reaches it through this.
CMenuBar* t_tracking = nullptr;
HHOOK t_hook = nullptr;
// The top-level pop-up that is open.
HMENU t_openPopup = nullptr;

BOOL CALLBACK CountMenuWindow(HWND hwnd, LPARAM count) {
    char name[16] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    if (::IsWindowVisible(hwnd) && lstrcmpA(name, "#32768") == 0) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// The open menu and its open cascades.
int OpenMenuCount() {
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountMenuWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

int SelectedItem(HMENU menu) {
    int items = ::GetMenuItemCount(menu);
    for (int i = 0; i < items; ++i)
        if (::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) return i;
    return -1;
}

// Whether the selected item of the deepest open menu opens a cascade of its own.
bool SelectionHasCascade(HMENU popup, int openMenus) {
    HMENU menu = popup;
    for (int depth = 1; menu && depth < openMenus; ++depth) {
        int selected = SelectedItem(menu);
        menu = selected >= 0 ? ::GetSubMenu(menu, selected) : nullptr;
    }
    int selected = menu ? SelectedItem(menu) : -1;
    return selected >= 0 && ::GetSubMenu(menu, selected) != nullptr;
}

brisova::MenuBarKey KeyOf(WPARAM key) {
    switch (key) {
    case VK_LEFT: return brisova::MenuBarKey::Left;
    case VK_RIGHT: return brisova::MenuBarKey::Right;
    case VK_HOME: return brisova::MenuBarKey::Home;
    case VK_END: return brisova::MenuBarKey::End;
    case VK_UP: return brisova::MenuBarKey::Up;
    case VK_DOWN: return brisova::MenuBarKey::Down;
    case VK_SPACE: return brisova::MenuBarKey::Space;
    case VK_RETURN: return brisova::MenuBarKey::Enter;
    case VK_ESCAPE: return brisova::MenuBarKey::Escape;
    default: return brisova::MenuBarKey::Other;
    }
}

bool IsLetterOrDigit(WPARAM key) {
    return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
}

bool IsButtonPress(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN: return true;
    default: return false;
    }
}
}  // namespace

const MessageMap* CMenuBar::ThisMessageMap() {
    static const MessageEntry entries[] = {
        MessageHandler<WM_LBUTTONDOWN, &CMenuBar::OnLeftButtonDown>(),
        MessageHandler<WM_MOUSEMOVE, &CMenuBar::OnMouseMove>(),
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

void CMenuBar::DpiChanged() {
    SetMenuFont();
    // The buttons are measured again for the new font's texts.
    SendMessage(TB_AUTOSIZE);
}

void CMenuBar::SetMenuFont() {
    ScopedFont font = MakeUiFont(UiFont::Menu, WindowDpi(m_hWnd));
    if (!font) return;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font);
}

bool CMenuBar::LoadMenu(UINT resourceId) {
    ScopedIconMenu menu(::LoadMenuA(ResourceInstance(), MAKEINTRESOURCEA(resourceId)));
    if (!menu) return false;
    SetMenu(std::move(menu));
    return true;
}

ScopedIconMenu CMenuBar::SetMenu(ScopedIconMenu menu) {
    ScopedIconMenu previous = std::move(menu_);
    menu_ = std::move(menu);
    while (SendMessage(TB_BUTTONCOUNT) > 0) SendMessage(TB_DELETEBUTTON, 0);
    buttonCount_ = 0;
    const int items = menu_ ? ::GetMenuItemCount(menu_.get()) : 0;
    for (int i = 0; i < items; ++i) {
        int length = ::GetMenuStringA(menu_.get(), i, nullptr, 0, MF_BYPOSITION);
        if (length <= 0) continue;
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        text.resize(static_cast<std::size_t>(
            ::GetMenuStringA(menu_.get(), i, text.data(), static_cast<int>(text.size()), MF_BYPOSITION)));
        if (text.empty()) continue;
        auto known = std::find_if(addedStrings_.begin(), addedStrings_.end(),
                                  [&](const auto& added) { return added.first == text; });
        INT_PTR stringIndex = 0;
        if (known != addedStrings_.end()) {
            stringIndex = known->second;
        } else {
            // The string list ends with a second NUL.
            std::string list = text + '\0';
            stringIndex = SendMessage(TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(list.c_str()));
            addedStrings_.emplace_back(text, stringIndex);
        }
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
    keys_.SetButtonCount(buttonCount_);
    ShowHot();
    return previous;
}

std::string CMenuBar::ButtonText(int index) const {
    TBBUTTON button{};
    if (!SendMessage(TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button))) return {};
    LRESULT length = SendMessage(TB_GETBUTTONTEXTA, button.idCommand, 0);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessage(TB_GETBUTTONTEXTA, button.idCommand, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
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

void CMenuBar::ShowHot() const {
    if (m_hWnd) SendMessage(TB_SETHOTITEM, static_cast<WPARAM>(keys_.mode() == brisova::MenuBarMode::Idle ? -1 : keys_.hot()));
}

LRESULT CMenuBar::OnLeftButtonDown(WPARAM, LPARAM lParam) {
    int index = ButtonAt(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
    if (index < 0) return Default();
    TrackMenus(index, false);
    return 0;
}

LRESULT CMenuBar::OnMouseMove(WPARAM, LPARAM lParam) {
    LRESULT result = Default();
    if (keys_.mode() == brisova::MenuBarMode::Keyboard) {
        int over = ButtonAt(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        if (over >= 0 && over != keys_.hot()) keys_.MouseOver(over);
        // The tool bar's own hot tracking would otherwise let go of the keyboard's button.
        ShowHot();
    }
    return result;
}

void CMenuBar::TrackMenus(int index, bool fromKeyboard) {
    while (index >= 0 && index < buttonCount_) {
        TBBUTTON button{};
        SendMessage(TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button));
        SendMessage(TB_PRESSBUTTON, button.idCommand, TRUE);
        SendMessage(TB_SETHOTITEM, static_cast<WPARAM>(-1));
        ::UpdateWindow(m_hWnd);
        RECT r{};
        SendMessage(TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
        HMENU popup = ::GetSubMenu(menu_.get(), button.idCommand);

        // The menu opens with its first item selected, as a keyboard user expects.
        if (fromKeyboard) {
            ::PostMessageA(owner_, WM_KEYDOWN, VK_DOWN, 0);
            ::PostMessageA(owner_, WM_KEYUP, VK_DOWN, 0xC0000001);
        }
        keys_.MenuOpened(index);
        nextByKeyboard_ = false;
        mouseToIgnore_ = 2;
        ::GetCursorPos(&lastMouse_);
        t_tracking = this;
        t_openPopup = popup;
        t_hook = ::SetWindowsHookExA(WH_MSGFILTER, &CMenuBar::MenuFilter, nullptr, ::GetCurrentThreadId());
        if (!t_hook) t_hook = ::SetWindowsHookExA(WH_MSGFILTER, &CMenuBar::MenuFilter, nullptr, ::GetCurrentThreadId());
        if (popup) ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL, r.left, r.bottom, 0, owner_,
                                    nullptr);
        if (t_hook) ::UnhookWindowsHookEx(t_hook);
        t_hook = nullptr;
        t_tracking = nullptr;
        t_openPopup = nullptr;

        SendMessage(TB_PRESSBUTTON, button.idCommand, FALSE);
        index = keys_.MenuClosed();
        fromKeyboard = nextByKeyboard_;
        ShowHot();
        ::UpdateWindow(m_hWnd);
    }
}

void CMenuBar::CloseOpenMenu(int next, bool byKeyboard) {
    keys_.FollowWith(next);
    nextByKeyboard_ = byKeyboard;
    ::PostMessageA(owner_, WM_CANCELMODE, 0, 0);
}

LRESULT CALLBACK CMenuBar::MenuFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_MENU && t_tracking && t_tracking->FilterMenuMessage(*reinterpret_cast<MSG*>(lParam)))
        return TRUE;
    return ::CallNextHookEx(t_hook, code, wParam, lParam);
}

bool CMenuBar::FilterMenuMessage(const MSG& msg) {
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT)) {
        int openMenus = OpenMenuCount();
        brisova::MenuArrowAnswer answer =
            keys_.ArrowInMenu(msg.wParam == VK_RIGHT, openMenus, SelectionHasCascade(t_openPopup, openMenus));
        if (answer.forMenu) return false;
        CloseOpenMenu(answer.next, true);
        return true;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
        keys_.EscapeInMenu(OpenMenuCount());
        return false;
    }
    if (msg.message == WM_MOUSEMOVE) {
        if (mouseToIgnore_ > 0) {
            --mouseToIgnore_;
            return false;
        }
        if (msg.pt.x == lastMouse_.x && msg.pt.y == lastMouse_.y) return false;
        lastMouse_ = msg.pt;
        POINT client = msg.pt;
        ::ScreenToClient(m_hWnd, &client);
        int over = ButtonAt(client);
        RECT bar = GetClientRect();
        if (over >= 0 && over != keys_.hot() && ::PtInRect(&bar, client)) {
            CloseOpenMenu(over, false);
            return true;
        }
    }
    if (msg.message == WM_LBUTTONDOWN) {
        POINT client = msg.pt;
        ::ScreenToClient(m_hWnd, &client);
        RECT bar = GetClientRect();
        if (::PtInRect(&bar, client) && ButtonAt(client) == keys_.hot()) {
            CloseOpenMenu(-1, false);
            return true;
        }
    }
    return false;
}

bool CMenuBar::OpenByMnemonic(UINT key) {
    if (!IsLetterOrDigit(key)) return false;
    UINT command = 0;
    if (!SendMessage(TB_MAPACCELERATORA, key, reinterpret_cast<LPARAM>(&command))) return false;
    int index = static_cast<int>(SendMessage(TB_COMMANDTOINDEX, command));
    if (index < 0) return false;
    TrackMenus(index, true);
    return true;
}

bool CMenuBar::TranslateFrameMessage(MSG* msg) {
    if (!m_hWnd || buttonCount_ == 0) return false;
    const auto key = static_cast<UINT>(msg->wParam);
    switch (msg->message) {
    case WM_SYSKEYDOWN:
        if (key == VK_MENU) {
            // A held Alt repeats; only its first press starts a new "Alt alone".
            if (!(msg->lParam & (1 << 30))) altAlone_ = true;
            return false;
        }
        altAlone_ = false;
        // F10 enters the keyboard mode as Alt pressed alone does, and leaves it again.
        if (key == VK_F10 && ::GetKeyState(VK_SHIFT) >= 0) {
            keys_.AltReleasedAlone();
            ShowHot();
            return true;
        }
        return OpenByMnemonic(key);
    case WM_SYSKEYUP:
        if (key != VK_MENU || !altAlone_) return false;
        altAlone_ = false;
        keys_.AltReleasedAlone();
        ShowHot();
        return true;
    case WM_KEYDOWN: {
        altAlone_ = false;
        if (keys_.mode() != brisova::MenuBarMode::Keyboard) return false;
        if (OpenByMnemonic(key)) return true;
        brisova::KeyboardModeAnswer answer = keys_.KeyInKeyboardMode(KeyOf(key));
        ShowHot();
        if (answer == brisova::KeyboardModeAnswer::OpenHot) TrackMenus(keys_.hot(), true);
        return answer != brisova::KeyboardModeAnswer::NotMine;
    }
    default:
        if (IsButtonPress(msg->message)) {
            altAlone_ = false;
            if (msg->hwnd != m_hWnd && keys_.mode() == brisova::MenuBarMode::Keyboard) {
                keys_.ClickElsewhere();
                ShowHot();
            }
        }
        return false;
    }
}
