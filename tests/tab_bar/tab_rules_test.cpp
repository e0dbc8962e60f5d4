#include "tab_bar/tab_rules.h"

#include <gtest/gtest.h>

using namespace brisova;

TEST(TabText, TitleElseAddressAtMost100) {
    EXPECT_EQ(TabText("Title", "http://a/"), "Title");
    EXPECT_EQ(TabText("", "http://a/"), "http://a/");
    EXPECT_EQ(TabText(std::string(150, 'x'), "a"), std::string(100, 'x'));
    std::string cyrillic;
    for (int i = 0; i < 150; ++i) cyrillic += "Ж";
    EXPECT_EQ(TabText(cyrillic, "a"), cyrillic.substr(0, 200));
}

TEST(TabBand, RowsAndRowHeight) {
    EXPECT_EQ(TabBandHeight(22, 1), 22);
    EXPECT_EQ(TabBandHeight(22, 2), 50);
    EXPECT_EQ(TabBandHeight(0, 0), 20);
    EXPECT_EQ(TabBandHeight(22, 3), 75);
    // At 150 %: the tabs' own height, and the gap and the unknown height scaled.
    EXPECT_EQ(TabBandHeight(33, 2, 144), 2 * (33 + 5));
    EXPECT_EQ(TabBandHeight(0, 1, 144), 30);
}
