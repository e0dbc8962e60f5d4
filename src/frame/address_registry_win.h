// The system browser's registry keys the program shares with it: the typed-address list, the Go
// button switch and the start page, encoding detection and offline mode; the shell's
// associations that the default-browser registration changes; and the feature-control key where
// the program names the browser control's emulation mode. Tests point the keys at keys of their
// own.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct AddressRegistryKeys {
    HKEY root = HKEY_CURRENT_USER;
    std::string typedUrls = "Software\\Microsoft\\Internet Explorer\\TypedUrls";
    std::string main = "Software\\Microsoft\\Internet Explorer\\Main";
    // Associations are read through `classesView` (the merged classes root, where the user's own
    // classes come first) and written under `classes` of `root`, so that registering needs no
    // administrator rights. `software` holds the browser's capabilities and the system's choice.
    HKEY classesView = HKEY_CLASSES_ROOT;
    std::string classesViewPath;
    std::string classes = "Software\\Classes";
    std::string software = "Software";
    std::string international = "Software\\Microsoft\\Internet Explorer\\International";
    std::string internetSettings = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
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
