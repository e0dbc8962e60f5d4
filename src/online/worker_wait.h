// How the online workers wait: for a connection, and between failed attempts. Every wait ends
// as soon as the program asks the worker to stop, so exit never waits for a pause to run out.
#pragma once

#include "online/fetch_url.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stop_token>

namespace brisova {

class StopSignal {
public:
    virtual ~StopSignal() = default;
    virtual bool StopRequested() const = 0;
    // Waits for the duration; returns false, early if need be, when the worker is to stop.
    virtual bool Pause(std::chrono::milliseconds duration) = 0;
};

// The stop signal of a real worker thread, driven by the owner's std::stop_source.
class ThreadStopSignal final : public StopSignal {
public:
    explicit ThreadStopSignal(std::stop_token token) : token_(std::move(token)) {}
    bool StopRequested() const override { return token_.stop_requested(); }
    bool Pause(std::chrono::milliseconds duration) override;

private:
    std::stop_token token_;
    std::mutex mutex_;
    std::condition_variable_any wake_;
};

inline constexpr std::chrono::milliseconds kConnectionPoll{1000};

// Asks for a connection once a second until there is one. False when the worker is to stop.
bool WaitForConnection(HttpFetcher& http, StopSignal& stop);

// The pause after a failed attempt: 1 s, doubling after every further failure, at most
// 10 minutes; a success starts the series again.
class RetryPause {
public:
    static constexpr std::chrono::milliseconds kFirst{1000};
    static constexpr std::chrono::milliseconds kLongest{10 * 60 * 1000};

    std::chrono::milliseconds Next();
    void Reset() { next_ = kFirst; }

private:
    std::chrono::milliseconds next_ = kFirst;
};

}  // namespace brisova
