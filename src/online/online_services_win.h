// The frame's two background workers, each run once per program start: the update checker and
// the usage counter. Both end at once when stopped, whatever they are doing at the time.
#pragma once

#include "online/online_thread_win.h"
#include "online/update_checker.h"
#include "online/usage_counter.h"

#include <chrono>
#include <string>

// The update checker's thread.
class CGetDataFromNet final : public OnlineThread<brisova::UpdateOutcome> {
public:
    // programDirectory is the directory of the executable, ending in "\".
    bool Start(const std::string& programDirectory);
};

// The usage counter's thread.
class CCounter final : public OnlineThread<brisova::CounterOutcome> {
public:
    // delay: how long after a connection is seen the report is made.
    explicit CCounter(std::chrono::milliseconds delay = brisova::kCounterDelay) : delay_(delay) {}
    bool Start(const std::string& programDirectory);

private:
    std::chrono::milliseconds delay_;
};

// What the main frame owns: both workers, started at the end of its creation and stopped when
// it closes.
class COnlineServices {
public:
    explicit COnlineServices(std::chrono::milliseconds counterDelay = brisova::kCounterDelay)
        : counter_(counterDelay) {}

    // The counter first, then the update checker.
    void Start(const std::string& programDirectory);
    // Asks both to stop; returns when both threads have ended, or after kWorkerStopBound.
    void Stop();

    CGetDataFromNet& updateChecker() { return updateChecker_; }
    CCounter& counter() { return counter_; }

private:
    CCounter counter_;
    CGetDataFromNet updateChecker_;
};
