// Where the favourites come from and how the shell's dialogs are reached. The program uses the
// shell's Favorites folder and the Explorer's stored menu order; tests give a folder and a
// registry key of their own and stand-ins for the two dialogs.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

struct FavoritesSetup {
    // The Favorites folder; empty for the shell's.
    std::string folder;
    // Where the stored orders live: a folder's relative path is appended to this key.
    HKEY orderRoot = HKEY_CURRENT_USER;
    std::string orderKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Favorites\\";
    // Offers the page to the user for the favourites; false when the shell's helper is missing,
    // in which case the menu is not rebuilt.
    std::function<bool(HWND owner, const std::string& address, const std::string& title)> addFavorite;
    // Lets the user organize the folder.
    std::function<void(HWND owner, const std::string& folder)> organize;
};

// The shell's own: the UI helper object's AddFavorite and the organize dialog of "shdocvw.dll".
bool AddFavoriteWithShell(HWND owner, const std::string& address, const std::string& title);
void OrganizeFavoritesWithShell(HWND owner, const std::string& folder);
