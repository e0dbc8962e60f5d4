// Small helpers over the current user's registry values the program reads and writes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

std::optional<DWORD> ReadRegistryDword(HKEY root, const char* subKey, const char* name);
std::optional<std::string> ReadRegistryString(HKEY root, const char* subKey, const char* name);
// Writes a string value with its terminating NUL counted in its size; creates the key.
bool WriteRegistryString(HKEY root, const char* subKey, const char* name, const std::string& value);
bool WriteRegistryDword(HKEY root, const char* subKey, const char* name, DWORD value);

inline constexpr const char* kInternetSettingsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
