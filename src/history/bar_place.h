// Where the History bar was when the program last ended, so that it comes back there: its dock
// side or floating place, its width when docked, and whether it was shown. It is kept as one
// value of the settings file, "HistoryBar", as seven numbers separated by spaces:
//   <side> <docked width> <floating left> <floating top> <floating width> <floating height> <shown>
// with side 0 for the left, 1 for the right and 2 for floating, the floating place being the
// client area on the screen, and shown 0 or 1.
#pragma once

#include <string>
#include <string_view>

#include "framework/dock_layout.h"

namespace brisova {

inline constexpr std::string_view kHistoryBarKey = "HistoryBar";

struct BarPlace {
    DockSide side = DockSide::Left;
    int dockedWidth = 200;
    int floatLeft = 100;
    int floatTop = 100;
    int floatWidth = 200;
    int floatHeight = 200;
    bool shown = false;

    bool operator==(const BarPlace&) const = default;
};

std::string FormatBarPlace(const BarPlace& place);
// An absent or damaged value gives the defaults, a bar hidden on the left. Sizes are held
// between the smallest usable bar and a bound no screen reaches, and places within the
// coordinates windows accept; the frame puts a floating bar on a screen when it shows it.
BarPlace ParseBarPlace(std::string_view text);

}  // namespace brisova
