// The 4-byte time files "data\UpdateDate" and "data\counter_time": a signed 32-bit little-endian
// count of seconds since 1970-01-01 00:00 UTC.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brisova {

// A missing file or one of fewer than 4 bytes reads as time 0; bytes after the fourth are ignored.
std::int64_t DecodeTimeFile(const std::optional<std::string>& bytes);
std::string EncodeTimeFile(std::int64_t seconds);

// Whole hours between two times in either order, so a clock set back counts like one gone forward.
std::int64_t WholeHoursApart(std::int64_t a, std::int64_t b);

}  // namespace brisova
