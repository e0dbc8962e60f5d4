#include "controls/menu_bar_keys.h"

#include <gtest/gtest.h>

using namespace brisova;

namespace {
constexpr int kButtons = 9;

MenuBarKeys InKeyboardMode() {
    MenuBarKeys keys(kButtons);
    keys.AltReleasedAlone();
    return keys;
}
}  // namespace

TEST(MenuBarKeys, AltAloneEntersKeyboardModeOnTheFirstButtonAndAltAgainLeaves) {
    MenuBarKeys keys(kButtons);
    EXPECT_EQ(keys.mode(), MenuBarMode::Idle);
    keys.AltReleasedAlone();
    EXPECT_EQ(keys.mode(), MenuBarMode::Keyboard);
    EXPECT_EQ(keys.hot(), 0);
    keys.AltReleasedAlone();
    EXPECT_EQ(keys.mode(), MenuBarMode::Idle);
    EXPECT_EQ(keys.hot(), -1);

    MenuBarKeys empty(0);
    empty.AltReleasedAlone();
    EXPECT_EQ(empty.mode(), MenuBarMode::Idle);
}

TEST(MenuBarKeys, ArrowsHomeAndEndMoveTheHotButtonAroundTheBar) {
    MenuBarKeys keys = InKeyboardMode();
    EXPECT_EQ(keys.KeyInKeyboardMode(MenuBarKey::Left), KeyboardModeAnswer::Moved);
    EXPECT_EQ(keys.hot(), kButtons - 1);
    keys.KeyInKeyboardMode(MenuBarKey::Right);
    EXPECT_EQ(keys.hot(), 0);
    keys.KeyInKeyboardMode(MenuBarKey::End);
    EXPECT_EQ(keys.hot(), kButtons - 1);
    keys.KeyInKeyboardMode(MenuBarKey::Home);
    keys.KeyInKeyboardMode(MenuBarKey::Right);
    EXPECT_EQ(keys.hot(), 1);
    keys.MouseOver(4);
    EXPECT_EQ(keys.hot(), 4);
    keys.MouseOver(kButtons);
    EXPECT_EQ(keys.hot(), 4);
    EXPECT_EQ(keys.mode(), MenuBarMode::Keyboard);
}

TEST(MenuBarKeys, OpeningKeysOpenTheHotMenuAndOtherKeysOrClicksLetGo) {
    for (MenuBarKey key : {MenuBarKey::Down, MenuBarKey::Up, MenuBarKey::Enter, MenuBarKey::Space}) {
        MenuBarKeys keys = InKeyboardMode();
        EXPECT_EQ(keys.KeyInKeyboardMode(key), KeyboardModeAnswer::OpenHot);
    }
    MenuBarKeys escaped = InKeyboardMode();
    EXPECT_EQ(escaped.KeyInKeyboardMode(MenuBarKey::Escape), KeyboardModeAnswer::Ended);
    EXPECT_EQ(escaped.mode(), MenuBarMode::Idle);
    EXPECT_EQ(escaped.hot(), -1);

    MenuBarKeys typed = InKeyboardMode();
    EXPECT_EQ(typed.KeyInKeyboardMode(MenuBarKey::Other), KeyboardModeAnswer::NotMine);
    EXPECT_EQ(typed.mode(), MenuBarMode::Idle);
    // Keys reach the bar only in keyboard mode.
    EXPECT_EQ(typed.KeyInKeyboardMode(MenuBarKey::Down), KeyboardModeAnswer::NotMine);

    MenuBarKeys clicked = InKeyboardMode();
    clicked.ClickElsewhere();
    EXPECT_EQ(clicked.mode(), MenuBarMode::Idle);
}

TEST(MenuBarKeys, EscInTheOpenMenuComesBackToKeyboardModeOnItsButton) {
    MenuBarKeys keys = InKeyboardMode();
    keys.KeyInKeyboardMode(MenuBarKey::Right);
    keys.MenuOpened(keys.hot());
    // Alt and clicks elsewhere are the open menu's business.
    keys.AltReleasedAlone();
    keys.ClickElsewhere();
    EXPECT_EQ(keys.mode(), MenuBarMode::MenuOpen);
    // Esc in a cascade only closes the cascade.
    keys.EscapeInMenu(2);
    keys.EscapeInMenu(1);
    EXPECT_EQ(keys.MenuClosed(), -1);
    EXPECT_EQ(keys.mode(), MenuBarMode::Keyboard);
    EXPECT_EQ(keys.hot(), 1);

    // A menu closed by a choice or a click ends in the idle mode.
    keys.MenuOpened(1);
    keys.EscapeInMenu(2);
    EXPECT_EQ(keys.MenuClosed(), -1);
    EXPECT_EQ(keys.mode(), MenuBarMode::Idle);
    EXPECT_EQ(keys.hot(), -1);
}

TEST(MenuBarKeys, ArrowsInAnOpenMenuSwitchMenusOnlyAtTheTopLevel) {
    MenuBarKeys keys(kButtons);
    keys.MenuOpened(0);
    MenuArrowAnswer left = keys.ArrowInMenu(false, 1, false);
    EXPECT_FALSE(left.forMenu);
    EXPECT_EQ(left.next, kButtons - 1);
    EXPECT_EQ(keys.MenuClosed(), kButtons - 1);

    keys.MenuOpened(kButtons - 1);
    EXPECT_EQ(keys.ArrowInMenu(true, 1, false).next, 0);
    keys.MenuClosed();

    // File > New: Right on "New" opens its cascade, Left inside it closes the cascade.
    keys.MenuOpened(0);
    EXPECT_TRUE(keys.ArrowInMenu(true, 1, true).forMenu);
    EXPECT_TRUE(keys.ArrowInMenu(false, 2, false).forMenu);
    // Right on a plain item of the cascade moves on to the next menu.
    EXPECT_EQ(keys.ArrowInMenu(true, 2, false).next, 1);
    EXPECT_EQ(keys.MenuClosed(), 1);
    EXPECT_EQ(keys.MenuClosed(), -1);
}
