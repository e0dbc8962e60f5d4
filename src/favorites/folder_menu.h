// What one Favorites folder's menu holds, and in which order: links get their favourite
// indices in the order the folder lists them, the stored order of the folder comes first, and
// the rest follows sorted, folders before links.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "favorites/menu_order.h"

namespace brisova {

// One entry of a folder listing, as the file system reports it.
struct DirectoryEntry {
    std::string name;
    bool directory = false;
    bool hidden = false;
    bool system = false;
};

struct LinkFile {
    std::string name;  // with its ".url" or ".lnk"
    int index = 0;     // the favourite index: the link's command is the first favourite's + index
};

struct FolderContents {
    std::vector<LinkFile> links;
    std::vector<std::string> folders;
    int nextIndex = 0;  // the first index the next folder fill may give out
};

// Links are files ending in ".url" or ".lnk" (any case) that are neither hidden nor system
// files; they take indices from `firstIndex` on in listing order. Every folder but "." and ".."
// is kept, hidden and system ones too. Other files are left out.
FolderContents SortOutEntries(const std::vector<DirectoryEntry>& entries, int firstIndex);

// How names compare: the user's locale on Windows. Each returns <0, 0 or >0.
struct NameCollation {
    std::function<int(std::string_view, std::string_view)> compare;
    std::function<int(std::string_view, std::string_view)> compareIgnoringCase;
};
// Byte order, and byte order with ASCII letters folded: what the portable tests use.
NameCollation ByteCollation();

struct MenuEntry {
    enum class Kind { Folder, Link };
    Kind kind = Kind::Link;
    std::string name;
    int index = 0;  // links only

    friend bool operator==(const MenuEntry&, const MenuEntry&) = default;
};

// The folder's menu, top to bottom. With a stored order, its entries come first in their
// positions: an entry recorded as a file (or with no attributes) claims the first link of that
// name, ignoring case; one recorded as a folder (or with no attributes, when no link took it)
// claims every folder of that name. The unclaimed folders follow, sorted case-sensitively, then
// the unclaimed links sorted ignoring case.
std::vector<MenuEntry> PlanFolderMenu(const FolderContents& contents, const MenuOrder* order,
                                      const NameCollation& collation);

}  // namespace brisova
