#include "controls/sizing_bar_rules.h"

#include <algorithm>

namespace brisova {

unsigned ActiveEdges(DockSide side, bool firstInRow, bool lastInRow) {
    switch (side) {
    case DockSide::Top:
        return kEdgeBottom | (firstInRow ? 0 : kEdgeLeft) | (lastInRow ? 0 : kEdgeRight);
    case DockSide::Bottom:
        return kEdgeTop | (firstInRow ? 0 : kEdgeLeft) | (lastInRow ? 0 : kEdgeRight);
    case DockSide::Left:
        return kEdgeRight | (firstInRow ? 0 : kEdgeTop) | (lastInRow ? 0 : kEdgeBottom);
    case DockSide::Right:
        return kEdgeLeft | (firstInRow ? 0 : kEdgeTop) | (lastInRow ? 0 : kEdgeBottom);
    case DockSide::Floating:
        break;
    }
    return 0;
}

BarRect BorderInsets(DockSide side, unsigned activeEdges, unsigned style) {
    BarRect insets{3, 5, 3, 3};
    if (side != DockSide::Floating) {
        insets.left += 2;
        insets.right += 2;
        insets.bottom += 2;
    }
    if (style & kEdgeRaised) {
        if (activeEdges & kEdgeLeft) insets.left += kSizingEdgeWidth;
        if (activeEdges & kEdgeRight) insets.right += kSizingEdgeWidth;
        if (activeEdges & kEdgeTop) insets.top += kSizingEdgeWidth;
        if (activeEdges & kEdgeBottom) insets.bottom += kSizingEdgeWidth;
    }
    return insets;
}

unsigned EdgeAt(int x, int y, int width, int height, DockSide side, unsigned activeEdges, unsigned style) {
    if (side == DockSide::Floating || x < 0 || y < 0 || x >= width || y >= height) return 0;
    const int strip = kSizingEdgeWidth + ((style & kEdgeRaised) ? 1 : 0);
    // Along a horizontal row the left and right strips stop short of the corners, along a
    // vertical row the top and bottom ones: the corners belong to the edge facing the view.
    const int across = IsHorizontalSide(side) ? kSizingEdgeWidth : 0;
    const int along = IsHorizontalSide(side) ? 0 : kSizingEdgeWidth;
    auto inside = [](int v, int low, int high) { return v >= low && v < high; };
    if ((activeEdges & kEdgeLeft) && x < strip && inside(y, across, height - across)) return kEdgeLeft;
    if ((activeEdges & kEdgeRight) && x >= width - strip && inside(y, across, height - across)) return kEdgeRight;
    if ((activeEdges & kEdgeTop) && y < strip && inside(x, along, width - along)) return kEdgeTop;
    if ((activeEdges & kEdgeBottom) && y >= height - strip && inside(x, along, width - along)) return kEdgeBottom;
    return 0;
}

DragLimits NeighbourEdgeLimits(int size, int minimum, int neighbourSize, int neighbourMinimum) {
    return {minimum, std::max(minimum, size + neighbourSize - neighbourMinimum)};
}

DragLimits ViewEdgeLimits(int size, int rowLargestMinimum, int viewSize) {
    return {rowLargestMinimum, std::max(rowLargestMinimum, size + viewSize - 4)};
}

int DraggedSize(int startSize, int movement, bool edgeBeforeBar, DragLimits limits) {
    const int size = edgeBeforeBar ? startSize - movement : startSize + movement;
    return std::clamp(size, limits.minimum, limits.maximum);
}

BarRect TrackerRect(const BarRect& window, unsigned edge, int growth) {
    const int w = kSizingEdgeWidth;
    switch (edge) {
    case kEdgeLeft: return {window.left - growth, window.top, window.left - growth + w, window.bottom};
    case kEdgeRight: return {window.right + growth - w, window.top, window.right + growth, window.bottom};
    case kEdgeTop: return {window.left, window.top - growth, window.right, window.top - growth + w};
    case kEdgeBottom: return {window.left, window.bottom + growth - w, window.right, window.bottom + growth};
    default: return {};
    }
}

}  // namespace brisova
