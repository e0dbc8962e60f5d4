#include "address_bar/address_registry_win.h"

#include "address_bar/address_rules.h"
#include "platform/handles_win.h"

namespace {
ScopedKey OpenKey(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
    return ScopedKey(key);
}

// A string value whole, however long, cut at its first NUL. A value of another type counts as
// present but empty, so it neither ends a numbered list nor puts bytes into it.
std::optional<std::string> ReadString(HKEY key, const std::string& name) {
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::string();
    std::string text;
    // The value may grow between the two reads; then it is read again at its new size.
    LSTATUS status = ERROR_MORE_DATA;
    while (status == ERROR_MORE_DATA) {
        text.resize(size);
        status = ::RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size);
    }
    if (status != ERROR_SUCCESS) return std::nullopt;
    text.resize(size);
    return text.substr(0, text.find('\0'));
}
}  // namespace

std::optional<std::vector<std::string>> ReadTypedUrls(const AddressRegistryKeys& keys) {
    ScopedKey key = OpenKey(keys.root, keys.typedUrls);
    if (!key) return std::nullopt;
    return brisova::LoadTypedUrls([&](const std::string& name) { return ReadString(key.get(), name); });
}

bool WriteTypedUrls(const AddressRegistryKeys& keys, const std::vector<std::string>& items) {
    ::RegDeleteTreeA(keys.root, keys.typedUrls.c_str());
    HKEY created = nullptr;
    if (::RegCreateKeyExA(keys.root, keys.typedUrls.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                          &created, nullptr) != ERROR_SUCCESS)
        return false;
    ScopedKey key(created);
    bool written = true;
    for (const brisova::NamedText& value : brisova::TypedUrlsToSave(items)) {
        // Registry strings carry their terminating NUL in their size.
        written &= ::RegSetValueExA(key.get(), value.name.c_str(), 0, REG_SZ,
                                    reinterpret_cast<const BYTE*>(value.text.c_str()),
                                    static_cast<DWORD>(value.text.size() + 1)) == ERROR_SUCCESS;
    }
    return written;
}

std::optional<std::string> ReadShowGoButton(const AddressRegistryKeys& keys) {
    ScopedKey key = OpenKey(keys.root, keys.main);
    if (!key) return std::nullopt;
    return ReadString(key.get(), "ShowGoButton");
}
