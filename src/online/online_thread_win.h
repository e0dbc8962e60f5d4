// One run of an online job on a thread of its own, and the stop request the job watches. The
// request is a Win32 event, so that a job can wait for it together with WinINet's completions.
// Stopping sets it and waits for the thread, which is never killed: it cannot leave a lock held or
// a file half-replaced. (std::stop_token is not used: with this compiler's library, a stop
// callback that runs while its owner goes away can deadlock.)
#pragma once

#include "framework/handles_win.h"
#include "online/worker_wait.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <functional>
#include <optional>
#include <thread>

// The job's side of the stop request. A wait that fails counts as a stop, so a job never goes
// on without a way to end it.
class EventStopSignal final : public brisova::StopSignal {
public:
    explicit EventStopSignal(HANDLE stopEvent) : stopEvent_(stopEvent) {}

    bool StopRequested() const override { return ::WaitForSingleObject(stopEvent_, 0) != WAIT_TIMEOUT; }
    bool Pause(std::chrono::milliseconds duration) override {
        auto milliseconds = std::clamp<std::chrono::milliseconds::rep>(duration.count(), 0, INFINITE - 1);
        return ::WaitForSingleObject(stopEvent_, static_cast<DWORD>(milliseconds)) == WAIT_TIMEOUT;
    }

private:
    HANDLE stopEvent_;
};

template <class Outcome>
class OnlineThread {
public:
    // The job gets the stop event, which stays valid until the thread has ended.
    using Job = std::function<Outcome(HANDLE stopEvent)>;

    OnlineThread() : stopEvent_(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    OnlineThread(const OnlineThread&) = delete;
    OnlineThread& operator=(const OnlineThread&) = delete;
    ~OnlineThread() { Stop(); }

    // Runs the job on a new thread. False when a job was launched before or no thread could be
    // made; the program then goes on without the job.
    bool Launch(Job job) {
        if (launched_ || !stopEvent_) return false;
        try {
            thread_ = std::thread([this, job = std::move(job)] { Run(job); });
        } catch (const std::exception&) {
            return false;
        }
        launched_ = true;
        return true;
    }

    // Returns once the thread has ended. A job launched after a stop ends at once.
    void Stop() {
        ::SetEvent(stopEvent_.get());
        if (thread_.joinable()) thread_.join();
    }

    bool Finished() const { return finished_.load(std::memory_order_acquire); }
    // What the job came to; none while it runs, or when it ended by an exception.
    std::optional<Outcome> outcome() const { return Finished() ? outcome_ : std::nullopt; }

private:
    void Run(const Job& job) {
        // A job that fails ends like one that found nothing to do; the program goes on.
        try {
            outcome_ = job(stopEvent_.get());
        } catch (...) {
        }
        finished_.store(true, std::memory_order_release);
    }

    bool launched_ = false;
    std::atomic<bool> finished_{false};
    std::optional<Outcome> outcome_;
    ScopedHandle stopEvent_;
    std::thread thread_;
};
