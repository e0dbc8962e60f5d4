// The tick clock of the running program: the high-resolution performance counter.
#pragma once

#include "platform/tick_clock.h"

class PerformanceCounterClock final : public brisova::TickClock {
public:
    PerformanceCounterClock();
    brisova::Ticks Now() const override;
    brisova::Ticks Frequency() const override { return frequency_; }

    // The one instance the program's windows share.
    static const PerformanceCounterClock& Instance();

private:
    brisova::Ticks frequency_ = 0;
};
