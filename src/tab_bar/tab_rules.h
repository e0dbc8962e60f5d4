// Texts and sizes of the window tab bar.
#pragma once

#include <string>
#include <string_view>

namespace brisova {

inline constexpr std::size_t kMaxTabText = 100;
inline constexpr const char* kUntitledTabText = " ";

// The title, or the address when the title is empty, cut to 100 characters.
std::string TabText(std::string_view title, std::string_view address);

// The tab's size at 96 DPI; the bar scales it to its window's.
inline constexpr int kTabWidth = 155;
inline constexpr int kTabHeight = 22;

// Height of the tab bar's band: rows of the first tab's height (20 when unknown), with 3 more
// pixels a row once the tabs wrap; those two sizes scale with the DPI.
int TabBandHeight(int firstTabHeight, int rowCount, int dpi = 96);

}  // namespace brisova
