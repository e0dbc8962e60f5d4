// The keys that go from tab to tab, in the tab bar's order (not the order the windows were last
// active in): Ctrl+Tab and Ctrl+PgDn to the next, Ctrl+Shift+Tab and Ctrl+PgUp to the previous,
// wrapping at the ends; Ctrl+1 to Ctrl+8 to that tab, Ctrl+9 to the last. Ctrl+Shift+PgUp and
// Ctrl+Shift+PgDn move the active tab one place left or right, stopping at the ends.
#pragma once

#include <optional>

#include "shared/key_press.h"

namespace brisova {

// Whether the key goes to another tab, or moves one, at all, whatever tabs there are.
bool IsTabKey(KeyPress press);

// The index of the tab the key goes to from `current` among `count` tabs; none when the key is
// no tab key or there is no such tab. A current index of -1 (no tab selected) counts as before
// the first.
std::optional<int> TabForKey(KeyPress press, int current, int count);

// The place the key moves tab `current` to among `count` tabs; none when the key moves no tab,
// no tab is selected, or the tab is at that end already.
std::optional<int> TabMoveForKey(KeyPress press, int current, int count);

}  // namespace brisova
