// Which keys belong to the address field and to any edit control with the focus, rather than
// to the frame's accelerators: a user selecting the field's text with Ctrl+A must not select
// the page, and Ctrl+Home must move the caret, not open the start page.
#pragma once

#include "shared/key_press.h"

namespace brisova {

// The editing keys an edit with the focus keeps: Ctrl+A, C, V, X and Z, Ctrl+Home, End, Left
// and Right, and Home, End, Backspace and Delete, with or without Shift; never with Alt.
bool IsEditingKey(KeyPress press);

// The keys that put the focus into the address field with its text selected: Ctrl+L, Alt+D
// and F6. F6 pressed in the field takes the focus back to the page.
bool IsAddressFieldKey(KeyPress press);

// The keys that ask the window with the focus for its context menu: Shift+F10 when pressed, the
// context-menu key when released. The frame sends the request itself, once, to any window:
// the system's default handling of Shift+F10 would also arm F10 and enter the window menu when
// the key comes up, and not every system answers the context-menu key.
bool AsksForContextMenu(KeyPress press, bool released);

}  // namespace brisova
