// The system browser's registry keys the program shares with it: the typed-address list, the Go
// button switch and the start page, encoding detection and offline mode; the shell's
// associations that the default-browser registration changes; and the feature-control key where
// the program names the browser control's emulation mode. Tests point the keys at keys of their
// own.
#pragma once

#include <windows.h>

#include <string>

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
