// Tables and small rules of the page, view and tool commands.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brisova {

struct TextSize {
    int zoom;           // the control's zoom value, 0 (smallest) to 4 (largest)
    int radioPosition;  // the item's position in the "Fo&nts" pop-up
};

// The text size of commands 32796 ("Largest") to 32800 ("Smallest"); nothing for others.
std::optional<TextSize> TextSizeFor(unsigned command);

// The character set of commands 33919 ("English") to 33929 ("Unicode UTF-8"); null for others.
const char* CharsetFor(unsigned command);

// "AutoDetect" after "Auto Select": the negation of what was read, 1 when nothing could be read.
std::uint32_t ToggledAutoDetect(std::optional<std::uint32_t> current);

// The entry type bit of cookies in the system's URL cache.
inline constexpr std::uint32_t kCookieCacheEntry = 0x00100000;

enum class CacheRecords { Cookies, TemporaryFiles };

// Whether a URL cache entry of this type belongs to the records being cleared.
bool CacheEntryBelongsTo(std::uint32_t entryType, CacheRecords records);

// "file://" + the program directory + "data\search\web.htm".
std::string SearchPageAddress(const std::string& programDirectory);

// "Brisova.chm" in the program directory.
std::string HelpFilePath(const std::string& programDirectory);

}  // namespace brisova
