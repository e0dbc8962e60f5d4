// Geometry of the sizing control bars that needs no window: which edges size a bar, how wide
// its border is, where a point hits, and how far an edge may be dragged.
#pragma once

#include "framework/dock_layout.h"

namespace brisova {

// Edge bits; kEdgeRaised and kSizeChild are style bits of the bar.
inline constexpr unsigned kEdgeLeft = 1;
inline constexpr unsigned kEdgeRight = 2;
inline constexpr unsigned kEdgeTop = 4;
inline constexpr unsigned kEdgeBottom = 8;
inline constexpr unsigned kEdgeRaised = 16;
inline constexpr unsigned kSizeChild = 32;
inline constexpr int kSizingEdgeWidth = 5;

struct BarRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The sizing edges of a docked bar: the one facing the view area, and one toward each
// neighbour in its row. A floating bar has none; its mini frame sizes it.
unsigned ActiveEdges(DockSide side, bool firstInRow, bool lastInRow);

// What the border takes off each side of the window rectangle.
BarRect BorderInsets(DockSide side, unsigned activeEdges, unsigned style);

// The sizing edge under `x, y` (window coordinates of a bar of the given size), or 0.
unsigned EdgeAt(int x, int y, int width, int height, DockSide side, unsigned activeEdges, unsigned style);

struct DragLimits {
    int minimum = 0;
    int maximum = 0;
};

// Dragging the edge between a bar and its neighbour in the row: the neighbour gives up what
// the bar takes, down to its own minimum.
DragLimits NeighbourEdgeLimits(int size, int minimum, int neighbourSize, int neighbourMinimum);
// Dragging the edge that faces the view area changes the whole row's thickness: never below
// the largest minimum of its bars, never so far that the view area vanishes.
DragLimits ViewEdgeLimits(int size, int rowLargestMinimum, int viewSize);
// The size after the mouse moved `movement` pixels along the edge's axis; an edge at the left
// or top of the bar grows it when moved the other way.
int DraggedSize(int startSize, int movement, bool edgeBeforeBar, DragLimits limits);

// Where the line that shows a dragged edge lies, without full-window drag: the edge's strip of
// the bar's window rectangle `window`, moved by what the bar grew (or shrank) through the drag.
BarRect TrackerRect(const BarRect& window, unsigned edge, int growth);

}  // namespace brisova
