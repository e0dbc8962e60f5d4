// The update check the update worker runs once per start: decide whether a check is due, fetch
// the server's version list, download into the staging directory every file whose version
// differs from the installed list, then install them. All state between starts lives in the
// data files; the worker thread only supplies the services and calls Run.
#pragma once

#include "online/fetch_url.h"
#include "online/file_store.h"
#include "online/version_list.h"
#include "online/wall_clock.h"
#include "online/worker_wait.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brisova {

inline constexpr const char* kInstalledListPath = "data\\VerInf";
inline constexpr const char* kUpdateDatePath = "data\\UpdateDate";
inline constexpr const char* kStagingDirectory = "data\\download";
inline constexpr const char* kPendingListPath = "data\\download\\VerInf";

inline constexpr int kServerListNumber = 100;
inline constexpr std::int64_t kCheckIntervalDays = 3;
// A pending list of this many bytes or fewer cannot hold anything and is fetched again.
inline constexpr std::size_t kLongestUselessList = 5;
// A version list is a few lines; an answer longer than this is not one.
inline constexpr std::uint64_t kMaxVersionListBytes = 1024 * 1024;

std::string StagedFilePath(const std::string& name);
std::string VersionListUrl(const std::string& server);
std::string ServerFileUrl(const std::string& server, const std::string& name);

// Puts a new executable in place when the machine restarts, since the running one cannot be
// overwritten. Both paths are relative to the program directory.
class ExecutableReplacer {
public:
    virtual ~ExecutableReplacer() = default;
    virtual bool ReplaceAtRestart(const std::string& staged, const std::string& destination) = 0;
};

struct UpdateServices {
    FileStore& files;  // rooted at the program directory
    HttpFetcher& http;
    const WallClock& clock;
    StopSignal& stop;
    ExecutableReplacer& replacer;
};

enum class UpdateOutcome {
    Installed,         // a pending list was installed, with whatever files it brought
    NothingToInstall,  // no check was due, or there is no installed list
    NoServer,          // the list names no server to ask
    Stopped,           // the program asked the worker to stop; nothing was installed
    WrongLength,       // a file arrived with another length than listed; the pending list was dropped
    CannotWrite,       // a download could not be stored; the next start tries again
    NotInstalled,      // a file could not be put in place; the old list stays, the next start tries again
};

class UpdateChecker {
public:
    explicit UpdateChecker(const UpdateServices& services) : s_(services) {}

    UpdateOutcome Run();

    // Fills downloads() with the pending entries that still need a file. False when the run
    // has to end; Run then reports why.
    bool BuildDownloadList();
    const std::vector<VersionEntry>& downloads() const { return downloads_; }

    // Makes the pending list the installed one, after putting every complete staged file in
    // place. False when there is no pending list.
    UpdateOutcome InstallDownloads();

private:
    enum class Attempt { Fetched, Failed, CannotWrite, TooLong };

    bool CheckDue() const;
    std::optional<std::string> ReadPendingList();
    std::optional<std::string> DownloadVersionList();
    bool DownloadFiles();
    // Reading ends as soon as the answer is longer than `limit` bytes.
    Attempt FetchInto(const std::string& url, FileWriter& writer, std::uint64_t limit);
    bool ReplaceExecutable(const std::string& name, const std::string& target);
    bool End(UpdateOutcome outcome);
    std::nullopt_t NoList(UpdateOutcome outcome);

    UpdateServices s_;
    std::string primaryServer_;
    std::string secondaryServer_;
    std::vector<VersionEntry> downloads_;
    UpdateOutcome outcome_ = UpdateOutcome::NothingToInstall;
};

}  // namespace brisova
