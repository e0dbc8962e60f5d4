// The DPI a window is drawn at: the one its top-level window last moved to, the window's own
// where the system tells it per window, the screen's otherwise.
#pragma once

#include <windows.h>

int WindowDpi(HWND window);

// The DPI the system's metrics and stock fonts are made for: the primary screen's at logon.
int SystemDpi();

// A system metric (GetSystemMetrics' SM_ index) as it is at `dpi`.
int SystemMetricForDpi(int index, int dpi);

// `topLevel` now draws at `dpi`, as its WM_DPICHANGED said, and so do the windows inside it.
// The message is the authority: the windows are rebuilt while handling it, and the system need
// not have taken the new DPI for every window yet.
void RecordWindowDpi(HWND topLevel, int dpi);
// Moves `topLevel` to the rectangle a WM_DPICHANGED suggests (its lParam), when it gave one.
void MoveToSuggestedRect(HWND topLevel, LPARAM dpiChangedParam);

// Removes what RecordWindowDpi left on `topLevel`, as its destruction needs.
void ForgetWindowDpi(HWND topLevel);
