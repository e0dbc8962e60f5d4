#include "platform/profile.h"

#include <cctype>
#include <climits>

namespace brisova {

std::optional<Bytes> Profile::ReadBinary(std::string_view section, std::string_view key) const {
    std::string text = ReadString(section, key, "");
    if (text.empty()) return std::nullopt;
    return DecodeProfileBinary(text);
}

void Profile::WriteBinary(std::string_view section, std::string_view key, const Bytes& bytes) {
    WriteString(section, key, EncodeProfileBinary(bytes));
}

std::string EncodeProfileBinary(const Bytes& bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        text += static_cast<char>('A' + (b & 0x0F));
        text += static_cast<char>('A' + (b >> 4));
    }
    return text;
}

std::optional<Bytes> DecodeProfileBinary(std::string_view text) {
    if (text.empty()) return std::nullopt;
    Bytes bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        int low = text[i] - 'A';
        int high = text[i + 1] - 'A';
        if (low < 0 || low > 15 || high < 0 || high > 15) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(low | (high << 4)));
    }
    return bytes;
}

int ParseProfileInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) { value = INT_MAX; break; }
    }
    return static_cast<int>(negative ? -value : value);
}

namespace {
std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}
std::string Slot(std::string_view section, std::string_view key) {
    return Lower(section) + '\n' + Lower(key);
}
}  // namespace

const std::string* MemoryProfile::Find(std::string_view section, std::string_view key) const {
    auto it = values_.find(Slot(section, key));
    return it == values_.end() ? nullptr : &it->second;
}

int MemoryProfile::ReadInt(std::string_view section, std::string_view key, int fallback) const {
    const std::string* text = Find(section, key);
    return text ? ParseProfileInt(*text) : fallback;
}

void MemoryProfile::WriteInt(std::string_view section, std::string_view key, int value) {
    values_[Slot(section, key)] = std::to_string(value);
}

std::string MemoryProfile::ReadString(std::string_view section, std::string_view key,
                                      std::string_view fallback) const {
    const std::string* text = Find(section, key);
    return text ? *text : std::string(fallback);
}

void MemoryProfile::WriteString(std::string_view section, std::string_view key, std::string_view text) {
    values_[Slot(section, key)] = std::string(text);
}

bool MemoryProfile::Has(std::string_view section, std::string_view key) const {
    return Find(section, key) != nullptr;
}

void MemoryProfile::Remove(std::string_view section, std::string_view key) {
    values_.erase(Slot(section, key));
}

}  // namespace brisova
