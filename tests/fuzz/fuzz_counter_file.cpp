// The usage counter's settings file.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "online/usage_counter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto settings = brisova::ParseCounterSettings(std::string_view(reinterpret_cast<const char*>(data), size));
    if (settings && settings->url.size() > brisova::kLongestCounterUrl) std::abort();
    return 0;
}
