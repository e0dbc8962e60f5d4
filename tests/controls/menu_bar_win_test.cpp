// The menu bar from the keyboard and the mouse under Wine: keys go through the frame's message
// pre-translation as the message loop passes them; while a menu is open a timer acts from
// inside the menu's own loop.
#include "support/app_fixture_win.h"

#include <deque>
#include <functional>

namespace {
MSG Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg{};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = ::GetTickCount();
    return msg;
}

// Runs one step per tick of a thread timer, also inside a menu's modal loop. Once the steps are
// done, a menu still open is closed, so a faulty bar fails instead of hanging.
class MenuScript {
public:
    explicit MenuScript(HWND owner) : owner_(owner) {
        Current() = this;
        timer_ = ::SetTimer(nullptr, 0, 40, &MenuScript::Tick);
    }
    ~MenuScript() {
        ::KillTimer(nullptr, timer_);
        Current() = nullptr;
    }
    MenuScript& Then(std::function<void()> step) {
        steps_.push_back(std::move(step));
        return *this;
    }
    bool completed() const { return steps_.empty() && !closedByForce_; }

private:
    static MenuScript*& Current() {
        static MenuScript* current = nullptr;
        return current;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        MenuScript* script = Current();
        if (!script) return;
        if (!script->steps_.empty()) {
            auto step = std::move(script->steps_.front());
            script->steps_.pop_front();
            step();
        } else if (OpenMenu()) {
            script->closedByForce_ = true;
            ::PostMessageA(script->owner_, WM_CANCELMODE, 0, 0);
        }
    }

    HWND owner_;
    UINT_PTR timer_ = 0;
    std::deque<std::function<void()>> steps_;
    bool closedByForce_ = false;

public:
    // The pop-up shown by the open menu window of this thread; null when none is open.
    static int OpenMenuCount() {
        int count = 0;
        ::EnumThreadWindows(
            ::GetCurrentThreadId(),
            [](HWND hwnd, LPARAM result) -> BOOL {
                char name[16] = {};
                ::GetClassNameA(hwnd, name, sizeof name);
                if (::IsWindowVisible(hwnd) && lstrcmpA(name, "#32768") == 0) ++*reinterpret_cast<int*>(result);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&count));
        return count;
    }
    static HMENU OpenMenu() {
        HMENU found = nullptr;
        ::EnumThreadWindows(
            ::GetCurrentThreadId(),
            [](HWND hwnd, LPARAM result) -> BOOL {
                char name[16] = {};
                ::GetClassNameA(hwnd, name, sizeof name);
                if (!::IsWindowVisible(hwnd) || lstrcmpA(name, "#32768") != 0) return TRUE;
                *reinterpret_cast<HMENU*>(result) = reinterpret_cast<HMENU>(::SendMessageA(hwnd, MN_GETHMENU, 0, 0));
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }
};
}  // namespace

class MenuBarKeyboard : public AppFixture {
protected:
    void SetUp() override {
        WriteSetting("EnableHomePage", "0");
        ASSERT_TRUE(Start());
    }
    void Key(UINT message, UINT key) {
        MSG msg = Message(frame().m_hWnd, message, key, message == WM_SYSKEYUP ? 0xC0000001 : 1);
        app_->PumpMessage(msg);
        PumpPending();
    }
    void AltAlone() {
        Key(WM_SYSKEYDOWN, VK_MENU);
        Key(WM_SYSKEYUP, VK_MENU);
    }
    CMenuBar& bar() { return frame().menuBar(); }
    int HotItem() { return static_cast<int>(bar().SendMessage(TB_GETHOTITEM)); }
    HMENU Popup(int index) { return ::GetSubMenu(bar().menu(), index); }
    POINT ButtonCentre(int index) {
        RECT r{};
        bar().SendMessage(TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ::ClientToScreen(bar().m_hWnd, &centre);
        return centre;
    }
};

TEST_F(MenuBarKeyboard, AltRightDownOpensTheSecondMenuAndEscComesBackToItsButton) {
    AltAlone();
    EXPECT_EQ(bar().keys().mode(), brisova::MenuBarMode::Keyboard);
    EXPECT_EQ(HotItem(), 0);
    Key(WM_KEYDOWN, VK_LEFT);
    EXPECT_EQ(HotItem(), bar().ButtonCount() - 1);
    Key(WM_KEYDOWN, VK_RIGHT);
    Key(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(HotItem(), 1);

    HMENU opened = nullptr;
    bool firstItemSelected = false;
    MenuScript script(frame().m_hWnd);
    script.Then([] {})  // the menu's first tick: its first item is being selected
        .Then([&] {
            opened = MenuScript::OpenMenu();
            firstItemSelected = (::GetMenuState(opened, 0, MF_BYPOSITION) & MF_HILITE) != 0;
            ::PostMessageA(frame().m_hWnd, WM_KEYDOWN, VK_ESCAPE, 1);
        });
    Key(WM_KEYDOWN, VK_DOWN);
    EXPECT_TRUE(script.completed());
    EXPECT_EQ(opened, Popup(1));
    EXPECT_TRUE(firstItemSelected);
    EXPECT_EQ(bar().keys().mode(), brisova::MenuBarMode::Keyboard);
    EXPECT_EQ(HotItem(), 1);

    Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(bar().keys().mode(), brisova::MenuBarMode::Idle);
    EXPECT_EQ(HotItem(), -1);
    AltAlone();
    AltAlone();
    EXPECT_EQ(bar().keys().mode(), brisova::MenuBarMode::Idle);
    EXPECT_EQ(HotItem(), -1);
}

TEST_F(MenuBarKeyboard, LeftInTheFirstMenuOpensTheLastAndClickingItsButtonClosesIt) {
    std::vector<HMENU> opened;
    MenuScript script(frame().m_hWnd);
    script.Then([&] {
              opened.push_back(MenuScript::OpenMenu());
              ::PostMessageA(frame().m_hWnd, WM_KEYDOWN, VK_LEFT, 1);
          })
        .Then([] {})
        .Then([&] {
            opened.push_back(MenuScript::OpenMenu());
            MSG click = Message(bar().m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
            click.pt = ButtonCentre(bar().ButtonCount() - 1);
            EXPECT_TRUE(bar().FilterMenuMessage(click));
        });
    // Alt+F, as the mnemonic of "&File".
    Key(WM_SYSKEYDOWN, 'F');
    EXPECT_TRUE(script.completed());
    EXPECT_EQ(opened, (std::vector<HMENU>{Popup(0), Popup(bar().ButtonCount() - 1)}));
    EXPECT_EQ(MenuScript::OpenMenu(), nullptr);
    EXPECT_EQ(bar().keys().mode(), brisova::MenuBarMode::Idle);
}

TEST_F(MenuBarKeyboard, WithThePageFocusedAltAndTheArrowsGoToTheMenuBar) {
    const std::string page = "http://a.example/";
    frame().OpenWindow(false, &page, true);
    HWND control = ActiveWindow()->view()->ControlWindow();
    ::SetFocus(control);
    // The keys as the system sends them: to the window with the focus.
    const auto key = [&](UINT message, UINT code) {
        MSG msg = Message(control, message, code, message == WM_SYSKEYUP ? 0xC0000001 : 1);
        app_->PumpMessage(msg);
        PumpPending();
    };
    key(WM_SYSKEYDOWN, VK_MENU);
    key(WM_SYSKEYUP, VK_MENU);
    ASSERT_EQ(bar().keys().mode(), brisova::MenuBarMode::Keyboard);
    key(WM_KEYDOWN, VK_RIGHT);
    key(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(HotItem(), 2);
    key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(bar().keys().mode(), brisova::MenuBarMode::Idle);
    // Out of the mode, the page has its keys again.
    key(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(bar().keys().mode(), brisova::MenuBarMode::Idle);
}

TEST_F(MenuBarKeyboard, AKeyOrAClickElsewhereEndsKeyboardMode) {
    AltAlone();
    Key(WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(bar().keys().mode(), brisova::MenuBarMode::Idle);
    AltAlone();
    MSG click = Message(frame().m_hWndMDIClient, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    app_->PumpMessage(click);
    EXPECT_EQ(bar().keys().mode(), brisova::MenuBarMode::Idle);
    // Alt with another key between is no "Alt alone".
    Key(WM_SYSKEYDOWN, VK_MENU);
    Key(WM_SYSKEYDOWN, VK_F5);
    Key(WM_SYSKEYUP, VK_MENU);
    EXPECT_EQ(bar().keys().mode(), brisova::MenuBarMode::Idle);
}

TEST_F(MenuBarKeyboard, InTheFileMenuRightOpensNewAndLeftClosesItWithoutLeavingFile) {
    std::vector<int> openMenus;
    std::vector<int> hot;
    auto record = [&] {
        openMenus.push_back(MenuScript::OpenMenuCount());
        hot.push_back(bar().keys().hot());
    };
    auto post = [&](UINT key) { ::PostMessageA(frame().m_hWnd, WM_KEYDOWN, key, 1); };
    MenuScript script(frame().m_hWnd);
    script.Then([&] { post(VK_RIGHT); })  // "&New" is selected: its cascade opens
        .Then(record)
        .Then([&] { post(VK_LEFT); })
        .Then(record)
        .Then([&] { post(VK_ESCAPE); });
    Key(WM_SYSKEYDOWN, 'F');
    EXPECT_TRUE(script.completed());
    EXPECT_EQ(openMenus, (std::vector<int>{2, 1}));
    EXPECT_EQ(hot, (std::vector<int>{0, 0}));
    EXPECT_EQ(bar().keys().mode(), brisova::MenuBarMode::Keyboard);
}

TEST_F(MenuBarKeyboard, ItemsWithoutTextGetNoButtonAndLongTextsStayWhole) {
    const std::string sixtyThree(63, 'm');
    const std::string longer = "&Long " + std::string(94, 'x');
    ScopedIconMenu menu(::CreateMenu());
    UINT position = 0;
    for (std::string text : {std::string("&First"), std::string(), sixtyThree, longer}) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_SUBMENU | (text.empty() ? 0 : MIIM_STRING);
        item.hSubMenu = ::CreatePopupMenu();
        item.dwTypeData = text.data();
        ::InsertMenuItemA(menu.get(), position++, TRUE, &item);
    }
    ScopedIconMenu previous = bar().SetMenu(std::move(menu));
    EXPECT_NE(previous.get(), nullptr);
    ASSERT_EQ(bar().ButtonCount(), 3);
    EXPECT_EQ(bar().ButtonText(0), "&First");
    EXPECT_EQ(bar().ButtonText(1), sixtyThree);
    EXPECT_EQ(bar().ButtonText(2), longer);
    TBBUTTON button{};
    bar().SendMessage(TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(button.idCommand, 2);
    // The menu goes back; "&File" shares the string it had before.
    bar().SetMenu(std::move(previous));
    EXPECT_EQ(bar().ButtonText(0), "&File");
    EXPECT_EQ(bar().keys().buttons(), bar().ButtonCount());
}
