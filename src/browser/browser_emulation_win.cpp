#include "browser/browser_emulation_win.h"

#include "platform/handles_win.h"

bool EnsureBrowserEmulation(HKEY root, const std::string& key) {
    HKEY created = nullptr;
    if (::RegCreateKeyExA(root, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_QUERY_VALUE | KEY_SET_VALUE,
                          nullptr, &created, nullptr) != ERROR_SUCCESS)
        return false;
    ScopedKey opened(created);
    LSTATUS present = ::RegQueryValueExA(opened.get(), kBrowserEmulationValue, nullptr, nullptr, nullptr, nullptr);
    if (present != ERROR_FILE_NOT_FOUND) return present == ERROR_SUCCESS;
    DWORD mode = kBrowserEmulationMode;
    return ::RegSetValueExA(opened.get(), kBrowserEmulationValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&mode),
                            sizeof mode) == ERROR_SUCCESS;
}
