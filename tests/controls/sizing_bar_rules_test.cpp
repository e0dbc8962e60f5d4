#include "controls/sizing_bar_rules.h"

#include <gtest/gtest.h>

using namespace brisova;

TEST(SizingEdges, TheEdgeFacingTheViewAndTowardNeighbours) {
    EXPECT_EQ(ActiveEdges(DockSide::Left, true, true), kEdgeRight);
    EXPECT_EQ(ActiveEdges(DockSide::Right, true, true), kEdgeLeft);
    EXPECT_EQ(ActiveEdges(DockSide::Top, true, true), kEdgeBottom);
    EXPECT_EQ(ActiveEdges(DockSide::Bottom, true, true), kEdgeTop);
    EXPECT_EQ(ActiveEdges(DockSide::Left, false, false), kEdgeRight | kEdgeTop | kEdgeBottom);
    EXPECT_EQ(ActiveEdges(DockSide::Top, true, false), kEdgeBottom | kEdgeRight);
    EXPECT_EQ(ActiveEdges(DockSide::Floating, true, true), 0u);
}

TEST(SizingEdges, BordersAndHitStrips) {
    BarRect docked = BorderInsets(DockSide::Left, kEdgeRight, 0);
    EXPECT_EQ(docked.left, 5);
    EXPECT_EQ(docked.top, 5);
    EXPECT_EQ(docked.right, 5);
    EXPECT_EQ(docked.bottom, 5);
    BarRect floating = BorderInsets(DockSide::Floating, 0, kEdgeRaised);
    EXPECT_EQ(floating.left, 3);
    EXPECT_EQ(floating.bottom, 3);
    EXPECT_EQ(BorderInsets(DockSide::Left, kEdgeRight, kEdgeRaised).right, 10);

    // A bar docked left, 200 x 300, with neighbours above and below.
    const unsigned edges = kEdgeRight | kEdgeTop | kEdgeBottom;
    EXPECT_EQ(EdgeAt(197, 150, 200, 300, DockSide::Left, edges, 0), kEdgeRight);
    EXPECT_EQ(EdgeAt(194, 150, 200, 300, DockSide::Left, edges, 0), 0u);
    EXPECT_EQ(EdgeAt(100, 2, 200, 300, DockSide::Left, edges, 0), kEdgeTop);
    EXPECT_EQ(EdgeAt(100, 298, 200, 300, DockSide::Left, edges, 0), kEdgeBottom);
    EXPECT_EQ(EdgeAt(2, 2, 200, 300, DockSide::Left, edges, 0), 0u);  // the top strip stops short of the corner
    EXPECT_EQ(EdgeAt(0, 150, 200, 300, DockSide::Left, edges, 0), 0u);
    EXPECT_EQ(EdgeAt(198, 150, 200, 300, DockSide::Floating, edges, 0), 0u);
}

TEST(SizingDrag, ClampsAtTheNeighbourTheRowAndTheView) {
    // Between two bars: the neighbour keeps its minimum.
    DragLimits between = NeighbourEdgeLimits(100, 33, 80, 40);
    EXPECT_EQ(DraggedSize(100, 500, false, between), 140);
    EXPECT_EQ(DraggedSize(100, -500, false, between), 33);
    EXPECT_EQ(DraggedSize(100, -10, true, between), 110);  // an edge before the bar
    // Facing the view: the row's largest minimum, and the view keeps 4 pixels.
    DragLimits view = ViewEdgeLimits(200, 60, 300);
    EXPECT_EQ(DraggedSize(200, -190, false, view), 60);
    EXPECT_EQ(DraggedSize(200, 1000, false, view), 496);
    EXPECT_EQ(DraggedSize(200, 50, true, view), 150);
    // A view already too small leaves nothing to grow into, and never inverts the limits.
    DragLimits cramped = ViewEdgeLimits(50, 60, 0);
    EXPECT_EQ(DraggedSize(50, 100, false, cramped), 60);
}

TEST(SizingDrag, TheTrackerLineFollowsTheEdgeAsTheBarGrows) {
    const BarRect bar{10, 20, 210, 320};
    auto same = [](BarRect a, BarRect b) { return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom; };
    EXPECT_TRUE(same(TrackerRect(bar, kEdgeRight, 0), {205, 20, 210, 320}));
    EXPECT_TRUE(same(TrackerRect(bar, kEdgeRight, 30), {235, 20, 240, 320}));
    EXPECT_TRUE(same(TrackerRect(bar, kEdgeLeft, 30), {-20, 20, -15, 320}));  // a bar docked right grows leftward
    EXPECT_TRUE(same(TrackerRect(bar, kEdgeBottom, -50), {10, 265, 210, 270}));
    EXPECT_TRUE(same(TrackerRect(bar, kEdgeTop, 5), {10, 15, 210, 20}));
}
