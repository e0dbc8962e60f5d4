#include "platform/display_scale.h"

#include <gtest/gtest.h>

using namespace brisova;

TEST(DisplayScale, RoundsToTheNearestPixelAtEveryScale) {
    EXPECT_EQ(ScaleToDpi(22, 96), 22);
    EXPECT_EQ(ScaleToDpi(22, 144), 33);
    EXPECT_EQ(ScaleToDpi(155, 144), 233);  // 232.5
    EXPECT_EQ(ScaleToDpi(22, 192), 44);
    EXPECT_EQ(ScaleToDpi(3, 120), 4);      // 3.75
    EXPECT_EQ(ScaleToDpi(80, 168), 140);
    EXPECT_EQ(ScaleToDpi(-3, 144), -5);    // -4.5, away from zero like the positive half
    EXPECT_EQ(ScaleToDpi(20, 0), 20);
    EXPECT_EQ(ScaleToDpi(20, -5), 20);
    EXPECT_EQ(ScaleToDpi(1 << 20, 480), 5 << 20);
}

// Pages are drawn for the system's scale; on a monitor of another scale they are zoomed to it.
TEST(DisplayScale, PagesAreZoomedFromTheSystemsScaleToTheMonitors) {
    EXPECT_EQ(PageZoomPercent(144, 144), 100);
    EXPECT_EQ(PageZoomPercent(96, 144), 67);
    EXPECT_EQ(PageZoomPercent(168, 144), 117);
    EXPECT_EQ(PageZoomPercent(192, 96), 200);
    EXPECT_EQ(PageZoomPercent(96, 0), 100);
    EXPECT_EQ(PageZoomPercent(1, 96), 10);
    EXPECT_EQ(PageZoomPercent(20000, 96), 1000);
}

// A font the system made at 144 dpi, moved to a monitor at 96 and back: the height the system
// would have made there, and the same height again after the round trip.
TEST(DisplayScale, RescalesSizesGivenAtAnotherScale) {
    EXPECT_EQ(RescaleDpi(-18, 144, 96), -12);
    EXPECT_EQ(RescaleDpi(-12, 96, 144), -18);
    EXPECT_EQ(RescaleDpi(-11, 96, 120), -14);   // -13.75
    EXPECT_EQ(RescaleDpi(-16, 120, 96), -13);   // -12.8
    EXPECT_EQ(RescaleDpi(13, 96, 96), 13);
    EXPECT_EQ(RescaleDpi(1, 192, 96), 1);       // one half pixel rounds up
    EXPECT_EQ(RescaleDpi(1, 480, 96), 1);       // a fifth of a pixel still shows
    EXPECT_EQ(RescaleDpi(-1, 480, 96), -1);
    EXPECT_EQ(RescaleDpi(0, 96, 192), 0);
    EXPECT_EQ(RescaleDpi(-12, 0, 144), -18);
    EXPECT_EQ(RescaleDpi(-12, 96, -1), -12);
}
