// Address resolution and local file addresses: the input is a base address and a reference,
// split at the first line feed.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "infolib/web_address.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::size_t split = text.find('\n');
    std::string_view base = text.substr(0, split);
    std::string_view reference = split == std::string_view::npos ? std::string_view() : text.substr(split + 1);
    if (std::optional<std::string> resolved = brisova::ResolveAddress(base, reference)) {
        // What comes out is an address with a scheme of its own.
        if (brisova::AddressScheme(*resolved).empty() && !resolved->empty()) std::abort();
    }
    brisova::LocalPathFromFileAddress(text);
    brisova::PercentDecode(text);
    return 0;
}
