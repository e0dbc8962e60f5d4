// The shop and travel shortcuts (Daru&Redava): a short name typed as a host stands for an
// address. The content files fill the table; the address bar and the favourites expand by it.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace brisova {

// One shop or travel shortcut: typing its key as a host name opens its address.
struct ShortcutEntry {
    std::string address;
    std::string key;
};

// The shortcut whose key equals the host part of the address (lower-cased, without "http://"
// and "www."), compared byte for byte in table order; without one the address is returned as
// given. The whole address is examined, however long.
std::string ExpandShortcut(std::string_view address, std::span<const ShortcutEntry> shortcuts);

}  // namespace brisova
