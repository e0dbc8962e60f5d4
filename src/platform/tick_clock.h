// A monotonic counter read in ticks, with its frequency in ticks a second. Production reads the
// high-resolution performance counter; tests move a manual clock by hand, so nothing sleeps.
#pragma once

#include <chrono>
#include <cstdint>

namespace brisova {

using Ticks = std::int64_t;

class TickClock {
public:
    virtual ~TickClock() = default;
    virtual Ticks Now() const = 0;
    // Ticks a second; 0 when the machine has no counter.
    virtual Ticks Frequency() const = 0;
};

// True when `now` lies from 0 up to `seconds` whole seconds (inclusive) after `since`. A reading
// earlier than `since`, or a clock without a frequency, is never within.
bool ElapsedWithin(Ticks since, Ticks now, Ticks frequency, int seconds);

class ManualTickClock final : public TickClock {
public:
    explicit ManualTickClock(Ticks frequency = 10'000'000, Ticks start = 1'000'000'000)
        : frequency_(frequency), now_(start) {}

    Ticks Now() const override { return now_; }
    Ticks Frequency() const override { return frequency_; }

    void AdvanceTicks(Ticks ticks) { now_ += ticks; }
    void Advance(std::chrono::milliseconds elapsed) { now_ += elapsed.count() * frequency_ / 1000; }

private:
    Ticks frequency_;
    Ticks now_;
};

}  // namespace brisova
