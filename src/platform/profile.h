// The program's settings file seen through the six profile operations. Production uses
// Brisova.ini beside the executable; tests use the in-memory profile.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisova {

using Bytes = std::vector<std::uint8_t>;

class Profile {
public:
    virtual ~Profile() = default;

    virtual int ReadInt(std::string_view section, std::string_view key, int fallback) const = 0;
    virtual void WriteInt(std::string_view section, std::string_view key, int value) = 0;
    virtual std::string ReadString(std::string_view section, std::string_view key,
                                   std::string_view fallback) const = 0;
    virtual void WriteString(std::string_view section, std::string_view key, std::string_view text) = 0;

    // Binary values are kept as text, two letters a byte; an absent, empty or damaged value
    // reads as no value.
    std::optional<Bytes> ReadBinary(std::string_view section, std::string_view key) const;
    void WriteBinary(std::string_view section, std::string_view key, const Bytes& bytes);
};

// Byte b becomes 'A' + (b & 15) followed by 'A' + (b >> 4).
std::string EncodeProfileBinary(const Bytes& bytes);
// Reverses EncodeProfileBinary. An odd trailing letter is ignored; a letter outside 'A'..'P'
// makes the whole value unreadable.
std::optional<Bytes> DecodeProfileBinary(std::string_view text);

// The decimal reading of a profile integer: optional blanks and sign, then digits; text that
// does not start with a number reads as 0.
int ParseProfileInt(std::string_view text);

class MemoryProfile final : public Profile {
public:
    int ReadInt(std::string_view section, std::string_view key, int fallback) const override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const override;
    void WriteString(std::string_view section, std::string_view key, std::string_view text) override;

    bool Has(std::string_view section, std::string_view key) const;
    void Remove(std::string_view section, std::string_view key);

private:
    const std::string* Find(std::string_view section, std::string_view key) const;
    // Section and key names compare without regard to case, as in an INI file.
    std::map<std::string, std::string> values_;
};

}  // namespace brisova
