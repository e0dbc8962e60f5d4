#include "platform/performance_clock_win.h"

#include <windows.h>

PerformanceCounterClock::PerformanceCounterClock() {
    // The frequency is fixed at boot; without a counter it stays 0, and nothing can be timed.
    LARGE_INTEGER frequency{};
    if (::QueryPerformanceFrequency(&frequency)) frequency_ = frequency.QuadPart;
}

brisova::Ticks PerformanceCounterClock::Now() const {
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

const PerformanceCounterClock& PerformanceCounterClock::Instance() {
    static const PerformanceCounterClock clock;
    return clock;
}
