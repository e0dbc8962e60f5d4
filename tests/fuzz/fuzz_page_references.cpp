// A page's references: found in text order, each inside the page, its value where it says.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "infolib/page_references.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view html(reinterpret_cast<const char*>(data), size);
    std::size_t previous = 0;
    for (const brisova::TextReference& reference : brisova::FindHtmlReferences(html)) {
        if (reference.begin > reference.end || reference.end > html.size()) std::abort();
        if (reference.begin < previous) std::abort();
        previous = reference.begin;
    }
    for (const brisova::TextReference& reference : brisova::FindStyleReferences(html, 0)) {
        if (reference.begin > reference.end || reference.end > html.size()) std::abort();
    }
    return 0;
}
