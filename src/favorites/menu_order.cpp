#include "favorites/menu_order.h"

#include <cstddef>

namespace brisova {

namespace {
constexpr std::size_t kHeaderSize = 20;
// The fixed fields of an entry: size, position, four 16-bit and one 32-bit field, attributes.
constexpr std::size_t kEntryFields = 22;
constexpr std::uint16_t kWideName = 4;

// Reads little-endian numbers and strings from the value, never past `limit`. A read that does
// not fit yields nothing and leaves the cursor where it was.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> value) : value_(value) {}

    std::size_t cursor = 0;

    template <typename T>
    T Number(std::size_t limit) {
        if (cursor + sizeof(T) > limit) return 0;
        std::uint32_t n = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) n |= static_cast<std::uint32_t>(value_[cursor + i]) << (8 * i);
        cursor += sizeof(T);
        return static_cast<T>(n);
    }

    std::optional<std::string> Narrow(std::size_t limit) {
        std::size_t end = cursor;
        while (end < limit && value_[end] != 0) ++end;
        if (end >= limit || end == cursor) return std::nullopt;
        std::string text(reinterpret_cast<const char*>(value_.data() + cursor), end - cursor);
        cursor = end + 1;
        return text;
    }

    std::optional<std::string> Wide(std::size_t limit) {
        std::u16string text;
        std::size_t at = cursor;
        for (;;) {
            if (at + 2 > limit) return std::nullopt;
            auto unit = static_cast<char16_t>(value_[at] | (value_[at + 1] << 8));
            if (unit == 0) break;
            text.push_back(unit);
            at += 2;
        }
        if (text.empty()) return std::nullopt;
        cursor = at;
        while (cursor < limit && value_[cursor] == 0) ++cursor;
        return Utf8FromUtf16(text);
    }

private:
    std::span<const std::uint8_t> value_;
};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}
}  // namespace

std::string Utf8FromUtf16(std::span<const char16_t> text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        AppendUtf8(out, c);
    }
    return out;
}

std::optional<MenuOrder> ParseMenuOrder(std::span<const std::uint8_t> value) {
    const std::size_t end = value.size();
    if (end < kHeaderSize) return std::nullopt;
    Reader read(value);
    read.cursor = 8;
    MenuOrder order;
    order.headerA = read.Number<std::uint32_t>(end);
    order.headerB = read.Number<std::uint32_t>(end);
    const auto count = static_cast<std::int32_t>(read.Number<std::uint32_t>(end));
    if (count < 1 || static_cast<std::size_t>(count) > (end - kHeaderSize) / kEntryFields) return std::nullopt;

    order.shown.assign(static_cast<std::size_t>(count), -1);
    for (std::int32_t i = 0; i < count; ++i) {
        const std::size_t start = read.cursor;
        MenuOrderEntry entry;
        entry.size = read.Number<std::uint32_t>(end);
        // An entry too short for its fixed fields would claim position 0 with fields it lacks.
        if (entry.size < kEntryFields || entry.size > end - start) break;
        const std::size_t limit = start + entry.size;
        entry.position = static_cast<std::int32_t>(read.Number<std::uint32_t>(limit));
        entry.reserved1 = read.Number<std::uint16_t>(limit);
        entry.type = read.Number<std::uint16_t>(limit);
        entry.reserved2 = read.Number<std::uint32_t>(limit);
        entry.reserved3 = read.Number<std::uint16_t>(limit);
        entry.reserved4 = read.Number<std::uint16_t>(limit);
        entry.attributes = read.Number<std::uint16_t>(limit);
        entry.name = (entry.type & kWideName) ? read.Wide(limit) : read.Narrow(limit);
        entry.secondName = read.Narrow(limit);
        if (entry.position >= 0 && entry.position < count)
            order.shown[static_cast<std::size_t>(entry.position)] = static_cast<int>(order.entries.size());
        order.entries.push_back(std::move(entry));
        read.cursor = limit;
    }
    if (order.entries.empty()) return std::nullopt;
    return order;
}

}  // namespace brisova
