// One run of an online job on a thread of its own, and the stop request the job watches. The
// request is a Win32 event, so that a job can wait for it together with WinINet's completions.
// Stopping sets it and waits for the thread, which is never killed: it cannot leave a lock held or
// a file half-replaced. (std::stop_token is not used: with this compiler's library, a stop
// callback that runs while its owner goes away can deadlock.)
#pragma once

#include "online/worker_wait.h"
#include "platform/diagnostics.h"
#include "platform/handles_win.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <functional>
#include <memory>
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

// How long the exit waits for a worker that does not end when asked: no server and no stuck
// request may keep the program from closing.
inline constexpr std::chrono::milliseconds kWorkerStopBound{3000};

template <class Outcome>
class OnlineThread {
public:
    // The job gets the stop event, which stays valid until the thread has ended.
    using Job = std::function<Outcome(HANDLE stopEvent)>;

    OnlineThread() : state_(std::make_shared<State>()) {}
    OnlineThread(const OnlineThread&) = delete;
    OnlineThread& operator=(const OnlineThread&) = delete;
    ~OnlineThread() { Stop(); }

    // Runs the job on a new thread. False when a job was launched before or no thread could be
    // made; the program then goes on without the job.
    bool Launch(Job job) {
        if (launched_ || !state_->stopEvent || !state_->doneEvent) return false;
        try {
            thread_ = std::thread([state = state_, job = std::move(job)] { Run(*state, job); });
        } catch (const std::exception&) {
            return false;
        }
        launched_ = true;
        return true;
    }

    // Asks the job to stop and waits for its thread, at most `bound`. A thread that has not
    // ended by then is left to finish on its own (it shares nothing with this object but the
    // state it keeps alive) and false is returned. A job launched after a stop ends at once.
    bool Stop(std::chrono::milliseconds bound = kWorkerStopBound) {
        RequestStop();
        if (!thread_.joinable()) return true;
        if (::WaitForSingleObject(state_->doneEvent.get(), static_cast<DWORD>(bound.count())) != WAIT_OBJECT_0) {
            thread_.detach();
            return false;
        }
        thread_.join();
        return true;
    }

    // Asks the job to stop without waiting for it.
    void RequestStop() { ::SetEvent(state_->stopEvent.get()); }

    bool Finished() const { return state_->finished.load(std::memory_order_acquire); }
    // What the job came to; none while it runs, or when it ended by an exception.
    std::optional<Outcome> outcome() const { return Finished() ? state_->outcome : std::nullopt; }

private:
    struct State {
        ScopedHandle stopEvent{::CreateEventA(nullptr, TRUE, FALSE, nullptr)};
        ScopedHandle doneEvent{::CreateEventA(nullptr, TRUE, FALSE, nullptr)};
        std::atomic<bool> finished{false};
        std::optional<Outcome> outcome;
    };

    static void Run(State& state, const Job& job) {
        // A job that fails ends like one that found nothing to do; the program goes on.
        try {
            state.outcome = job(state.stopEvent.get());
        } catch (...) {
            brisova::ReportCaughtFailure("an online worker");
        }
        state.finished.store(true, std::memory_order_release);
        ::SetEvent(state.doneEvent.get());
    }

    bool launched_ = false;
    std::shared_ptr<State> state_;
    std::thread thread_;
};
