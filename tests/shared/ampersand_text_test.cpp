#include "shared/ampersand_text.h"

#include <gtest/gtest.h>

using namespace brisova;

TEST(AmpersandText, DoubledForTheControlsAndReadBackSingle) {
    EXPECT_EQ(DoubleAmpersands("Fish & Chips"), "Fish && Chips");
    EXPECT_EQ(DoubleAmpersands("&&"), "&&&&");
    for (std::string text : {"Fish & Chips", "&&", "&", "a&&&b", "plain"})
        EXPECT_EQ(SingleAmpersands(DoubleAmpersands(text)), text);
}
