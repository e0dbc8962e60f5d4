// What the main frame does with a library request or the View command, apart from the
// windows: the pages are written here and the address to open is returned; which window opens
// it is the placement of the library's sources (shared/open_placement.h).
#pragma once

#include "infolib/index_pages.h"
#include "infolib/info_library_store.h"

#include <optional>
#include <string>
#include <string_view>

namespace brisova {

// "file://" root "\webtmp\" page number ".html", as the generated pages link to each other.
std::string OutputPageAddress(std::string_view root, int pageNumber);

// View command: takes over "InfoNewWindow" and shows the root folder.
std::string ViewLibrary(IndexPageWriter& writer, bool infoNewWindow);

std::string ShowFolderRequest(IndexPageWriter& writer, std::int32_t folderId);
// Nothing to open when the argument is not a search address.
std::optional<std::string> SearchRequest(IndexPageWriter& writer, std::string_view argument);
// Cuts the page's row out of the generated page it sits on, removes the saved page and its
// directory, and reloads the library, which writes the tree file. Only a saved page is ever
// removed: an id of a folder or of nothing removes nothing.
std::optional<std::string> DeletePageRequest(InfoLibraryStore& store, std::string_view argument);

}  // namespace brisova
