#include "commands/page_command_rules.h"

#include <iterator>

#include "resource.h"

namespace brisova {

std::optional<TextSize> TextSizeFor(unsigned command) {
    if (command < ID_FONT_LARGEST || command > ID_FONT_SMALLEST) return std::nullopt;
    int position = static_cast<int>(command - ID_FONT_LARGEST);
    return TextSize{4 - position, position};
}

const char* CharsetFor(unsigned command) {
    static const char* const kCharsets[] = {"us-ascii",    "iso-8859-1", "iso-8859-2", "iso-2022-kr",
                                            "euc-kr",      "iso-2022-jp", "euc-jp",    "iso-ir-58",
                                            "big5",        "utf-7",       "utf-8"};
    if (command < ID_ENCODING_FIRST || command >= ID_ENCODING_FIRST + std::size(kCharsets)) return nullptr;
    return kCharsets[command - ID_ENCODING_FIRST];
}

std::uint32_t ToggledAutoDetect(std::optional<std::uint32_t> current) {
    return current && *current != 0 ? 0 : 1;
}

bool CacheEntryBelongsTo(std::uint32_t entryType, CacheRecords records) {
    bool cookie = (entryType & kCookieCacheEntry) != 0;
    return records == CacheRecords::Cookies ? cookie : !cookie;
}

std::string SearchPageAddress(const std::string& programDirectory) {
    return "file://" + programDirectory + "data\\search\\web.htm";
}

std::string HelpFilePath(const std::string& programDirectory) {
    return programDirectory + "Brisova.chm";
}

}  // namespace brisova
