#include "online/version_list.h"

#include "online/file_store.h"
#include "platform/device_names.h"

#include <cctype>
#include <charconv>
#include <optional>

namespace brisova {

namespace {

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (end != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        if (i > start) fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

std::optional<int> ParseInt(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<VersionEntry> ParseEntry(std::string_view line) {
    std::vector<std::string_view> fields = Fields(line);
    if (fields.size() < 4) return std::nullopt;
    if (fields[0].size() > kMaxEntryFieldLength || fields[1].size() > kMaxEntryFieldLength) return std::nullopt;
    std::optional<int> version = ParseInt(fields[2]);
    std::optional<int> length = ParseInt(fields[3]);
    if (!version || !length || *length < 0) return std::nullopt;
    return VersionEntry{std::string(fields[0]), std::string(fields[1]), *version, *length};
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && EqualsIgnoringCase(text.substr(text.size() - tail.size()), tail);
}

// A single part of a Windows path that names exactly itself: printable ASCII (the same file in
// every code page), none of the characters Windows refuses in a name, no trailing dot or blank
// (Windows drops them, so "VerInf." is "VerInf" and "download." is "download"; this also refuses
// "." and ".."), and no device name ("CON", "nul.txt" open a device).
bool IsPathPart(std::string_view part) {
    if (part.empty() || part.back() == '.' || part.back() == ' ') return false;
    for (char c : part) {
        auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u >= 0x7F) return false;
        if (std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos) return false;
    }
    return !IsDeviceName(part);
}

std::vector<std::string_view> PathParts(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\' || path[i] == '/') {
            parts.push_back(path.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

bool IsPlainFileName(std::string_view name) {
    return IsPathPart(name) && !EqualsIgnoringCase(name, "VerInf") &&
           !EndsWithIgnoringCase(name, kPartialFileSuffix);
}

// The user's own files and the state the program keeps between starts: an update never
// replaces them.
bool HoldsUserState(const std::vector<std::string_view>& parts) {
    if (parts.size() == 1) return EqualsIgnoringCase(parts[0], "Brisova.ini");
    if (!EqualsIgnoringCase(parts[0], "data")) return false;
    if (parts.size() > 2) return EqualsIgnoringCase(parts[1], "MyInfoLib");
    for (std::string_view kept : {"startup", "MyInfoLib", "UpdateDate", "counter_time", "VerInf"}) {
        if (EqualsIgnoringCase(parts[1], kept)) return true;
    }
    return false;
}

bool IsInsideProgramDirectory(std::string_view target) {
    std::vector<std::string_view> parts = PathParts(target);
    for (std::string_view part : parts) {
        if (!IsPathPart(part)) return false;
    }
    bool inStaging = parts.size() >= 2 && EqualsIgnoringCase(parts[0], "data") &&
                     EqualsIgnoringCase(parts[1], "download");
    return !inStaging && !HoldsUserState(parts);
}

}  // namespace

VersionList ParseVersionList(std::string_view text) {
    std::vector<std::string_view> lines = Lines(text);
    VersionList list;
    if (lines.size() > 0) list.primaryServer = std::string(lines[0]);
    if (lines.size() > 1) list.secondaryServer = std::string(lines[1]);
    for (std::size_t i = 2; i < lines.size() && lines[i].size() >= kShortestEntryLine; ++i) {
        if (std::optional<VersionEntry> entry = ParseEntry(lines[i])) list.entries.push_back(std::move(*entry));
    }
    return list;
}

bool IsInstallableEntry(const VersionEntry& entry) {
    return entry.length <= kMaxUpdateFileBytes && IsPlainFileName(entry.name) &&
           IsInsideProgramDirectory(entry.target);
}

bool IsExecutableEntry(const VersionEntry& entry) {
    return entry.name.find(".exe") != std::string::npos;
}

}  // namespace brisova
