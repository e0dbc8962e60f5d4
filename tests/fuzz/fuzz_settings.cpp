// Values of the settings file: binary values, numbers, the record of open windows and the
// hand-off block.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/profile.h"
#include "shared/startup_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    brisova::ParseProfileInt(text);
    std::optional<brisova::Bytes> bytes = brisova::DecodeProfileBinary(text);
    if (bytes && brisova::EncodeProfileBinary(*bytes) != text.substr(0, text.size() & ~std::size_t{1})) std::abort();
    brisova::Bytes raw(data, data + size);
    brisova::ShouldOfferRestore(raw);
    brisova::DecodeWindowRecord(raw);
    // A record as read is written back the same: nothing read is lost by the next write.
    // (Inputs past the record's bound may lose their lists by design.)
    const brisova::WindowRecord record = brisova::DecodeWindowList(raw);
    if (size < brisova::kMaxRecordBytes / 2 && brisova::DecodeWindowList(brisova::EncodeWindowList(record)) != record)
        std::abort();
    if (size >= 4) {
        std::uint32_t number = data[0] | (data[1] << 8) | (data[2] << 16) | (std::uint32_t{data[3]} << 24);
        std::string block(text.substr(4));
        block.resize(brisova::kHandOffBlockSize, '\0');
        brisova::ReadHandOffBlock(block, number);
    }
    return 0;
}
