#include "platform/ini_profile_win.h"

#include <windows.h>

#include <mutex>
#include <vector>

namespace {
// Far beyond any value the program writes; a larger one is read cut rather than without end.
constexpr std::size_t kMaxValueBytes = 64 * 1024 * 1024;

// One change at a time: two threads copying the file at once would each drop the other's change.
std::mutex& WriteLock() {
    static std::mutex lock;
    return lock;
}
}  // namespace

int IniFileProfile::ReadInt(std::string_view section, std::string_view key, int fallback) const {
    return static_cast<int>(::GetPrivateProfileIntA(std::string(section).c_str(), std::string(key).c_str(),
                                                    fallback, path_.c_str()));
}

void IniFileProfile::WriteInt(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

std::string IniFileProfile::ReadString(std::string_view section, std::string_view key,
                                       std::string_view fallback) const {
    // The function reports a value cut to the buffer as buffer size - 1 characters, so the
    // buffer grows until the value fits: a record of many open windows is kilobytes long.
    std::string sectionName(section), keyName(key), def(fallback);
    std::vector<char> buffer(4096);
    for (;;) {
        DWORD n = ::GetPrivateProfileStringA(sectionName.c_str(), keyName.c_str(), def.c_str(), buffer.data(),
                                             static_cast<DWORD>(buffer.size()), path_.c_str());
        if (n + 1 < buffer.size() || buffer.size() >= kMaxValueBytes) return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 4);
    }
}

void IniFileProfile::WriteString(std::string_view section, std::string_view key, std::string_view text) {
    std::string stored(text);
    // Reading drops one pair of quotes around a value ("\"a.exe\" \"%1\"" would come back as
    // "a.exe\" \"%1"): such a value is stored inside one more pair.
    if (stored.size() >= 2 && (stored.front() == '"' || stored.front() == '\'') && stored.back() == stored.front())
        stored = "\"" + stored + "\"";
    std::string sectionName(section), keyName(key);

    // The system's profile functions rewrite the file in place, emptied first and then written:
    // a program killed in between (the record is written on every navigation) would lose every
    // setting. So the change goes into a copy that then replaces the file in one rename. Where
    // that cannot be done (the file held open elsewhere), the file is written in place.
    std::lock_guard<std::mutex> lock(WriteLock());
    std::string temporary = path_ + ".tmp";
    ::DeleteFileA(temporary.c_str());
    bool copied = ::CopyFileA(path_.c_str(), temporary.c_str(), FALSE) || ::GetLastError() == ERROR_FILE_NOT_FOUND;
    if (copied &&
        ::WritePrivateProfileStringA(sectionName.c_str(), keyName.c_str(), stored.c_str(), temporary.c_str()) &&
        ::MoveFileExA(temporary.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return;
    }
    ::DeleteFileA(temporary.c_str());
    ::WritePrivateProfileStringA(sectionName.c_str(), keyName.c_str(), stored.c_str(), path_.c_str());
}
