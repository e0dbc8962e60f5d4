// The system browser's registry values that the address bar shares with it: the typed-address
// list and the Go button switch; and the feature-control key where the program names the
// browser control's emulation mode. Tests point the keys at a test key of their own.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct AddressRegistryKeys {
    HKEY root = HKEY_CURRENT_USER;
    std::string typedUrls = "Software\\Microsoft\\Internet Explorer\\TypedUrls";
    std::string main = "Software\\Microsoft\\Internet Explorer\\Main";
    std::string browserEmulation =
        "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";
};

// url1, url2, ... until the first missing value, empty ones skipped; nothing when the key
// cannot be opened.
std::optional<std::vector<std::string>> ReadTypedUrls(const AddressRegistryKeys& keys);

// Deletes the key with its values, creates it again and writes the first 24 items as url1,
// url2, ...; false when the key cannot be created, in which case nothing is written.
bool WriteTypedUrls(const AddressRegistryKeys& keys, const std::vector<std::string>& items);

// The "ShowGoButton" text under the main key, or nothing when it is missing.
std::optional<std::string> ReadShowGoButton(const AddressRegistryKeys& keys);
