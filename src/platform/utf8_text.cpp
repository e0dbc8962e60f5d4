#include "platform/utf8_text.h"

namespace brisova {

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) count += IsUtf8Continuation(c) ? 0 : 1;
    return count;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t maxCharacters) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsUtf8Continuation(text[i])) continue;
        if (characters == maxCharacters) return text.substr(0, i);
        ++characters;
    }
    return text;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    return text;
}

}  // namespace brisova
