#include "online/online_services_win.h"

#include "online/file_store.h"
#include "online/restart_replacer_win.h"
#include "online/wall_clock.h"
#include "online/wininet_fetcher_win.h"

#include <algorithm>
#include <chrono>

namespace {

brisova::DirectoryFileStore ProgramFiles(const std::string& programDirectory) {
    return brisova::DirectoryFileStore(programDirectory);
}

}  // namespace

bool CGetDataFromNet::Start(const std::string& programDirectory) {
    return Launch([programDirectory](HANDLE stopEvent) {
        brisova::DirectoryFileStore files = ProgramFiles(programDirectory);
        WinInetFetcher http(stopEvent);
        brisova::SystemWallClock clock;
        EventStopSignal stop(stopEvent);
        MoveAtRestartReplacer replacer(programDirectory);
        return brisova::UpdateChecker({files, http, clock, stop, replacer}).Run();
    });
}

bool CCounter::Start(const std::string& programDirectory) {
    return Launch([programDirectory, delay = delay_](HANDLE stopEvent) {
        brisova::DirectoryFileStore files = ProgramFiles(programDirectory);
        WinInetFetcher http(stopEvent);
        brisova::SystemWallClock clock;
        EventStopSignal stop(stopEvent);
        return brisova::RunUsageCounter({files, http, clock, stop}, delay);
    });
}

void COnlineServices::Start(const std::string& programDirectory) {
    counter_.Start(programDirectory);
    updateChecker_.Start(programDirectory);
}

void COnlineServices::Stop() {
    // Both are asked at once, so that together they wait no longer than one bound.
    updateChecker_.RequestStop();
    counter_.RequestStop();
    auto deadline = std::chrono::steady_clock::now() + kWorkerStopBound;
    updateChecker_.Stop(kWorkerStopBound);
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    counter_.Stop(std::max(left, std::chrono::milliseconds(0)));
}
