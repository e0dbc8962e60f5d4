// Measuring and cutting the program's UTF-8 text by characters: a display text cut by bytes
// could end inside a character, which the system then shows as a stray symbol or drops.
#pragma once

#include <cstddef>
#include <string_view>

namespace brisova {

// A byte that continues a character rather than starting one.
constexpr bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The number of characters: bytes that start one (a stray continuation byte counts as none).
std::size_t Utf8Length(std::string_view text);

// The longest start of text with at most maxCharacters characters; never ends inside one.
std::string_view Utf8Prefix(std::string_view text, std::size_t maxCharacters);

// The text without the byte-order mark (EF BB BF) that editors on Windows put before UTF-8
// text; read as text, the mark would become part of the first line.
std::string_view WithoutByteOrderMark(std::string_view text);

}  // namespace brisova
