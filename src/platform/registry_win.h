// Small helpers over the current user's registry values the program reads and writes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/handles_win.h"

std::optional<DWORD> ReadRegistryDword(HKEY root, const char* subKey, const char* name);
// An existing key, or none.
ScopedKey OpenRegistryKey(HKEY root, const std::string& subKey, REGSAM access);
// A 32-bit value of an open key; none when it is missing or of another size.
std::optional<DWORD> ReadDwordValue(HKEY key, const char* name);
bool WriteDwordValue(HKEY key, const char* name, DWORD value);
std::optional<std::string> ReadRegistryString(HKEY root, const char* subKey, const char* name);
// Writes a string value with its terminating NUL counted in its size; creates the key.
bool WriteRegistryString(HKEY root, const char* subKey, const char* name, const std::string& value);
bool WriteRegistryDword(HKEY root, const char* subKey, const char* name, DWORD value);
