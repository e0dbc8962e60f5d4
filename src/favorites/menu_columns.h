// Splitting a favourites menu taller than the screen into columns.
#pragma once

#include <vector>

namespace brisova {

// The height of one owner-drawn favourites row for a menu font `textHeight` pixels high, at
// least 20 pixels at 100 % and in proportion at `dpi`, as the rows' images grow.
int FavoritesRowHeight(int textHeight, int dpi = 96);

// The positions of the items that start a new column, for a menu of `itemCount` owner-drawn
// rows each `rowHeight` high on a screen with `available` pixels below the caption and menu bar.
// Each column keeps three rows' room to spare. None when the menu fits, or when the screen holds
// fewer than four rows.
std::vector<int> MenuColumnBreaks(int itemCount, int rowHeight, int available);

}  // namespace brisova
