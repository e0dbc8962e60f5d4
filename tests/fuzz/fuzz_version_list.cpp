// The update server's version list: every entry read is within its bounds, and no entry that
// passes the install checks can name a place outside the program directory.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "online/version_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    brisova::VersionList list = brisova::ParseVersionList(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const brisova::VersionEntry& entry : list.entries) {
        if (entry.name.size() > brisova::kMaxEntryFieldLength || entry.length < 0) std::abort();
        if (!brisova::IsInstallableEntry(entry)) continue;
        const std::string& target = entry.target;
        if (target.find(':') != std::string::npos || target.starts_with('\\') || target.starts_with('/')) std::abort();
        std::size_t start = 0;
        for (std::size_t i = 0; i <= target.size(); ++i) {
            if (i < target.size() && target[i] != '\\' && target[i] != '/') continue;
            std::string_view part(target.data() + start, i - start);
            if (part.empty() || part == "." || part == ".." || part.back() == '.' || part.back() == ' ') std::abort();
            start = i + 1;
        }
    }
    return 0;
}
