// The browser control renders a program's pages in its oldest compatibility mode unless the
// program is named under the user's feature-control key. Brisova names itself there once, and a
// value the user (or an administrator's tool) put there is never replaced.
#pragma once

#include <windows.h>

#include <string>

// The control's current standards mode: a page's own document type decides, as in the system's
// browser.
inline constexpr DWORD kBrowserEmulationMode = 11000;
inline constexpr const char* kBrowserEmulationValue = "Brisova.exe";

// Writes kBrowserEmulationMode as "Brisova.exe" under `key` (created when missing) unless that
// value exists already, whatever its type or data. True when the value is there afterwards.
bool EnsureBrowserEmulation(HKEY root, const std::string& key);
