// Stand-ins for the network, the stop signal and the restart-time replacement, so that the
// online workers can be run to the end in tests without a network and without sleeping.
#pragma once

#include "online/fetch_url.h"
#include "online/update_checker.h"
#include "online/wall_clock.h"
#include "online/worker_wait.h"

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace brisova {

// Answers from a table of addresses; an address not in the table fails like a dead server.
// Bodies are handed out in pieces, as the real fetch reads them.
class ScriptedHttpFetcher final : public HttpFetcher {
public:
    void Serve(const std::string& url, std::string body) { bodies_[url] = std::move(body); }
    void Forget(const std::string& url) { bodies_.erase(url); }
    // The next `polls` questions for a connection are answered "offline".
    void StayOfflineFor(int polls) { offlinePolls_ = polls; }
    // Runs just before every request, with its address.
    void OnFetch(std::function<void(const std::string&)> hook) { onFetch_ = std::move(hook); }

    bool Connected() override;
    bool Fetch(const std::string& url, const BodySink& sink) override;

    const std::vector<std::string>& requests() const { return requests_; }
    int connectionPolls() const { return connectionPolls_; }
    // Body bytes handed to the sinks, over all requests.
    std::size_t deliveredBytes() const { return deliveredBytes_; }

private:
    std::map<std::string, std::string> bodies_;
    std::vector<std::string> requests_;
    std::function<void(const std::string&)> onFetch_;
    int offlinePolls_ = 0;
    int connectionPolls_ = 0;
    std::size_t deliveredBytes_ = 0;
};

// Pauses take no time: each one moves the manual clock on and is remembered. Stop can be asked
// for directly or once the pauses add up to a limit.
class SimulatedStopSignal final : public StopSignal {
public:
    explicit SimulatedStopSignal(ManualWallClock& clock) : clock_(clock) {}

    void RequestStop() { stopped_ = true; }
    void StopAfterPausing(std::chrono::milliseconds total) { limit_ = total; }

    bool StopRequested() const override { return stopped_; }
    bool Pause(std::chrono::milliseconds duration) override;

    const std::vector<std::chrono::milliseconds>& pauses() const { return pauses_; }
    std::chrono::milliseconds paused() const { return paused_; }

private:
    ManualWallClock& clock_;
    bool stopped_ = false;
    std::chrono::milliseconds limit_ = std::chrono::milliseconds::max();
    std::chrono::milliseconds paused_{0};
    std::vector<std::chrono::milliseconds> pauses_;
};

class RecordingReplacer final : public ExecutableReplacer {
public:
    bool ReplaceAtRestart(const std::string& staged, const std::string& destination) override {
        if (refuse) return false;
        replacements.emplace_back(staged, destination);
        return true;
    }
    std::vector<std::pair<std::string, std::string>> replacements;
    // As the system answers a user without the rights to schedule the replacement.
    bool refuse = false;
};

}  // namespace brisova
