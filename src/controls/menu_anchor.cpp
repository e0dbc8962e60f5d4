#include "controls/menu_anchor.h"

namespace brisova {

MenuAnchor AnchorButtonMenu(const DockRect& button, const DockRect& barShown, const DockRect& workArea) {
    const bool barVisible = barShown.right > barShown.left && barShown.bottom > barShown.top;
    if (!barVisible) return {workArea.left, workArea.top, false};
    const bool whole = button.left >= barShown.left && button.right <= barShown.right &&
                       button.top >= barShown.top && button.bottom <= barShown.bottom;
    // One pixel below the button, as its arrow's menu opens.
    if (whole) return {button.left, button.bottom + 1, false};
    return {barShown.right, barShown.bottom, true};
}

}  // namespace brisova
