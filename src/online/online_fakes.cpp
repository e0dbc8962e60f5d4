#include "online/online_fakes.h"

namespace brisova {

bool ScriptedHttpFetcher::Connected() {
    ++connectionPolls_;
    if (offlinePolls_ == 0) return true;
    --offlinePolls_;
    return false;
}

bool ScriptedHttpFetcher::Fetch(const std::string& url, const BodySink& sink) {
    requests_.push_back(url);
    if (onFetch_) onFetch_(url);
    auto found = bodies_.find(url);
    if (found == bodies_.end()) return false;
    std::string_view body = found->second;
    for (std::size_t at = 0; at < body.size(); at += kFetchPieceSize) {
        std::string_view piece = body.substr(at, kFetchPieceSize);
        deliveredBytes_ += piece.size();
        if (!sink(piece)) return false;
    }
    return true;
}

bool SimulatedStopSignal::Pause(std::chrono::milliseconds duration) {
    if (stopped_) return false;
    pauses_.push_back(duration);
    paused_ += duration;
    clock_.Advance(duration);
    if (paused_ >= limit_) stopped_ = true;
    return !stopped_;
}

}  // namespace brisova
