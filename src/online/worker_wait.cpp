#include "online/worker_wait.h"

#include <algorithm>

namespace brisova {

bool ThreadStopSignal::Pause(std::chrono::milliseconds duration) {
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, token_, duration, [] { return false; });
    return !token_.stop_requested();
}

bool WaitForConnection(HttpFetcher& http, StopSignal& stop) {
    while (!stop.StopRequested()) {
        if (http.Connected()) return true;
        if (!stop.Pause(kConnectionPoll)) return false;
    }
    return false;
}

std::chrono::milliseconds RetryPause::Next() {
    std::chrono::milliseconds pause = next_;
    next_ = std::min(next_ * 2, kLongest);
    return pause;
}

}  // namespace brisova
