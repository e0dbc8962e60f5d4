// The system browser's registry keys the program shares with it: the typed-address list and the
// Go button switch, encoding detection and offline mode. Tests point them at keys of their own.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct AddressRegistryKeys {
    HKEY root = HKEY_CURRENT_USER;
    std::string typedUrls = "Software\\Microsoft\\Internet Explorer\\TypedUrls";
    std::string main = "Software\\Microsoft\\Internet Explorer\\Main";
    std::string international = "Software\\Microsoft\\Internet Explorer\\International";
    std::string internetSettings = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
};

// url1, url2, ... until the first missing value, empty ones skipped; nothing when the key
// cannot be opened.
std::optional<std::vector<std::string>> ReadTypedUrls(const AddressRegistryKeys& keys);

// Deletes the key with its values, creates it again and writes the first 24 items as url1,
// url2, ...; false when the key cannot be created, in which case nothing is written.
bool WriteTypedUrls(const AddressRegistryKeys& keys, const std::vector<std::string>& items);

// The "ShowGoButton" text under the main key, or nothing when it is missing.
std::optional<std::string> ReadShowGoButton(const AddressRegistryKeys& keys);
