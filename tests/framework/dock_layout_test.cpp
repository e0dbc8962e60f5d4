#include "framework/dock_layout.h"

#include <gtest/gtest.h>

using namespace brisova;

TEST(DockRow, OverlapsAndSpreadsThePixelsOneAtATime) {
    std::vector<RowPlacement> row = LayoutRow({{100, 32}, {100, 32}, {100, 32}}, 301);
    ASSERT_EQ(row.size(), 3u);
    // 300 less 4 of overlap leaves 5 pixels, handed out one at a time, bar by bar.
    EXPECT_EQ(row[0].length, 102);
    EXPECT_EQ(row[1].length, 102);
    EXPECT_EQ(row[2].length, 101);
    EXPECT_EQ(row[1].offset, 100);
    EXPECT_EQ(row[2].offset, 200);

    // Shrinking skips bars at their minimum and bars that do not size.
    row = LayoutRow({{40, 40}, {100, 32}, {50, 10, false}}, 150);
    EXPECT_EQ(row[0].length, 40);
    EXPECT_EQ(row[1].length, 64);
    EXPECT_EQ(row[2].length, 50);
    // When every bar is at its minimum the row stays longer than the room.
    row = LayoutRow({{40, 40}, {32, 32}}, 20);
    EXPECT_EQ(row[1].length, 32);
}

TEST(DockRow, BreaksBeforeTheBarThatOverflows) {
    std::vector<RowBar> bars = {{100, 50}, {100, 50}, {100, 50}};
    EXPECT_EQ(BarsThatFit(bars, 200), 3u);  // 150 - 4
    EXPECT_EQ(BarsThatFit(bars, 145), 2u);
    EXPECT_EQ(BarsThatFit(bars, 10), 1u);
}

TEST(DockDrop, TheNearestAllowedSideWithinReachOrFloating) {
    const DockRect room{0, 50, 800, 450};
    EXPECT_EQ(DropSide(10, 200, room, kDockAny, 32), DockSide::Left);
    EXPECT_EQ(DropSide(790, 200, room, kDockAny, 32), DockSide::Right);
    EXPECT_EQ(DropSide(400, 60, room, kDockAny, 32), DockSide::Top);
    EXPECT_EQ(DropSide(400, 440, room, kDockAny, 32), DockSide::Bottom);
    // In a corner the nearer side wins.
    EXPECT_EQ(DropSide(5, 70, room, kDockAny, 32), DockSide::Left);
    EXPECT_EQ(DropSide(25, 52, room, kDockAny, 32), DockSide::Top);
    // The middle of the view, outside the frame, and sides the bar may not use: floating.
    EXPECT_EQ(DropSide(400, 200, room, kDockAny, 32), DockSide::Floating);
    EXPECT_EQ(DropSide(-5, 200, room, kDockAny, 32), DockSide::Floating);
    EXPECT_EQ(DropSide(400, 60, room, kDockLeft | kDockRight, 32), DockSide::Floating);
    EXPECT_EQ(DropSide(25, 52, room, kDockLeft | kDockRight, 32), DockSide::Left);
}

TEST(DockFloat, AFloatingBarIsMovedTheLeastIntoTheArea) {
    const DockRect area{0, 0, 800, 600};
    auto same = [](DockRect a, DockRect b) { return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom; };
    EXPECT_TRUE(same(FitInside({10, 20, 210, 220}, area), {10, 20, 210, 220}));
    EXPECT_TRUE(same(FitInside({-30, -5, 170, 195}, area), {0, 0, 200, 200}));
    EXPECT_TRUE(same(FitInside({700, 500, 900, 700}, area), {600, 400, 800, 600}));
    EXPECT_TRUE(same(FitInside({500, 100, 1500, 300}, area), {0, 100, 1000, 300}));  // wider than the area
}
