// The name a saved page's file gets inside its page directory, made from the page's title. The
// name must be a valid file name on every Windows file system and must keep working inside the
// "file://" links the index pages put it in. Wide text, so that no cut or replacement ever
// lands inside a multi-byte character of the user's code page.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brisova {

inline constexpr std::size_t kMaxSavedPageStem = 100;

// The title with every character that a file name or a link cannot carry replaced by "_",
// without leading or trailing blanks and dots, at most kMaxSavedPageStem characters (a
// surrogate pair is never split), then ".htm". A title with nothing usable gives "page.htm";
// a device name such as "CON" gets a "_" in front.
std::wstring SavedPageFileName(std::wstring_view title);

}  // namespace brisova
