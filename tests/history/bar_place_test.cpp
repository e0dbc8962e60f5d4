#include "history/bar_place.h"

#include <gtest/gtest.h>

using namespace brisova;

TEST(HistoryBarPlace, RoundTripsEverySide) {
    for (DockSide side : {DockSide::Left, DockSide::Right, DockSide::Floating}) {
        BarPlace place{side, 260, -1500, 40, 320, 480, true};
        EXPECT_EQ(ParseBarPlace(FormatBarPlace(place)), place);
    }
    EXPECT_EQ(FormatBarPlace({DockSide::Right, 250, 10, 20, 300, 400, false}), "1 250 10 20 300 400 0");
}

TEST(HistoryBarPlace, DamagedValuesGiveAHiddenBarOnTheLeft) {
    const BarPlace defaults;
    for (std::string_view text : {"", "0 200 1 2 3 4", "0 200 1 2 3 4 1 9", "3 200 1 2 3 4 1", "0 200 1 2 3 4 2",
                                  "0 2x0 1 2 3 4 1", "0 99999999999 1 2 3 4 1", "-0 200 1 2 3 4 1 ,"})
        EXPECT_EQ(ParseBarPlace(text), defaults) << text;
    EXPECT_EQ(ParseBarPlace("  2  250 10 20 300 400 1  ").side, DockSide::Floating);
}

TEST(HistoryBarPlace, SizesAndPlacesStayUsable) {
    const BarPlace place = ParseBarPlace("0 0 -99999 99999 5 100000 1");
    EXPECT_EQ(place.dockedWidth, 40);
    EXPECT_EQ(place.floatLeft, -30000);
    EXPECT_EQ(place.floatTop, 30000);
    EXPECT_EQ(place.floatWidth, 40);
    EXPECT_EQ(place.floatHeight, 8192);
}
