// The DPI a window is drawn at: the window's own where the system tells it per window, the
// screen's otherwise.
#pragma once

#include <windows.h>

int WindowDpi(HWND window);
