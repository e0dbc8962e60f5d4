#include "shared/shortcuts.h"

#include "platform/ascii_case.h"

namespace brisova {

namespace {
std::string_view HostPart(std::string_view lowered) {
    if (lowered.starts_with("http://")) lowered.remove_prefix(7);
    if (lowered.starts_with("www.")) lowered.remove_prefix(4);
    return lowered.substr(0, lowered.find('/'));
}
}  // namespace

std::string ExpandShortcut(std::string_view address, std::span<const ShortcutEntry> shortcuts) {
    std::string lowered = AsciiLowerCase(address);
    std::string_view host = HostPart(lowered);
    for (const ShortcutEntry& entry : shortcuts) {
        if (entry.key == host) return entry.address;
    }
    return std::string(address);
}

}  // namespace brisova
