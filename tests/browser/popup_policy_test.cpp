#include "browser/popup_policy.h"

#include <gtest/gtest.h>

using namespace brisova;
using namespace std::chrono_literals;

namespace {
constexpr const char* kWebPage = "http://example.test/page.htm";

struct PopupTest : ::testing::Test {
    ManualTickClock clock;
    UserActionMarkers markers;

    NewWindowVerdict Ask(std::string_view page = kWebPage, bool blocking = true) {
        return DecideNewWindow(page, blocking, markers, clock);
    }
};

constexpr auto kAllow = NewWindowVerdict::Allow;
constexpr auto kBlock = NewWindowVerdict::Block;
}  // namespace

TEST_F(PopupTest, LeftClickJustifiesOneSecondEnterOrRightClickFive) {
    markers.MarkLeftClick(clock.Now());
    clock.Advance(3s);
    EXPECT_EQ(Ask(), kBlock);
    markers.MarkLeftClick(clock.Now());
    clock.Advance(1s);
    EXPECT_EQ(Ask(), kAllow);

    markers.MarkKeyOrRightClick(clock.Now());
    clock.Advance(3s);
    EXPECT_EQ(Ask(), kAllow);
    markers.MarkKeyOrRightClick(clock.Now());
    clock.Advance(5s);
    clock.AdvanceTicks(1);
    EXPECT_EQ(Ask(), kBlock);
}

TEST_F(PopupTest, OneClickLetsOneWindowThrough) {
    markers.MarkLeftClick(clock.Now());
    EXPECT_EQ(Ask(), kAllow);
    EXPECT_EQ(Ask(), kBlock);
}

TEST_F(PopupTest, ALeftClickReplacesAnEarlierEnter) {
    markers.MarkKeyOrRightClick(clock.Now());
    markers.MarkLeftClick(clock.Now());
    clock.Advance(3s);
    EXPECT_EQ(Ask(), kBlock);
}

TEST_F(PopupTest, NavigationInBetweenClearsTheClick) {
    markers.MarkLeftClick(clock.Now());
    markers.Clear();  // a frame started to navigate
    EXPECT_EQ(Ask(), kBlock);
}

TEST_F(PopupTest, NonWebPagesAndBlockingOffAreNeverBlocked) {
    for (const char* page : {"about:blank", "file:///c:/x.htm", "c:\\x.htm", "", "http://", "http:/x/y"}) {
        EXPECT_EQ(Ask(page), kAllow) << page;
    }
    EXPECT_EQ(Ask("HTTPS://secure.test/"), kBlock);
    EXPECT_EQ(Ask(kWebPage, false), kAllow);

    ManualTickClock noCounter(0);
    EXPECT_EQ(DecideNewWindow(kWebPage, true, markers, noCounter), kAllow);
}

TEST(ElapsedWithin, EarlierReadingsAndExtremeCountersAreSafe) {
    EXPECT_FALSE(ElapsedWithin(100, 99, 10, 5));
    EXPECT_TRUE(ElapsedWithin(-5, 0, 10, 1));
    EXPECT_FALSE(ElapsedWithin(INT64_MIN, INT64_MAX, 1, 5));
    EXPECT_TRUE(ElapsedWithin(INT64_MAX - 1, INT64_MAX, INT64_MAX, 1));
}
