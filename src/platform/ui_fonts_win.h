// The system's user-interface fonts made for a DPI. The system hands out its fonts at its own
// DPI; a window on a monitor of another scale needs them made for that monitor's.
#pragma once

#include "platform/handles_win.h"

enum class UiFont {
    Menu,     // menu items and the menu bar
    Message,  // the text of common controls: status bar, tool bar labels
    Gui,      // the stock dialog font: the address box and the tabs
};

// The font as the system would make it at `dpi`; empty only when no font can be made.
ScopedFont MakeUiFont(UiFont which, int dpi);
