// How the frame's dock rows share their room among the control bars docked in them.
#pragma once

#include <cstddef>
#include <vector>

namespace brisova {

enum class DockSide { Top, Left, Right, Bottom, Floating };

inline bool IsHorizontalSide(DockSide side) {
    return side == DockSide::Top || side == DockSide::Bottom;
}

// Sides a bar may dock on.
inline constexpr unsigned kDockLeft = 1;
inline constexpr unsigned kDockRight = 2;
inline constexpr unsigned kDockTop = 4;
inline constexpr unsigned kDockBottom = 8;
inline constexpr unsigned kDockAny = kDockLeft | kDockRight | kDockTop | kDockBottom;

unsigned DockBitOf(DockSide side);

struct DockRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Where a bar dragged by its gripper and let go at (x, y) goes: the allowed side of `room` (the
// area the dock rows share) nearest to the point when it lies within `reach` of that side
// inside the room; floating anywhere else.
DockSide DropSide(int x, int y, const DockRect& room, unsigned allowed, int reach);

// `r` moved, at its size, the least distance that puts it inside `area`; one larger than the
// area starts at the area's left or top.
DockRect FitInside(DockRect r, const DockRect& area);

// Neighbouring bars of a row share this many pixels.
inline constexpr int kRowOverlap = 2;

// One bar of a dock row, measured along the row.
struct RowBar {
    int length = 0;
    int minimum = 0;
    bool sizing = true;  // sizing bars take up and give back the row's spare length
};
struct RowPlacement {
    int offset = 0;
    int length = 0;
};
// Places the bars of one row one after the other, overlapping by kRowOverlap, and spreads the
// difference to `available` over the sizing bars a pixel at a time. Bars already at their
// minimum give nothing more.
std::vector<RowPlacement> LayoutRow(const std::vector<RowBar>& bars, int available);
// How many of the bars, from the first, fit a row of `available` at their minimum; at least one.
std::size_t BarsThatFit(const std::vector<RowBar>& bars, int available);

}  // namespace brisova
