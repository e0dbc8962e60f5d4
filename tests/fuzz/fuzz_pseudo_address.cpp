// The library's pseudo-addresses, which any page can navigate to, and the arguments they carry.
#include <cstdint>
#include <string_view>

#include "infolib/library_search.h"
#include "infolib/pseudo_address.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    brisova::CheckPseudoAddress(text);
    brisova::ParseLibraryNumber(text);
    brisova::ParseShowFolderArgument(text);
    brisova::ParseSearchArgument(text);
    brisova::ParseDeleteArgument(text);
    brisova::SplitQueryWords(brisova::DecodeQuery(text));
    return 0;
}
