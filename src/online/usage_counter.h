// The usage report the counter worker makes once per start: one request to the counting
// address, at most once per configured interval, never sooner than three minutes after a
// connection is seen.
#pragma once

#include "online/fetch_url.h"
#include "online/file_store.h"
#include "online/wall_clock.h"
#include "online/worker_wait.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace brisova {

inline constexpr const char* kCounterSettingsPath = "data\\counter";
inline constexpr const char* kCounterTimePath = "data\\counter_time";
inline constexpr std::size_t kLongestCounterUrl = 511;
inline constexpr std::chrono::milliseconds kCounterDelay{3 * 60 * 1000};

struct CounterSettings {
    int intervalHours = 0;
    std::string url;
};

// The first line of the settings file: the interval in whole hours, a blank, the URL. A line
// without both, with an interval that is not a whole number, or with a URL longer than 511
// characters gives no settings, so no request goes to a meaningless address.
std::optional<CounterSettings> ParseCounterSettings(std::string_view fileText);

struct CounterServices {
    FileStore& files;  // rooted at the program directory
    HttpFetcher& http;
    const WallClock& clock;
    StopSignal& stop;
};

enum class CounterOutcome { NoSettings, NotDue, Stopped, RequestFailed, Reported };

// The whole job of the counter worker. The time of the decision, not of the reply, is kept as
// the last report time, and only after a successful request.
CounterOutcome RunUsageCounter(const CounterServices& services,
                               std::chrono::milliseconds delay = kCounterDelay);

}  // namespace brisova
