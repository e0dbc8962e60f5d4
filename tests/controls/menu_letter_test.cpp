#include "controls/menu_letter.h"

#include <gtest/gtest.h>

using namespace brisova;

TEST(MenuLetter, TheNextItemStartingWithTheLetterWrappingAndAUniqueOneRuns) {
    const std::vector<std::string> texts{"", "apple", "Banana", "avocado", "cherry"};
    EXPECT_EQ(ChooseMenuItemByLetter(texts, -1, 'a'), (MenuLetterChoice{1, false}));
    EXPECT_EQ(ChooseMenuItemByLetter(texts, 1, 'A'), (MenuLetterChoice{3, false}));
    EXPECT_EQ(ChooseMenuItemByLetter(texts, 3, 'a'), (MenuLetterChoice{1, false}));
    EXPECT_EQ(ChooseMenuItemByLetter(texts, 2, 'b'), (MenuLetterChoice{2, true}));
    EXPECT_FALSE(ChooseMenuItemByLetter(texts, 0, 'z'));
    EXPECT_FALSE(ChooseMenuItemByLetter({}, -1, 'a'));
    // Items the system draws (no text here) are its own to match.
    EXPECT_FALSE(ChooseMenuItemByLetter({"", ""}, -1, 'a'));
}

TEST(MenuLetter, AMnemonicWinsOverTheFirstLetterAndDoubledAmpersandsAreText) {
    const std::vector<std::string> texts{"News &Site", "Salt && Pepper", "&&Co", "s&hop"};
    EXPECT_EQ(ChooseMenuItemByLetter(texts, -1, 's'), (MenuLetterChoice{0, false}));
    EXPECT_EQ(ChooseMenuItemByLetter(texts, 0, 's'), (MenuLetterChoice{1, false}));
    EXPECT_FALSE(ChooseMenuItemByLetter(texts, -1, 'n'));
    EXPECT_EQ(ChooseMenuItemByLetter(texts, -1, '&'), (MenuLetterChoice{2, true}));
    EXPECT_EQ(ChooseMenuItemByLetter(texts, -1, 'h'), (MenuLetterChoice{3, true}));
    // Letters beyond ASCII are not guessed at.
    EXPECT_FALSE(ChooseMenuItemByLetter({"\xD0\x96"}, -1, '\xD0'));
}
