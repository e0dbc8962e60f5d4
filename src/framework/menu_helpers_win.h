// Finding the pop-ups of the main menu by their texts.
#pragma once

#include <windows.h>

#include <string>

// The pop-up of the first item of `menu` whose text is exactly `text`; null when none matches.
HMENU FindSubMenu(HMENU menu, const std::string& text);
