#include "framework/dock_layout.h"

#include <climits>

namespace brisova {

unsigned DockBitOf(DockSide side) {
    switch (side) {
    case DockSide::Left: return kDockLeft;
    case DockSide::Right: return kDockRight;
    case DockSide::Top: return kDockTop;
    case DockSide::Bottom: return kDockBottom;
    case DockSide::Floating: break;
    }
    return 0;
}

DockRect FitInside(DockRect r, const DockRect& area) {
    const auto shift = [](int& low, int& high, int areaLow, int areaHigh) {
        int by = 0;
        if (high > areaHigh) by = areaHigh - high;
        if (low + by < areaLow) by = areaLow - low;
        low += by;
        high += by;
    };
    shift(r.left, r.right, area.left, area.right);
    shift(r.top, r.bottom, area.top, area.bottom);
    return r;
}

DockSide DropSide(int x, int y, const DockRect& room, unsigned allowed, int reach) {
    if (x < room.left || x >= room.right || y < room.top || y >= room.bottom) return DockSide::Floating;
    struct Candidate {
        DockSide side;
        int distance;
    };
    DockSide best = DockSide::Floating;
    int nearest = INT_MAX;
    for (Candidate c : {Candidate{DockSide::Left, x - room.left}, Candidate{DockSide::Right, room.right - 1 - x},
                        Candidate{DockSide::Top, y - room.top}, Candidate{DockSide::Bottom, room.bottom - 1 - y}}) {
        if ((allowed & DockBitOf(c.side)) && c.distance < reach && c.distance < nearest) {
            best = c.side;
            nearest = c.distance;
        }
    }
    return best;
}

std::vector<RowPlacement> LayoutRow(const std::vector<RowBar>& bars, int available) {
    std::vector<RowPlacement> placed;
    if (bars.empty()) return placed;
    int total = 0;
    for (const RowBar& bar : bars) {
        placed.push_back({0, bar.length});
        total += bar.length;
    }
    total -= kRowOverlap * static_cast<int>(bars.size() - 1);
    int difference = available - total;
    const int step = difference > 0 ? 1 : -1;
    while (difference != 0) {
        bool changed = false;
        for (std::size_t i = 0; i < bars.size() && difference != 0; ++i) {
            if (!bars[i].sizing) continue;
            if (step < 0 && placed[i].length <= bars[i].minimum) continue;
            placed[i].length += step;
            difference -= step;
            changed = true;
        }
        if (!changed) break;
    }
    int offset = 0;
    for (RowPlacement& p : placed) {
        p.offset = offset;
        offset += p.length - kRowOverlap;
    }
    return placed;
}

std::size_t BarsThatFit(const std::vector<RowBar>& bars, int available) {
    std::size_t count = 0;
    int length = 0;
    for (const RowBar& bar : bars) {
        length += bar.minimum - (count > 0 ? kRowOverlap : 0);
        if (count > 0 && length > available) break;
        ++count;
    }
    return count;
}

}  // namespace brisova
