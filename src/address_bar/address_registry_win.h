// The typed-address list and the Go button switch in the system browser's keys.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "shared/system_browser_keys_win.h"

// url1, url2, ... until the first missing value, empty ones skipped; nothing when the key
// cannot be opened.
std::optional<std::vector<std::string>> ReadTypedUrls(const AddressRegistryKeys& keys);

// Deletes the key with its values, creates it again and writes the first 24 items as url1,
// url2, ...; false when the key cannot be created, in which case nothing is written.
bool WriteTypedUrls(const AddressRegistryKeys& keys, const std::vector<std::string>& items);

// The "ShowGoButton" text under the main key, or nothing when it is missing.
std::optional<std::string> ReadShowGoButton(const AddressRegistryKeys& keys);
