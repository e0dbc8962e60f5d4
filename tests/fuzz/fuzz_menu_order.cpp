// The stored order of a Favorites folder, a binary value any program can write: every position
// shown names an entry that was read, and read whole.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "favorites/menu_order.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::optional<brisova::MenuOrder> order = brisova::ParseMenuOrder(std::span<const std::uint8_t>(data, size));
    if (!order) return 0;
    for (int index : order->shown) {
        if (index < -1 || index >= static_cast<int>(order->entries.size())) std::abort();
    }
    // An entry shorter than its 22 bytes of fixed fields cannot have stored the position it holds.
    for (const brisova::MenuOrderEntry& entry : order->entries) {
        if (entry.size < 22) std::abort();
    }
    return 0;
}
