// Letter case of the ASCII letters only. Addresses, tag and attribute names, file extensions and
// command-line flags compare this way whatever the user's code page; bytes of other characters
// are left as they are (std::tolower would follow the C library's locale).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brisova {

constexpr char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string AsciiLowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = AsciiLower(c);
    return lower;
}

inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

}  // namespace brisova
