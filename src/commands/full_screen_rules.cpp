#include "commands/full_screen_rules.h"

namespace brisova {

ScreenRect FullScreenRect(const ScreenRect& desktop, const ScreenRect& frameOfEmptyClient) {
    return {desktop.left + frameOfEmptyClient.left, desktop.top + frameOfEmptyClient.top,
            desktop.right + frameOfEmptyClient.right, desktop.bottom + frameOfEmptyClient.bottom};
}

EdgeBars NextEdgeBars(const EdgeBars& shown, const EdgeBarsInput& in) {
    EdgeBars next = shown;
    if (in.cursorY < kEdgeBarDistance) {
        next.top = true;
    } else if (in.cursorY > in.frameBottom - kEdgeBarDistance) {
        if (in.tabsWanted) next.bottom = true;
        if (in.statusBarWanted) next.status = true;
    } else {
        if (shown.top && in.cursorY > in.topBarsBottom + kEdgeBarDistance) next.top = false;
        if ((shown.bottom || shown.status) && in.cursorY < in.bottomBarsTop - kEdgeBarDistance)
            next.bottom = next.status = false;
    }
    return next;
}

}  // namespace brisova
