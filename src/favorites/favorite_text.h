// The texts the favourites menu shows for a link file or a folder.
#pragma once

#include <string>
#include <string_view>

namespace brisova {

// Menu texts longer than this many characters are cut.
inline constexpr std::size_t kMenuTextLimit = 26;

// At most 26 characters (UTF-8 code points; a byte that starts no valid sequence counts as one):
// a longer text becomes its first 23 characters and "...". Never cuts inside a character.
std::string ShortenMenuText(std::string_view text);

// What a menu item shows for a favourite file ("News Site.url" -> "News Site") or a folder:
// shortened, with each "&" doubled so that the menu shows it rather than underlining.
std::string LinkItemText(std::string_view fileName);
std::string FolderItemText(std::string_view folderName);

}  // namespace brisova
