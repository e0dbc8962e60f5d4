// The order in which the user arranged a Favorites folder, as the shell stores it: a binary
// "Order" value per folder. Any program can write that value, so every read is bounded by the
// value's own size and a damaged value gives no order at all rather than a guess.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace brisova {

// Attributes an entry records for its item.
inline constexpr std::uint16_t kOrderNoAttributes = 0;
inline constexpr std::uint16_t kOrderFolder = 0x10;
inline constexpr std::uint16_t kOrderSystemFolder = 0x14;
inline constexpr std::uint16_t kOrderFile = 0x20;

struct MenuOrderEntry {
    std::uint32_t size = 0;      // bytes from this entry's start to the next one's
    std::int32_t position = 0;   // 0-based place in the shown order
    std::uint16_t reserved1 = 0;
    std::uint16_t type = 0;      // bit 2: the name is stored as UTF-16
    std::uint32_t reserved2 = 0;
    std::uint16_t reserved3 = 0;
    std::uint16_t reserved4 = 0;
    std::uint16_t attributes = 0;
    // The item's file or folder name as the program's text (UTF-8); none when the entry has
    // none that could be read.
    std::optional<std::string> name;
    std::optional<std::string> secondName;
};

struct MenuOrder {
    std::uint32_t headerA = 0;
    std::uint32_t headerB = 0;
    std::vector<MenuOrderEntry> entries;
    // shown[p]: the index into `entries` of the entry at position p, or -1 when no entry
    // claimed that position.
    std::vector<int> shown;
};

// Parses a stored "Order" value. Nothing when it holds no entry: shorter than its 20-byte
// header, a count below 1 or larger than the value can hold, or a first entry that is damaged.
// An entry too short for its fixed fields, or one that runs past the value, ends the parse;
// the entries before it stay.
std::optional<MenuOrder> ParseMenuOrder(std::span<const std::uint8_t> value);

// UTF-16 (little-endian code units) as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8FromUtf16(std::span<const char16_t> text);

}  // namespace brisova
