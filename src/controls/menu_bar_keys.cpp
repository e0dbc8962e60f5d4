#include "controls/menu_bar_keys.h"

namespace brisova {

void MenuBarKeys::SetButtonCount(int buttons) {
    buttons_ = buttons < 0 ? 0 : buttons;
    mode_ = MenuBarMode::Idle;
    hot_ = -1;
    next_ = -1;
}

int MenuBarKeys::Wrap(int index) const {
    if (buttons_ <= 0) return -1;
    return ((index % buttons_) + buttons_) % buttons_;
}

void MenuBarKeys::AltReleasedAlone() {
    if (mode_ == MenuBarMode::Idle && buttons_ > 0) {
        mode_ = MenuBarMode::Keyboard;
        hot_ = 0;
    } else if (mode_ == MenuBarMode::Keyboard) {
        mode_ = MenuBarMode::Idle;
        hot_ = -1;
    }
}

KeyboardModeAnswer MenuBarKeys::KeyInKeyboardMode(MenuBarKey key) {
    if (mode_ != MenuBarMode::Keyboard) return KeyboardModeAnswer::NotMine;
    switch (key) {
    case MenuBarKey::Left: hot_ = Wrap(hot_ - 1); return KeyboardModeAnswer::Moved;
    case MenuBarKey::Right: hot_ = Wrap(hot_ + 1); return KeyboardModeAnswer::Moved;
    case MenuBarKey::Home: hot_ = 0; return KeyboardModeAnswer::Moved;
    case MenuBarKey::End: hot_ = buttons_ - 1; return KeyboardModeAnswer::Moved;
    case MenuBarKey::Up:
    case MenuBarKey::Down:
    case MenuBarKey::Space:
    case MenuBarKey::Enter: return KeyboardModeAnswer::OpenHot;
    case MenuBarKey::Escape:
        ClickElsewhere();
        return KeyboardModeAnswer::Ended;
    case MenuBarKey::Other: break;
    }
    // Any other key goes where it was typed, and the bar lets go of the keyboard.
    ClickElsewhere();
    return KeyboardModeAnswer::NotMine;
}

void MenuBarKeys::MouseOver(int index) {
    if (mode_ == MenuBarMode::Keyboard && index >= 0 && index < buttons_) hot_ = index;
}

void MenuBarKeys::ClickElsewhere() {
    if (mode_ == MenuBarMode::MenuOpen) return;
    mode_ = MenuBarMode::Idle;
    hot_ = -1;
}

void MenuBarKeys::MenuOpened(int index) {
    mode_ = MenuBarMode::MenuOpen;
    hot_ = index;
    next_ = -1;
    escaped_ = false;
}

MenuArrowAnswer MenuBarKeys::ArrowInMenu(bool right, int openMenus, bool selectionHasCascade) {
    // Inside a cascade Left closes it; Right opens the cascade of the selected item. Only at
    // the edge of the menu tree do the arrows move along the bar.
    if (!right && openMenus > 1) return {true, -1};
    if (right && selectionHasCascade) return {true, -1};
    next_ = Wrap(hot_ + (right ? 1 : -1));
    return {false, next_};
}

int MenuBarKeys::MenuClosed() {
    int next = next_;
    next_ = -1;
    if (escaped_ && next < 0) {
        mode_ = MenuBarMode::Keyboard;
    } else {
        mode_ = MenuBarMode::Idle;
        if (next < 0) hot_ = -1;
    }
    escaped_ = false;
    return next;
}

}  // namespace brisova
