#include "online/time_file.h"

namespace brisova {

std::int64_t DecodeTimeFile(const std::optional<std::string>& bytes) {
    if (!bytes || bytes->size() < 4) return 0;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>((*bytes)[i]);
    return static_cast<std::int32_t>(value);
}

std::string EncodeTimeFile(std::int64_t seconds) {
    auto value = static_cast<std::uint32_t>(seconds);
    std::string bytes(4, '\0');
    for (char& b : bytes) {
        b = static_cast<char>(value & 0xFF);
        value >>= 8;
    }
    return bytes;
}

std::int64_t WholeHoursApart(std::int64_t a, std::int64_t b) {
    std::int64_t difference = a > b ? a - b : b - a;
    return difference / 3600;
}

}  // namespace brisova
