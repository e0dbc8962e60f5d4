#include "platform/tick_clock.h"

namespace brisova {

bool ElapsedWithin(Ticks since, Ticks now, Ticks frequency, int seconds) {
    if (frequency <= 0 || seconds < 0 || now < since) return false;
    // Unsigned difference: now >= since, so it cannot wrap, whatever the signs of the readings.
    auto elapsed = static_cast<std::uint64_t>(now) - static_cast<std::uint64_t>(since);
    auto perSecond = static_cast<std::uint64_t>(frequency);
    auto whole = elapsed / perSecond;
    auto limit = static_cast<std::uint64_t>(seconds);
    return whole < limit || (whole == limit && elapsed % perSecond == 0);
}

}  // namespace brisova
