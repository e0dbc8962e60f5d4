// "&Block Unwanted Pop-up Pages" and the Tools menu under Wine.
#include "support/app_fixture_win.h"

#include "commands/popup_commands_win.h"
#include "resource.h"

class PopupCommands : public AppFixture {
protected:
    static int ItemCount(HMENU menu) { return ::GetMenuItemCount(menu); }
};

TEST_F(PopupCommands, TheSwitchFlipsTheSettingAndEveryOpenWindow) {
    WriteSetting("EnableHomePage", "0");
    ASSERT_TRUE(Start());
    const int& enableAutoFilter = frame().settings().enableAutoFilter;
    Command(ID_FILE_NEW_BLANK);
    Command(ID_FILE_NEW_BLANK);
    ASSERT_EQ(Windows().size(), 2u);

    Command(ID_BLOCK_POPUPS);
    EXPECT_EQ(enableAutoFilter, 0);
    for (CChildFrame* window : Windows()) EXPECT_FALSE(window->view()->options().blockPopups);

    Command(ID_BLOCK_POPUPS);
    EXPECT_EQ(enableAutoFilter, 1);
    for (CChildFrame* window : Windows()) EXPECT_TRUE(window->view()->options().blockPopups);
}

TEST_F(PopupCommands, TheToolsMenuKeepsOnlyItsOwnEightItems) {
    ScopedMenu menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)));
    ASSERT_TRUE(menu);
    HMENU file = ::GetSubMenu(menu.get(), 0);
    HMENU tools = ::GetSubMenu(menu.get(), 6);
    ASSERT_EQ(ItemCount(tools), 8);
    int fileItems = ItemCount(file);

    CPopupCommands::TrimToolsMenu(tools);
    EXPECT_EQ(ItemCount(tools), 8);
    for (HMENU popup : {tools, file}) {
        ::AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(popup, MF_STRING, 0xFF00, "&1 about:blank");
        ::AppendMenuA(popup, MF_STRING, 0xFF01, "&2 http://a.example/");
    }
    CPopupCommands::TrimToolsMenu(tools);
    CPopupCommands::TrimToolsMenu(file);
    EXPECT_EQ(ItemCount(tools), 8);
    EXPECT_EQ(::GetMenuItemID(tools, 7), static_cast<UINT>(ID_INTERNET_OPTIONS));
    EXPECT_EQ(ItemCount(file), fileItems + 3);
}
