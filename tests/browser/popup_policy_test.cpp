#include "browser/open_source_rules.h"
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
}  // namespace

TEST_F(PopupTest, LeftClickJustifiesOneSecondOnly) {
    markers.MarkLeftClick(clock.Now());
    clock.Advance(3s);
    EXPECT_EQ(Ask(), NewWindowVerdict::Block);

    markers.MarkLeftClick(clock.Now());
    clock.Advance(1s);
    EXPECT_EQ(Ask(), NewWindowVerdict::Allow);

    markers.MarkLeftClick(clock.Now());
    clock.Advance(1s);
    clock.AdvanceTicks(1);
    EXPECT_EQ(Ask(), NewWindowVerdict::Block);
}

TEST_F(PopupTest, EnterOrRightClickJustifiesFiveSeconds) {
    markers.MarkKeyOrRightClick(clock.Now());
    clock.Advance(3s);
    EXPECT_EQ(Ask(), NewWindowVerdict::Allow);

    markers.MarkKeyOrRightClick(clock.Now());
    clock.Advance(5s);
    clock.AdvanceTicks(1);
    EXPECT_EQ(Ask(), NewWindowVerdict::Block);
}

TEST_F(PopupTest, OneClickLetsOneWindowThrough) {
    markers.MarkLeftClick(clock.Now());
    EXPECT_EQ(Ask(), NewWindowVerdict::Allow);
    EXPECT_EQ(Ask(), NewWindowVerdict::Block);
}

TEST_F(PopupTest, EachMarkerReplacesTheOther) {
    markers.MarkKeyOrRightClick(clock.Now());
    markers.MarkLeftClick(clock.Now());
    EXPECT_FALSE(markers.keyOrRightClick());
    clock.Advance(3s);
    EXPECT_EQ(Ask(), NewWindowVerdict::Block);

    markers.MarkLeftClick(clock.Now());
    markers.MarkKeyOrRightClick(clock.Now());
    EXPECT_FALSE(markers.leftClick());
}

TEST_F(PopupTest, NavigationInBetweenClearsTheClick) {
    markers.MarkLeftClick(clock.Now());
    markers.Clear();  // a frame started to navigate
    clock.Advance(100ms);
    EXPECT_EQ(Ask(), NewWindowVerdict::Block);
}

TEST_F(PopupTest, NonWebPagesAndBlockingOffAreNeverBlocked) {
    for (const char* page : {"about:blank", "file:///c:/x.htm", "c:\\x.htm", "", "http://", "http:/x/y"}) {
        EXPECT_EQ(Ask(page), NewWindowVerdict::Allow) << page;
    }
    EXPECT_EQ(Ask("HTTPS://secure.test/"), NewWindowVerdict::Block);
    EXPECT_EQ(Ask(kWebPage, false), NewWindowVerdict::Allow);
}

TEST_F(PopupTest, AllowingUsesUpTheMarkersEvenWhenNotScreened) {
    markers.MarkLeftClick(clock.Now());
    EXPECT_EQ(Ask("about:blank"), NewWindowVerdict::Allow);
    EXPECT_FALSE(markers.leftClick());
}

TEST(PopupClock, ACounterWithoutFrequencyLetsEverythingThrough) {
    ManualTickClock noCounter(0);
    UserActionMarkers markers;
    EXPECT_EQ(DecideNewWindow(kWebPage, true, markers, noCounter), NewWindowVerdict::Allow);
}

TEST(PopupClock, ReadingsBeforeTheMarkOrFarApartAreOutside) {
    EXPECT_FALSE(ElapsedWithin(100, 99, 10, 5));
    EXPECT_TRUE(ElapsedWithin(-5, 0, 10, 1));
    EXPECT_FALSE(ElapsedWithin(INT64_MIN, INT64_MAX, 1, 5));
    EXPECT_TRUE(ElapsedWithin(INT64_MAX - 1, INT64_MAX, INT64_MAX, 1));
}

TEST(OpenSourceRules, NoActiveWindowOpensOneInFrontExceptHistoryPerSetting) {
    Settings s;
    s.activeNewWindow = 0;
    for (AddressSource src : {AddressSource::AddressBar, AddressSource::Favorites, AddressSource::Library,
                              AddressSource::Search}) {
        EXPECT_EQ(PlaceOpenedAddress(src, false, s), (OpenPlacement{true, true}));
    }
    EXPECT_EQ(PlaceOpenedAddress(AddressSource::History, false, s), (OpenPlacement{true, false}));
}

TEST(OpenSourceRules, EachSourceFollowsItsOwnFlag) {
    Settings s;
    s.activeNewWindow = 0;
    s.favNewWindow = 1;
    s.searchNewWindow = 1;
    EXPECT_EQ(PlaceOpenedAddress(AddressSource::AddressBar, true, s), (OpenPlacement{false, false}));
    EXPECT_EQ(PlaceOpenedAddress(AddressSource::Favorites, true, s), (OpenPlacement{true, false}));
    EXPECT_EQ(PlaceOpenedAddress(AddressSource::Search, true, s), (OpenPlacement{true, true}));
    s.activeNewWindow = 1;
    s.hisNewWindow = 1;
    s.infoNewWindow = 1;
    s.addressNewWindow = 1;
    for (AddressSource src : {AddressSource::AddressBar, AddressSource::History, AddressSource::Library}) {
        EXPECT_EQ(PlaceOpenedAddress(src, true, s), (OpenPlacement{true, true}));
    }
}
