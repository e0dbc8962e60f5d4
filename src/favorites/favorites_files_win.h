// What the favourites menu reads from the file system, the shell and the registry. Paths and
// names are the program's text; the wide functions are used with the conversions of
// framework/text_win.h.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "favorites/folder_menu.h"
#include "favorites/menu_order.h"

// The path with one final backslash: how folders are handed around here.
std::string WithBackslash(std::string path);

// The shell's Favorites folder, or the Windows directory's "favorites" when the shell knows none.
std::string ShellFavoritesFolder();

// The entries of `folder` (ending in a backslash); none when it cannot be listed.
std::vector<brisova::DirectoryEntry> ListFolder(const std::string& folder);

// A sub-folder (ending in a backslash) whose "kestufolder.kcf" marks it as most used.
bool IsMostUsedFolder(const std::string& folder);

// The "URL" of an Internet shortcut, read by its full path; empty when there is none.
std::string InternetShortcutAddress(const std::string& path);

// What a shell link points to when that can be opened as a page: a file, or a web address.
std::optional<std::string> ShellLinkAddress(const std::string& path);

// The "Order" value of `key` (a folder's key, with or without its final backslash); none when it
// is missing, not binary, or holds no entry.
std::optional<brisova::MenuOrder> ReadMenuOrder(HKEY root, const std::string& key);

// The user's locale's comparisons.
brisova::NameCollation LocaleCollation();
