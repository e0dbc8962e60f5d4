// The record of open windows, "lastvisit": what the next start reopens after a run that did
// not end in order. The record lists the windows in tab order, each with its address, its title
// and its back and forward addresses, and says which window was active:
//   "\x01Brisova windows 2\n"
//   for each window "W <address>\n", then "T <title>\n", then its back addresses, nearest
//   first, as "B <address>\n", and its forward ones as "F <address>\n"; "A\n" after the
//   active window's lines;
//   and one NUL byte.
// Records of earlier versions hold the addresses alone, each followed by "\n", then a NUL;
// they restore as windows without lists, the first active.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/profile.h"

namespace brisova {

struct RecordedWindow {
    std::string address;
    std::string title;
    std::vector<std::string> back;     // nearest first
    std::vector<std::string> forward;  // nearest first

    bool operator==(const RecordedWindow&) const = default;
};

struct WindowRecord {
    std::vector<RecordedWindow> windows;
    std::size_t active = 0;

    bool operator==(const WindowRecord&) const = default;
};

inline constexpr std::size_t kMaxTravelEntries = 50;
// The record is written at every navigation, into the settings file as two letters a byte:
// longer lists are cut, the farthest entries first, to stay within this.
inline constexpr std::size_t kMaxRecordBytes = 128 * 1024;
// A longer line is damage.
inline constexpr std::size_t kMaxRecordLine = 8192;

Bytes EncodeWindowList(const WindowRecord& record);
// Either format. Reading stops at the first damaged line and keeps the windows before it (the
// window being read keeps what was read of it); an active index past the windows is 0.
WindowRecord DecodeWindowList(const Bytes& record);

// The record of an earlier version: each address followed by "\n", then one NUL byte.
Bytes EncodeWindowRecord(const std::vector<std::string>& addresses);
// The addresses of a record of either format, in order.
std::vector<std::string> DecodeWindowRecord(const Bytes& record);
// Only a record of more than 5 bytes is worth offering to restore.
bool ShouldOfferRestore(const std::optional<Bytes>& record);

}  // namespace brisova
