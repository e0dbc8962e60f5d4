#include "online/update_checker.h"

#include "online/server_choice.h"
#include "online/time_file.h"

#include <algorithm>
#include <memory>

namespace brisova {

std::string StagedFilePath(const std::string& name) {
    return std::string(kStagingDirectory) + "\\" + name;
}

std::string VersionListUrl(const std::string& server) {
    return server + "brisova/" + std::to_string(kServerListNumber) + "/VerInf";
}

std::string ServerFileUrl(const std::string& server, const std::string& name) {
    return server + "brisova/" + std::to_string(kServerListNumber) + "/" + name;
}

namespace {

// The installed entry for a target; when a list names a target twice, its later line counts.
const VersionEntry* InstalledEntryFor(const VersionList& installed, const std::string& target) {
    auto found = std::find_if(installed.entries.rbegin(), installed.entries.rend(),
                              [&](const VersionEntry& e) { return e.target == target; });
    return found == installed.entries.rend() ? nullptr : &*found;
}

bool HasLength(const std::optional<std::uint64_t>& size, const VersionEntry& entry) {
    return size && *size == static_cast<std::uint64_t>(entry.length);
}

}  // namespace

UpdateOutcome UpdateChecker::Run() {
    if (!BuildDownloadList() || !DownloadFiles()) return outcome_;
    if (s_.stop.StopRequested()) return UpdateOutcome::Stopped;
    return InstallDownloads();
}

bool UpdateChecker::End(UpdateOutcome outcome) {
    outcome_ = outcome;
    return false;
}

std::nullopt_t UpdateChecker::NoList(UpdateOutcome outcome) {
    outcome_ = outcome;
    return std::nullopt;
}

bool UpdateChecker::CheckDue() const {
    std::optional<std::string> stamp = s_.files.Read(kUpdateDatePath);
    if (!stamp) return true;
    return WholeHoursApart(s_.clock.Now(), DecodeTimeFile(stamp)) / 24 >= kCheckIntervalDays;
}

bool UpdateChecker::BuildDownloadList() {
    downloads_.clear();
    std::optional<std::string> installedText = s_.files.Read(kInstalledListPath);
    if (!installedText) return true;
    VersionList installed = ParseVersionList(*installedText);
    primaryServer_ = installed.primaryServer;
    secondaryServer_ = installed.secondaryServer;

    if (!CheckDue() && !s_.files.Exists(kPendingListPath)) return true;

    std::optional<std::string> pendingText = ReadPendingList();
    if (!pendingText) pendingText = DownloadVersionList();
    if (!pendingText) return false;
    VersionList pending = ParseVersionList(*pendingText);
    primaryServer_ = pending.primaryServer;
    secondaryServer_ = pending.secondaryServer;

    for (const VersionEntry& entry : pending.entries) {
        if (!IsInstallableEntry(entry)) continue;
        std::string staged = StagedFilePath(entry.name);
        std::optional<std::uint64_t> stagedSize = s_.files.Size(staged);
        if (HasLength(stagedSize, entry)) continue;
        if (stagedSize) s_.files.Remove(staged);
        const VersionEntry* current = InstalledEntryFor(installed, entry.target);
        if (current && current->version == entry.version) continue;
        downloads_.push_back(entry);
    }
    return true;
}

std::optional<std::string> UpdateChecker::ReadPendingList() {
    std::optional<std::string> text = s_.files.Read(kPendingListPath);
    if (text && text->size() > kLongestUselessList) return text;
    if (text) s_.files.Remove(kPendingListPath);
    return std::nullopt;
}

UpdateChecker::Attempt UpdateChecker::FetchInto(const std::string& url, FileWriter& writer, std::uint64_t limit) {
    bool writeFailed = false;
    bool tooLong = false;
    bool fetched = s_.http.Fetch(url, [&](std::string_view piece) {
        tooLong = piece.size() > limit - writer.Written();
        if (tooLong) return false;
        writeFailed = !writer.Write(piece);
        return !writeFailed;
    });
    if (writeFailed) return Attempt::CannotWrite;
    if (tooLong) return Attempt::TooLong;
    return fetched ? Attempt::Fetched : Attempt::Failed;
}

// A list too short to be one counts as a failed attempt, so a server that keeps sending one is
// asked again only after the growing pause.
std::optional<std::string> UpdateChecker::DownloadVersionList() {
    ServerChoice servers(primaryServer_, secondaryServer_);
    if (!servers.HasServer()) return NoList(UpdateOutcome::NoServer);
    RetryPause pause;
    for (;;) {
        if (!WaitForConnection(s_.http, s_.stop)) return NoList(UpdateOutcome::Stopped);
        std::unique_ptr<FileWriter> writer = s_.files.Create(kPendingListPath);
        if (!writer) return NoList(UpdateOutcome::CannotWrite);
        Attempt attempt = FetchInto(VersionListUrl(servers.Current()), *writer, kMaxVersionListBytes);
        if (attempt == Attempt::CannotWrite) return NoList(UpdateOutcome::CannotWrite);
        if (attempt == Attempt::Fetched && writer->Written() > kLongestUselessList) {
            std::optional<std::string> text;
            if (writer->Commit()) text = s_.files.Read(kPendingListPath);
            return text ? text : NoList(UpdateOutcome::CannotWrite);
        }
        writer.reset();
        servers.AfterFailure();
        if (!s_.stop.Pause(pause.Next())) return NoList(UpdateOutcome::Stopped);
    }
}

bool UpdateChecker::DownloadFiles() {
    if (downloads_.empty()) return true;
    ServerChoice servers(primaryServer_, secondaryServer_);
    if (!servers.HasServer()) {
        s_.files.Remove(kPendingListPath);
        return End(UpdateOutcome::NoServer);
    }
    for (const VersionEntry& entry : downloads_) {
        RetryPause pause;
        for (;;) {
            if (!WaitForConnection(s_.http, s_.stop)) return End(UpdateOutcome::Stopped);
            std::unique_ptr<FileWriter> writer = s_.files.Create(StagedFilePath(entry.name));
            if (!writer) return End(UpdateOutcome::CannotWrite);
            const auto length = static_cast<std::uint64_t>(entry.length);
            Attempt attempt = FetchInto(ServerFileUrl(servers.Current(), entry.name), *writer, length);
            if (attempt == Attempt::CannotWrite) return End(UpdateOutcome::CannotWrite);
            if (attempt == Attempt::Fetched || attempt == Attempt::TooLong) {
                if (attempt == Attempt::TooLong || writer->Written() != length) {
                    writer.reset();
                    s_.files.Remove(kPendingListPath);
                    return End(UpdateOutcome::WrongLength);
                }
                if (!writer->Commit()) return End(UpdateOutcome::CannotWrite);
                break;
            }
            writer.reset();
            servers.AfterFailure();
            if (!s_.stop.Pause(pause.Next())) return End(UpdateOutcome::Stopped);
        }
    }
    return true;
}

// The pending list becomes the installed list only when every file it brought is in place;
// otherwise the pending list and the staged files stay, and the next start installs again.
UpdateOutcome UpdateChecker::InstallDownloads() {
    std::optional<std::string> text = s_.files.Read(kPendingListPath);
    if (!text) return UpdateOutcome::NothingToInstall;
    VersionList pending = ParseVersionList(*text);
    bool allInPlace = true;
    for (const VersionEntry& entry : pending.entries) {
        std::string staged = StagedFilePath(entry.name);
        if (!IsInstallableEntry(entry) || !HasLength(s_.files.Size(staged), entry)) continue;
        bool inPlace = IsExecutableEntry(entry) ? ReplaceExecutable(entry.name, entry.target)
                                                : s_.files.Copy(staged, entry.target);
        allInPlace = allInPlace && inPlace;
    }
    if (!allInPlace || !s_.files.Copy(kPendingListPath, kInstalledListPath)) return UpdateOutcome::NotInstalled;
    for (const std::string& name : s_.files.ListFiles(kStagingDirectory)) s_.files.Remove(StagedFilePath(name));
    s_.files.WriteWhole(kUpdateDatePath, EncodeTimeFile(s_.clock.Now()));
    return UpdateOutcome::Installed;
}

bool UpdateChecker::ReplaceExecutable(const std::string& name, const std::string& target) {
    std::string staged = target + "_";
    return s_.files.Copy(StagedFilePath(name), staged) && s_.replacer.ReplaceAtRestart(staged, target);
}

}  // namespace brisova
