#include "platform/registry_view_win.h"

#include "platform/handles_win.h"
#include "platform/registry_win.h"

bool RegistryView::HasKey(std::string_view path) const {
    HKEY key = nullptr;
    const std::string full = brisova::JoinKeyPath(readBase_, path);
    if (::RegOpenKeyExA(readRoot_, full.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    ScopedKey owner(key);
    return true;
}

std::optional<std::string> RegistryView::ReadString(std::string_view path, std::string_view name) const {
    return ReadRegistryString(readRoot_, brisova::JoinKeyPath(readBase_, path).c_str(), std::string(name).c_str());
}

bool RegistryView::WriteString(std::string_view path, std::string_view name, std::string_view value) {
    return WriteRegistryString(writeRoot_, brisova::JoinKeyPath(writeBase_, path).c_str(), std::string(name).c_str(),
                               std::string(value));
}
