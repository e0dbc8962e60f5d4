// The tool bar's button sequence from the settings file: each line of the input is the text of
// one "B<n>" value.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/profile.h"
#include "toolbar/toolbar_sequence.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    brisova::MemoryProfile profile;
    std::string value;
    int position = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            profile.WriteString(brisova::kToolbarSection, brisova::ToolbarSequenceKey(position++), value);
            value.clear();
        } else {
            value.push_back(static_cast<char>(data[i]));
        }
    }
    if (brisova::ReadToolbarSequence(profile).size() > brisova::kMaxSequencePositions) std::abort();
    brisova::ReadCustomizeSequence(profile);
    return 0;
}
