// What the tips and donation dialogs share: their text box and their buttons.
#pragma once

#include <windows.h>

#include <string>

// Replaces the whole text of a multi-line edit control and scrolls to where it starts.
void ReplaceContentText(HWND dialog, int id, const std::string& text);

// Enables or disables a button; a button that loses the focus by it hands it to "&Close".
void EnableKeepingFocus(HWND dialog, int id, bool enable);
