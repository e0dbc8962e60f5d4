#include "controls/menu_letter.h"

#include <cctype>

namespace brisova {

namespace {
char Folded(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// The letter an item answers to: its mnemonic, else its first character; 0 for none.
char LetterOf(const std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return Folded(text[i + 1]);
    }
    return text.empty() ? 0 : Folded(text[0]);
}
}  // namespace

std::optional<MenuLetterChoice> ChooseMenuItemByLetter(const std::vector<std::string>& texts, int current,
                                                       char letter) {
    const auto wanted = static_cast<unsigned char>(letter);
    if (wanted == 0 || wanted >= 0x80) return std::nullopt;
    const char folded = Folded(letter);
    const int count = static_cast<int>(texts.size());
    std::optional<int> first;
    int matches = 0;
    for (int step = 1; step <= count; ++step) {
        const int index = ((current < 0 ? -1 : current) + step) % count;
        if (texts[static_cast<std::size_t>(index)].empty() || LetterOf(texts[static_cast<std::size_t>(index)]) != folded)
            continue;
        if (!first) first = index;
        ++matches;
    }
    if (!first) return std::nullopt;
    return MenuLetterChoice{*first, matches == 1};
}

}  // namespace brisova
