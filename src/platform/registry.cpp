#include "platform/registry.h"

#include "platform/ascii_case.h"

namespace brisova {

std::optional<std::string> LayeredRegistry::ReadString(std::string_view path, std::string_view name) const {
    if (std::optional<std::string> value = upper_.ReadString(path, name)) return value;
    return lower_.ReadString(path, name);
}

bool MemoryRegistry::HasKey(std::string_view path) const {
    return keys_.count(AsciiLowerCase(path)) != 0;
}

std::optional<std::string> MemoryRegistry::ReadString(std::string_view path, std::string_view name) const {
    auto key = keys_.find(AsciiLowerCase(path));
    if (key == keys_.end()) return std::nullopt;
    auto value = key->second.find(AsciiLowerCase(name));
    if (value == key->second.end()) return std::nullopt;
    return value->second;
}

bool MemoryRegistry::WriteString(std::string_view path, std::string_view name, std::string_view value) {
    CreateKey(path);
    keys_[AsciiLowerCase(path)][AsciiLowerCase(name)] = std::string(value);
    return true;
}

void MemoryRegistry::CreateKey(std::string_view path) {
    const std::string lower = AsciiLowerCase(path);
    for (std::size_t end = lower.find('\\'); end != std::string::npos; end = lower.find('\\', end + 1))
        keys_[lower.substr(0, end)];
    keys_[lower];
}

std::map<std::string, std::string> MemoryRegistry::Values() const {
    std::map<std::string, std::string> all;
    for (const auto& [path, values] : keys_)
        for (const auto& [name, value] : values) all[path + "|" + name] = value;
    return all;
}

std::string JoinKeyPath(std::string_view base, std::string_view path) {
    if (base.empty()) return std::string(path);
    if (path.empty()) return std::string(base);
    return std::string(base) + "\\" + std::string(path);
}

}  // namespace brisova
