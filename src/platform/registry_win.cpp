#include "platform/registry_win.h"

#include <vector>

#include "platform/handles_win.h"

namespace {
ScopedKey OpenKey(HKEY root, const char* subKey, REGSAM access) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, subKey, 0, access, &key) != ERROR_SUCCESS) return {};
    return ScopedKey(key);
}
}  // namespace

std::optional<DWORD> ReadRegistryDword(HKEY root, const char* subKey, const char* name) {
    ScopedKey key = OpenKey(root, subKey, KEY_QUERY_VALUE);
    if (!key) return std::nullopt;
    DWORD value = 0, type = 0, size = sizeof value;
    if (::RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return std::nullopt;
    return value;
}

ScopedKey OpenRegistryKey(HKEY root, const std::string& subKey, REGSAM access) {
    return OpenKey(root, subKey.c_str(), access);
}

std::optional<DWORD> ReadDwordValue(HKEY key, const char* name) {
    DWORD value = 0, type = 0, size = sizeof value;
    if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        size != sizeof value)
        return std::nullopt;
    return value;
}

bool WriteDwordValue(HKEY key, const char* name, DWORD value) {
    return ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
           ERROR_SUCCESS;
}

std::optional<std::string> ReadRegistryString(HKEY root, const char* subKey, const char* name) {
    ScopedKey key = OpenKey(root, subKey, KEY_QUERY_VALUE);
    if (!key) return std::nullopt;
    DWORD type = 0, size = 0;
    if (::RegQueryValueExA(key.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    std::vector<char> buffer(size + 1, '\0');
    if (::RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::string(buffer.data());
}

bool WriteRegistryString(HKEY root, const char* subKey, const char* name, const std::string& value) {
    HKEY raw = nullptr;
    if (::RegCreateKeyExA(root, subKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw, nullptr) != ERROR_SUCCESS)
        return false;
    ScopedKey key(raw);
    return ::RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool WriteRegistryDword(HKEY root, const char* subKey, const char* name, DWORD value) {
    HKEY raw = nullptr;
    if (::RegCreateKeyExA(root, subKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw, nullptr) != ERROR_SUCCESS)
        return false;
    ScopedKey key(raw);
    return ::RegSetValueExA(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
           ERROR_SUCCESS;
}
