// The menu bar's keyboard and menu modes, apart from any window: which button is hot, which menu
// opens next, and what each key does. Pressing and releasing Alt alone enters keyboard mode with
// the first button hot; the arrows move it; Down, Up, Space, Enter or a mnemonic open its menu;
// Esc in an open menu comes back to keyboard mode on the same button; Esc or Alt leave.
#pragma once

namespace brisova {

enum class MenuBarMode { Idle, Keyboard, MenuOpen };

enum class MenuBarKey { Left, Right, Home, End, Up, Down, Space, Enter, Escape, Other };

// What a key in keyboard mode asks the bar to do.
enum class KeyboardModeAnswer {
    NotMine,  // not consumed; keyboard mode has ended if the key was not for the bar
    Moved,    // consumed; the hot button changed (or stayed)
    Ended,    // consumed; keyboard mode ended
    OpenHot,  // consumed; the hot button's menu should open
};

// What Left or Right do while a menu is open.
struct MenuArrowAnswer {
    bool forMenu = false;  // the open menu handles the key (a cascade opens or closes)
    int next = -1;         // else: close the open menu and open this one
};

class MenuBarKeys {
public:
    explicit MenuBarKeys(int buttons = 0) : buttons_(buttons) {}

    // A new menu: back to idle, nothing hot.
    void SetButtonCount(int buttons);
    int buttons() const { return buttons_; }
    MenuBarMode mode() const { return mode_; }
    // The hot button, -1 for none (always none when idle).
    int hot() const { return hot_; }

    // Alt pressed and released with no key or click between: idle and keyboard mode swap;
    // nothing happens while a menu is open.
    void AltReleasedAlone();
    KeyboardModeAnswer KeyInKeyboardMode(MenuBarKey key);
    // The mouse over button `index` in keyboard mode makes it hot.
    void MouseOver(int index);
    // A click anywhere but in the open menu or on the bar ends keyboard mode.
    void ClickElsewhere();

    // Menu `index` opens: it is hot, nothing follows it yet, Esc has not been pressed.
    void MenuOpened(int index);
    // Left or Right in the open menu. `openMenus` counts the menu and its open cascades;
    // `selectionHasCascade` says whether the deepest menu's selected item opens one.
    MenuArrowAnswer ArrowInMenu(bool right, int openMenus, bool selectionHasCascade);
    // Esc in the open menu; in a cascade it only closes the cascade.
    void EscapeInMenu(int openMenus) {
        if (openMenus <= 1) escaped_ = true;
    }
    // The open menu should close and `index` open next (-1: none).
    void FollowWith(int index) { next_ = index; }
    // The open menu has closed: keyboard mode on its button after Esc, else idle. Returns the
    // menu to open next, or -1.
    int MenuClosed();

private:
    int Wrap(int index) const;

    int buttons_;
    MenuBarMode mode_ = MenuBarMode::Idle;
    int hot_ = -1;
    int next_ = -1;
    bool escaped_ = false;
};

}  // namespace brisova
