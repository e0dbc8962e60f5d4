// The mail commands' reading of page addresses and titles, which any page chooses: a local
// page's path names one whole file, and an attachment's name is one harmless file name.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "commands/mail_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    if (std::optional<std::string> path = brisova::LocalPagePath(text)) {
        for (char c : *path)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) std::abort();
    }
    if (std::optional<std::string> path = brisova::LocalAttachmentPath(text)) {
        if (path->find(';') != std::string::npos) std::abort();
    }
    const std::string name = brisova::SafeAttachmentName(text);
    if (name.empty() || name.size() > 64 || name.find_first_of("\\/:*?\"<>|;") != std::string::npos) std::abort();
    if (name.back() == '.' || name.back() == ' ') std::abort();
    return 0;
}
