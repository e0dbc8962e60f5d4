// Choosing an owner-drawn menu item by a typed letter. The system matches the "&" mnemonics of
// the items it draws itself; for items the program draws it asks the owner (WM_MENUCHAR).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace brisova {

struct MenuLetterChoice {
    int index = 0;
    // The only item the letter stands for: it runs at once, as a mnemonic does.
    bool execute = false;

    friend bool operator==(const MenuLetterChoice&, const MenuLetterChoice&) = default;
};

// The item a letter (ASCII, any case) goes to: the next one after `current` (-1 for none),
// wrapping, whose "&" mnemonic is the letter or, without a mnemonic, whose text starts with it.
// Empty texts are items the system draws and matches itself. Nothing when no item matches.
std::optional<MenuLetterChoice> ChooseMenuItemByLetter(const std::vector<std::string>& texts, int current,
                                                       char letter);

}  // namespace brisova
