#include "platform/ini_profile_win.h"

#include <windows.h>

#include <vector>

int IniFileProfile::ReadInt(std::string_view section, std::string_view key, int fallback) const {
    return static_cast<int>(::GetPrivateProfileIntA(std::string(section).c_str(), std::string(key).c_str(),
                                                    fallback, path_.c_str()));
}

void IniFileProfile::WriteInt(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

std::string IniFileProfile::ReadString(std::string_view section, std::string_view key,
                                       std::string_view fallback) const {
    std::vector<char> buffer(4097);
    std::string def(fallback);
    DWORD n = ::GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(), def.c_str(),
                                         buffer.data(), static_cast<DWORD>(buffer.size()), path_.c_str());
    return std::string(buffer.data(), n);
}

void IniFileProfile::WriteString(std::string_view section, std::string_view key, std::string_view text) {
    std::string stored(text);
    // Reading drops one pair of quotes around a value ("\"a.exe\" \"%1\"" would come back as
    // "a.exe\" \"%1"): such a value is stored inside one more pair.
    if (stored.size() >= 2 && (stored.front() == '"' || stored.front() == '\'') && stored.back() == stored.front())
        stored = "\"" + stored + "\"";
    ::WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(), stored.c_str(),
                                 path_.c_str());
}
