// Reading the names the library's dialogs ask for.
#pragma once

#include <windows.h>

#include <string>

// Names of pages and folders are kept to this many bytes in the edit controls.
inline constexpr int kMaxNameLength = 255;

// The text of a dialog's edit control without leading and trailing blanks.
std::string TrimmedItemText(HWND dialog, int id);
