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
