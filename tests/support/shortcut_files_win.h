// Shortcut files as the shell writes them, for tests that build Favorites or History folders.
#pragma once

#include <string>

// An Internet shortcut (".url"); an empty address writes the section without a URL.
void WriteInternetShortcut(const std::string& path, const std::string& address);
// A shell link (".lnk") to `target`, saved through the shell's own link object.
void WriteShellLink(const std::string& path, const std::string& target);
