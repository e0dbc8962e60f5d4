#include "favorites/menu_columns.h"

#include <algorithm>

#include "platform/display_scale.h"

namespace brisova {

int FavoritesRowHeight(int textHeight, int dpi) {
    return std::max(textHeight + 4, ScaleToDpi(20, dpi));
}

std::vector<int> MenuColumnBreaks(int itemCount, int rowHeight, int available) {
    std::vector<int> breaks;
    if (rowHeight <= 0) return breaks;
    // Three more rows than items: the menu's own frame and margins.
    const long long rows = static_cast<long long>(itemCount) + 3;
    const long long perScreen = available / rowHeight;
    if (rows * rowHeight <= available || perScreen <= 3) return breaks;
    const long long perColumn = perScreen - 3;
    long long position = perColumn;
    long long remaining = (rows - perScreen + 3) * rowHeight;
    for (;;) {
        if (position < itemCount) breaks.push_back(static_cast<int>(position));
        if (remaining <= available) break;
        position += 1 + perColumn;
        remaining -= (1 + perColumn) * rowHeight;
    }
    return breaks;
}

}  // namespace brisova
