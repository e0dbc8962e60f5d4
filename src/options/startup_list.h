// The extra start-up pages as the Home Page options page edits them: data\startup, one address
// a line, every line an entry (an empty line too).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brisova {

inline constexpr std::string_view kStartupFile = "data\\startup";

// The entries of the file's text; line ends of either kind are removed, and the end of the text
// after a last line end adds no entry.
std::vector<std::string> ReadStartupList(std::string_view fileText);
// The file's text: each entry followed by a line end.
std::string StartupListText(const std::vector<std::string>& entries);

}  // namespace brisova
