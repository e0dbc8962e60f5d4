#include "platform/profile.h"

#include <gtest/gtest.h>

using namespace brisova;

TEST(ProfileBinary, EncodesLowNibbleFirst) {
    EXPECT_EQ(EncodeProfileBinary({0x4E}), "OE");
    EXPECT_EQ(EncodeProfileBinary({0x00, 0xFF}), "AAPP");
    EXPECT_EQ(EncodeProfileBinary({}), "");
}

TEST(ProfileBinary, RoundTripsEveryByte) {
    Bytes all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<std::uint8_t>(b));
    EXPECT_EQ(DecodeProfileBinary(EncodeProfileBinary(all)), all);
}

TEST(ProfileBinary, DamagedOrEmptyTextIsNoValue) {
    EXPECT_FALSE(DecodeProfileBinary(""));
    EXPECT_FALSE(DecodeProfileBinary("OEZZ"));
    EXPECT_FALSE(DecodeProfileBinary("oe"));
    // A dangling letter is not half a byte.
    EXPECT_EQ(DecodeProfileBinary("OEA"), Bytes{0x4E});
}

TEST(ProfileInt, ReadsLikeTheSystemDoes) {
    EXPECT_EQ(ParseProfileInt("12"), 12);
    EXPECT_EQ(ParseProfileInt("  -1"), -1);
    EXPECT_EQ(ParseProfileInt("3abc"), 3);
    EXPECT_EQ(ParseProfileInt("abc"), 0);
    EXPECT_EQ(ParseProfileInt("99999999999999"), 2147483647);
}

TEST(MemoryProfile, KeysIgnoreCaseAndDefaultsApplyWhenAbsent) {
    MemoryProfile p;
    EXPECT_EQ(p.ReadInt("Settings", "ToolBar", 7), 7);
    p.WriteInt("Settings", "ToolBar", 0);
    EXPECT_EQ(p.ReadInt("settings", "toolbar", 7), 0);
    p.WriteBinary("Settings", "lastvisit", {});
    EXPECT_TRUE(p.Has("Settings", "lastvisit"));
    EXPECT_FALSE(p.ReadBinary("Settings", "lastvisit"));
}
