#include "favorites/favorite_text.h"

#include "shared/ampersand_text.h"

namespace brisova {

namespace {
// The length of the UTF-8 sequence starting at text[at]; 1 for a byte that starts none.
std::size_t CharacterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
    if (at + length > text.size()) return 1;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 1;
    return length;
}
}  // namespace

std::string ShortenMenuText(std::string_view text) {
    constexpr std::size_t kKept = kMenuTextLimit - 3;
    std::size_t characters = 0;
    std::size_t keptBytes = 0;
    for (std::size_t at = 0; at < text.size(); at += CharacterLength(text, at)) {
        if (++characters == kKept) keptBytes = at + CharacterLength(text, at);
        if (characters > kMenuTextLimit) return std::string(text.substr(0, keptBytes)) + "...";
    }
    return std::string(text);
}

std::string LinkItemText(std::string_view fileName) {
    std::string_view name = fileName.size() >= 4 ? fileName.substr(0, fileName.size() - 4) : std::string_view();
    return DoubleAmpersands(ShortenMenuText(name));
}

std::string FolderItemText(std::string_view folderName) {
    return DoubleAmpersands(ShortenMenuText(folderName));
}

}  // namespace brisova
