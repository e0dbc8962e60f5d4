// Where a tool bar button's pop-up menu opens, so that it always opens next to something the
// user sees: under the button while the whole button shows; under the right end of its bar,
// where the band's chevron is, while the bar shows but the button is cut off; and at the top
// left of the work area while the bar is hidden (full screen).
#pragma once

#include "framework/dock_layout.h"

namespace brisova {

struct MenuAnchor {
    int x = 0;
    int y = 0;
    // The menu's right edge goes at x (under the chevron), not its left.
    bool alignRight = false;

    bool operator==(const MenuAnchor&) const = default;
};

// All in screen coordinates; `barShown` is empty while the bar is hidden.
MenuAnchor AnchorButtonMenu(const DockRect& button, const DockRect& barShown, const DockRect& workArea);

}  // namespace brisova
