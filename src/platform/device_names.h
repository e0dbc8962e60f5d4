// Names Windows keeps for its devices. "CON", "nul.txt" or "com1.png" open a device, not a file,
// whatever follows the first dot, so a file the library writes must never be named like that.
#pragma once

#include <string_view>

namespace brisova {

template <typename Char>
bool IsDeviceName(std::basic_string_view<Char> fileName) {
    const std::basic_string_view<Char> stem = fileName.substr(0, fileName.find(Char('.')));
    // Whether the stem begins with `name` (upper-case ASCII), in either case.
    auto startsWith = [&stem](std::string_view name) {
        if (stem.size() < name.size()) return false;
        for (std::size_t i = 0; i < name.size(); ++i) {
            Char c = stem[i];
            if (c >= Char('a') && c <= Char('z')) c = static_cast<Char>(c - Char('a') + Char('A'));
            if (c != static_cast<Char>(name[i])) return false;
        }
        return true;
    };
    if (stem.size() == 3) {
        for (std::string_view plain : {"CON", "PRN", "AUX", "NUL"}) {
            if (startsWith(plain)) return true;
        }
        return false;
    }
    return stem.size() == 4 && (startsWith("COM") || startsWith("LPT")) && stem[3] >= Char('1') &&
           stem[3] <= Char('9');
}

}  // namespace brisova
