#include "commands/full_screen_rules.h"
#include "commands/page_command_rules.h"
#include "resource.h"

#include <gtest/gtest.h>

using namespace brisova;

TEST(TextSizes, ZoomAndRadioPositionByCommand) {
    EXPECT_EQ(TextSizeFor(ID_FONT_LARGEST)->zoom, 4);
    EXPECT_EQ(TextSizeFor(ID_FONT_LARGEST)->radioPosition, 0);
    EXPECT_EQ(TextSizeFor(ID_FONT_MEDIUM)->zoom, 2);
    EXPECT_EQ(TextSizeFor(ID_FONT_SMALLEST)->zoom, 0);
    EXPECT_EQ(TextSizeFor(ID_FONT_SMALLEST)->radioPosition, 4);
    EXPECT_FALSE(TextSizeFor(ID_FONT_SMALLEST + 1));
    EXPECT_FALSE(TextSizeFor(ID_FONT_LARGEST - 1));
}

TEST(Charsets, EveryEncodingCommandHasItsName) {
    EXPECT_STREQ(CharsetFor(ID_ENCODING_FIRST), "us-ascii");
    EXPECT_STREQ(CharsetFor(33926), "iso-ir-58");
    EXPECT_STREQ(CharsetFor(ID_ENCODING_LAST), "utf-8");
    EXPECT_EQ(CharsetFor(ID_ENCODING_LAST + 1), nullptr);
    EXPECT_EQ(CharsetFor(ID_ENCODING_AUTO), nullptr);
}

TEST(ClearRecords, CookiesAndTemporaryFilesSplitTheCacheByTheCookieBit) {
    const std::uint32_t normal = 0x00000001, sticky = 0x00000004, cookie = 0x00100000 | normal;
    EXPECT_TRUE(CacheEntryBelongsTo(cookie, CacheRecords::Cookies));
    EXPECT_FALSE(CacheEntryBelongsTo(cookie, CacheRecords::TemporaryFiles));
    for (std::uint32_t type : {normal, sticky, 0u}) {
        EXPECT_FALSE(CacheEntryBelongsTo(type, CacheRecords::Cookies)) << type;
        EXPECT_TRUE(CacheEntryBelongsTo(type, CacheRecords::TemporaryFiles)) << type;
    }
    EXPECT_EQ(ToggledAutoDetect(std::nullopt), 1u);
    EXPECT_EQ(ToggledAutoDetect(0u), 1u);
    EXPECT_EQ(ToggledAutoDetect(7u), 0u);
    EXPECT_EQ(SearchPageAddress("C:\\Brisova\\"), "file://C:\\Brisova\\data\\search\\web.htm");
}

TEST(FullScreen, TheClientAreaCoversTheScreen) {
    ScreenRect desktop{0, 0, 1024, 768};
    ScreenRect frame{-4, -23, 4, 4};
    EXPECT_EQ(FullScreenRect(desktop, frame), (ScreenRect{-4, -23, 1028, 772}));
    EXPECT_EQ(FullScreenRect({100, 0, 900, 600}, {0, 0, 0, 0}), (ScreenRect{100, 0, 900, 600}));
}

TEST(FullScreen, BarsComeBackNearTheEdgesAndGoAwayAgain) {
    EdgeBarsInput in;
    in.frameBottom = 768;
    in.topBarsBottom = 60;
    in.bottomBarsTop = 720;
    EdgeBars none;

    in.cursorY = 14;
    EdgeBars top = NextEdgeBars(none, in);
    EXPECT_EQ(top, (EdgeBars{true, false, false}));
    in.cursorY = 75;  // 15 below the bar: still close enough
    EXPECT_EQ(NextEdgeBars(top, in), top);
    in.cursorY = 76;
    EXPECT_EQ(NextEdgeBars(top, in), none);
    in.cursorY = 15;  // not within the top 15 pixels
    EXPECT_EQ(NextEdgeBars(none, in), none);

    in.cursorY = 754;
    EdgeBars bottom = NextEdgeBars(none, in);
    EXPECT_EQ(bottom, (EdgeBars{false, true, true}));
    in.cursorY = 705;
    EXPECT_EQ(NextEdgeBars(bottom, in), bottom);
    in.cursorY = 704;
    EXPECT_EQ(NextEdgeBars(bottom, in), none);

    // "StatusBar" 0 and "TaskBar" 0 keep their bars away.
    in.cursorY = 760;
    in.statusBarWanted = false;
    EXPECT_EQ(NextEdgeBars(none, in), (EdgeBars{false, true, false}));
    in.tabsWanted = false;
    EXPECT_EQ(NextEdgeBars(none, in), none);
}
