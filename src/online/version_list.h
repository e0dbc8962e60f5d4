// The version list published by the update server and kept as the installed list: the primary
// and secondary server bases, then one "name target version length" line per file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace brisova {

struct VersionEntry {
    std::string name;    // the file's name on the server and in the staging directory
    std::string target;  // the installed file, relative to the program directory
    int version = 0;     // only ever compared for equality
    int length = 0;      // size of the file in bytes
};

struct VersionList {
    std::string primaryServer;
    std::string secondaryServer;  // may be empty
    std::vector<VersionEntry> entries;
};

inline constexpr std::size_t kMaxEntryFieldLength = 199;
// No file of the program comes near this; a list entry announcing more is not downloaded.
inline constexpr int kMaxUpdateFileBytes = 256 * 1024 * 1024;
// Entry reading ends at the first line shorter than this.
inline constexpr std::size_t kShortestEntryLine = 5;

// Reads the lines of a list (a CR before a line feed belongs to the line end). Entries end at
// the end of the text or at the first short line. A line that does not hold a name, a target, a
// version and a non-negative length, or whose name or target is longer than 199 characters, is
// passed over; fields after the fourth are ignored.
VersionList ParseVersionList(std::string_view text);

// Whether an entry may be downloaded and installed at all. Both fields are printable ASCII, and
// every part of them names exactly that file (no trailing dot or blank, no device name). The
// name must be a plain file name that cannot be mistaken for the pending list or a file being
// written; the target must stay inside the program directory (no drive, no leading "\", no
// ".."), outside the staging directory and away from the user's own files and the program's
// state (Brisova.ini, data\startup, the library, UpdateDate, counter_time, the installed list).
// The listed length is at most kMaxUpdateFileBytes.
bool IsInstallableEntry(const VersionEntry& entry);

// Entries whose name contains ".exe" are replaced at the next restart instead of at once.
bool IsExecutableEntry(const VersionEntry& entry);

}  // namespace brisova
