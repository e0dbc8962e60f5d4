#include "online/online_fakes.h"
#include "online/time_file.h"
#include "online/update_checker.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

using namespace brisova;
using namespace std::chrono_literals;

namespace {

constexpr std::int64_t kNow = 1'700'000'000;
constexpr std::int64_t kDay = 24 * 3600;
const std::string kPrimary = "p.example/";
const std::string kSecondary = "s.example/";

std::string List(const std::string& primary, const std::string& secondary, const std::string& entries = "") {
    return primary + "\r\n" + secondary + "\r\n" + entries;
}

class UpdateCheckerTest : public ::testing::Test {
protected:
    UpdateCheckerTest() {
        std::filesystem::create_directories(dir.path() / "data/download");
        // A run that never ends would otherwise hang the test instead of failing it.
        stop.StopAfterPausing(1000h);
    }

    void Installed(const std::string& text) { dir.Write("data/VerInf", text); }
    void Pending(const std::string& text) { dir.Write("data/download/VerInf", text); }
    void LastCheck(std::int64_t time) { dir.Write("data/UpdateDate", EncodeTimeFile(time)); }
    void Publish(const std::string& server, const std::string& list) { http.Serve(VersionListUrl(server), list); }
    void Publish(const std::string& server, const std::string& name, const std::string& body) {
        http.Serve(ServerFileUrl(server, name), body);
    }
    std::vector<std::string> DownloadNames() const {
        std::vector<std::string> names;
        for (const VersionEntry& e : checker.downloads()) names.push_back(e.name);
        return names;
    }

    TempDir dir;
    DirectoryFileStore files{dir.path()};
    ManualWallClock clock{kNow};
    SimulatedStopSignal stop{clock};
    ScriptedHttpFetcher http;
    RecordingReplacer replacer;
    UpdateChecker checker{UpdateServices{files, http, clock, stop, replacer}};
};

TEST_F(UpdateCheckerTest, WithoutAnInstalledListNothingIsFetchedButALeftListIsInstalled) {
    EXPECT_EQ(checker.Run(), UpdateOutcome::NothingToInstall);
    Pending(List(kPrimary, "", "a a.txt 2 3\nb b.txt 2 3\n"));
    dir.Write("data/download/a", "new");
    EXPECT_EQ(checker.Run(), UpdateOutcome::Installed);
    EXPECT_EQ(dir.Read("a.txt"), "new");
    EXPECT_FALSE(dir.Exists("b.txt"));
    EXPECT_TRUE(http.requests().empty());
}

TEST_F(UpdateCheckerTest, ACheckIsDueAfterThreeDaysEitherWay) {
    Installed(List(kPrimary, ""));
    LastCheck(kNow - 3 * kDay + 1);
    EXPECT_EQ(checker.Run(), UpdateOutcome::NothingToInstall);
    LastCheck(kNow + 3 * kDay - 1);
    EXPECT_EQ(checker.Run(), UpdateOutcome::NothingToInstall);
    EXPECT_TRUE(http.requests().empty());

    Publish(kPrimary, List(kPrimary, ""));
    LastCheck(kNow + 3 * kDay);
    EXPECT_EQ(checker.Run(), UpdateOutcome::Installed);
    EXPECT_EQ(http.requests(), std::vector<std::string>{VersionListUrl(kPrimary)});
    EXPECT_EQ(DecodeTimeFile(dir.Read("data/UpdateDate")), kNow);
}

TEST_F(UpdateCheckerTest, AMissingOrShortTimeFileMakesTheCheckDue) {
    Installed(List(kPrimary, ""));
    Publish(kPrimary, List(kPrimary, ""));
    EXPECT_EQ(checker.Run(), UpdateOutcome::Installed);
    dir.Write("data/UpdateDate", std::string("\x01\x02\x03", 3));
    EXPECT_EQ(checker.Run(), UpdateOutcome::Installed);
    EXPECT_EQ(http.requests().size(), 2u);
}

TEST_F(UpdateCheckerTest, AnInterruptedCheckResumesWithoutFetchingCompleteFiles) {
    Installed(List(kPrimary, "", "a a.txt 1 3\n"));
    LastCheck(kNow - kDay);
    Pending(List(kPrimary, "", "a a.txt 2 3\nb b.txt 2 3\n"));
    dir.Write("data/download/a", "AAA");
    dir.Write("data/download/b", "B");
    Publish(kPrimary, "b", "BBB");
    EXPECT_EQ(checker.Run(), UpdateOutcome::Installed);
    EXPECT_EQ(http.requests(), std::vector<std::string>{ServerFileUrl(kPrimary, "b")});
    EXPECT_EQ(dir.Read("a.txt"), "AAA");
    EXPECT_EQ(dir.Read("b.txt"), "BBB");
}

TEST_F(UpdateCheckerTest, AListOfFiveBytesOrFewerIsFetchedAgain) {
    Installed(List(kPrimary, ""));
    Pending("p\r\n\r\n");
    Publish(kPrimary, List(kPrimary, "", "a a.txt 1 1\n"));
    ASSERT_TRUE(checker.BuildDownloadList());
    EXPECT_EQ(DownloadNames(), std::vector<std::string>{"a"});
    EXPECT_EQ(http.requests(), std::vector<std::string>{VersionListUrl(kPrimary)});
}

TEST_F(UpdateCheckerTest, AServerThatKeepsSendingAnEmptyListIsAskedWithGrowingPauses) {
    Installed(List(kPrimary, ""));
    Publish(kPrimary, "x\r\n");
    stop.StopAfterPausing(1h);
    EXPECT_EQ(checker.Run(), UpdateOutcome::Stopped);
    EXPECT_LT(http.requests().size(), 20u);
    EXPECT_FALSE(dir.Exists("data/download/VerInf"));
}

TEST_F(UpdateCheckerTest, AnInstalledListWithoutEntriesDownloadsAllButCompleteFiles) {
    Installed(List(kPrimary, ""));
    Publish(kPrimary, List(kPrimary, "", "a a.txt 1 1\nb data\\b.txt 1 2\nc c.txt 1 3\n"));
    dir.Write("data/download/b", "bb");
    dir.Write("data/download/c", "too long");
    ASSERT_TRUE(checker.BuildDownloadList());
    EXPECT_EQ(DownloadNames(), (std::vector<std::string>{"a", "c"}));
    EXPECT_FALSE(dir.Exists("data/download/c"));
}

TEST_F(UpdateCheckerTest, TheLastInstalledLineForATargetDecides) {
    Installed(List(kPrimary, "", "x t.txt 1 1\nx t.txt 2 1\ny u.txt 5 1\ny u.txt 4 1\n"));
    Publish(kPrimary, List(kPrimary, "", "x t.txt 2 1\ny u.txt 5 1\n"));
    ASSERT_TRUE(checker.BuildDownloadList());
    EXPECT_EQ(DownloadNames(), std::vector<std::string>{"y"});
}

TEST_F(UpdateCheckerTest, EntriesReachingOutsideAreNeverFetchedNorWritten) {
    Installed(List(kPrimary, ""));
    Publish(kPrimary, List(kPrimary, "", "e ..\\escaped.txt 1 1\nd C:\\x.txt 1 1\nVerInf v.txt 1 1\n"
                                         "ok ok.txt 1 1\n"));
    Publish(kPrimary, "e", "E");
    Publish(kPrimary, "ok", "K");
    EXPECT_EQ(checker.Run(), UpdateOutcome::Installed);
    EXPECT_EQ(http.requests(), (std::vector<std::string>{VersionListUrl(kPrimary), ServerFileUrl(kPrimary, "ok")}));
    EXPECT_EQ(dir.Read("ok.txt"), "K");
    EXPECT_FALSE(std::filesystem::exists(dir.path().parent_path() / "escaped.txt"));
    EXPECT_FALSE(dir.Exists("v.txt"));
}

TEST_F(UpdateCheckerTest, FailuresSwitchServersAndASuccessKeepsTheServer) {
    Installed(List(kPrimary, kSecondary));
    Publish(kPrimary, List(kPrimary, kSecondary, "a a.txt 1 1\nb b.txt 1 1\n"));
    Publish(kPrimary, "a", "A");
    Publish(kSecondary, "b", "B");
    http.OnFetch([&](const std::string& url) {
        if (url == ServerFileUrl(kPrimary, "a")) http.Serve(ServerFileUrl(kPrimary, "b"), "B");
    });
    EXPECT_EQ(checker.Run(), UpdateOutcome::Installed);
    EXPECT_EQ(http.requests(), (std::vector<std::string>{
                                   VersionListUrl(kSecondary), VersionListUrl(kPrimary),
                                   ServerFileUrl(kSecondary, "a"), ServerFileUrl(kPrimary, "a"),
                                   ServerFileUrl(kPrimary, "b")}));
    EXPECT_EQ(stop.pauses(), (std::vector<std::chrono::milliseconds>{1s, 1s}));
}

TEST_F(UpdateCheckerTest, ADeadServerIsRetriedWithGrowingPausesUntilStopped) {
    Installed(List(kPrimary, ""));
    stop.StopAfterPausing(24h);
    EXPECT_EQ(checker.Run(), UpdateOutcome::Stopped);
    ASSERT_GE(stop.pauses().size(), 12u);
    EXPECT_EQ(stop.pauses()[0], 1s);
    EXPECT_EQ(stop.pauses()[1], 2s);
    EXPECT_EQ(stop.pauses().back(), 10min);
    EXPECT_EQ(http.requests().size(), stop.pauses().size());
}

TEST_F(UpdateCheckerTest, AWrongLengthDropsThePendingListAndInstallsNothing) {
    Installed(List(kPrimary, "", "a a.txt 1 3\n"));
    dir.Write("a.txt", "old");
    Publish(kPrimary, List(kPrimary, "", "b b.txt 2 1\na a.txt 2 3\n"));
    Publish(kPrimary, "b", "B");
    Publish(kPrimary, "a", "four");
    EXPECT_EQ(checker.Run(), UpdateOutcome::WrongLength);
    EXPECT_FALSE(dir.Exists("data/download/VerInf"));
    EXPECT_FALSE(dir.Exists("data/download/a"));
    EXPECT_FALSE(dir.Exists("b.txt"));
    EXPECT_EQ(dir.Read("a.txt"), "old");
    EXPECT_EQ(dir.Read("data/VerInf"), List(kPrimary, "", "a a.txt 1 3\n"));
    EXPECT_FALSE(dir.Exists("data/UpdateDate"));
}

TEST_F(UpdateCheckerTest, AnAnswerLongerThanListedIsNotReadOnAndInstallsNothing) {
    Installed(List(kPrimary, "", "a a.txt 1 10\n"));
    dir.Write("a.txt", "old");
    Publish(kPrimary, List(kPrimary, "", "a a.txt 2 10\n"));
    Publish(kPrimary, "a", std::string(50 * 1024 * 1024, 'x'));
    EXPECT_EQ(checker.Run(), UpdateOutcome::WrongLength);
    EXPECT_LT(http.deliveredBytes(), 4096u);
    EXPECT_EQ(dir.Read("a.txt"), "old");
    EXPECT_FALSE(dir.Exists("data/download/a"));
    EXPECT_EQ(dir.Read("data/VerInf"), List(kPrimary, "", "a a.txt 1 10\n"));
}

TEST_F(UpdateCheckerTest, AFileThatCannotBePutInPlaceIsInstalledAtTheNextStart) {
    const std::string old = List(kPrimary, "", "Brisova.exe Brisova.exe 1 3\n");
    const std::string published = List(kPrimary, "", "Brisova.exe Brisova.exe 2 3\n");
    Installed(old);
    Publish(kPrimary, published);
    Publish(kPrimary, "Brisova.exe", "new");
    replacer.refuse = true;
    EXPECT_EQ(checker.Run(), UpdateOutcome::NotInstalled);
    EXPECT_EQ(dir.Read("data/VerInf"), old);
    EXPECT_FALSE(dir.Exists("data/UpdateDate"));

    replacer.refuse = false;
    http.Forget(ServerFileUrl(kPrimary, "Brisova.exe"));
    EXPECT_EQ(checker.Run(), UpdateOutcome::Installed);
    EXPECT_EQ(dir.Read("data/VerInf"), published);
    EXPECT_EQ(replacer.replacements,
              (std::vector<std::pair<std::string, std::string>>{{"Brisova.exe_", "Brisova.exe"}}));
}

TEST_F(UpdateCheckerTest, AnExecutableIsStagedBesideItsTargetForTheRestart) {
    Installed(List(kPrimary, "", "Brisova.exe Brisova.exe 1 3\n"));
    dir.Write("Brisova.exe", "old");
    std::string build(2500, 'n');
    Publish(kPrimary, List(kPrimary, "", "Brisova.exe Brisova.exe 2 2500\n"));
    Publish(kPrimary, "Brisova.exe", build);
    EXPECT_EQ(checker.Run(), UpdateOutcome::Installed);
    EXPECT_EQ(dir.Read("Brisova.exe"), "old");
    EXPECT_EQ(dir.Read("Brisova.exe_"), build);
    EXPECT_EQ(replacer.replacements,
              (std::vector<std::pair<std::string, std::string>>{{"Brisova.exe_", "Brisova.exe"}}));
}

TEST_F(UpdateCheckerTest, ACheckWithoutChangesStillReplacesTheListAndTheDate) {
    Installed(List(kPrimary, "", "a a.txt 1 1\n"));
    LastCheck(kNow - 10 * kDay);
    std::string published = List("new.example/", "", "a a.txt 1 1\n");
    Publish(kPrimary, published);
    dir.Write("data/download/stale~part", "x");
    EXPECT_EQ(checker.Run(), UpdateOutcome::Installed);
    EXPECT_EQ(dir.Read("data/VerInf"), published);
    EXPECT_EQ(DecodeTimeFile(dir.Read("data/UpdateDate")), kNow);
    EXPECT_TRUE(files.ListFiles("data\\download").empty());
    EXPECT_TRUE(dir.Exists("data/download"));
}

TEST_F(UpdateCheckerTest, AStopDuringADownloadInstallsNothing) {
    Installed(List(kPrimary, ""));
    Publish(kPrimary, List(kPrimary, "", "a a.txt 1 1\n"));
    http.OnFetch([&](const std::string& url) {
        if (url == ServerFileUrl(kPrimary, "a")) stop.RequestStop();
    });
    EXPECT_EQ(checker.Run(), UpdateOutcome::Stopped);
    EXPECT_TRUE(dir.Exists("data/download/VerInf"));
    EXPECT_FALSE(dir.Exists("a.txt"));
    EXPECT_FALSE(dir.Exists("data/UpdateDate"));
    EXPECT_EQ(files.ListFiles("data\\download"), std::vector<std::string>{"VerInf"});
}

TEST_F(UpdateCheckerTest, AMissingStagingDirectoryEndsTheRunQuietly) {
    std::filesystem::remove_all(dir.path() / "data/download");
    Installed(List(kPrimary, ""));
    Publish(kPrimary, List(kPrimary, ""));
    EXPECT_EQ(checker.Run(), UpdateOutcome::CannotWrite);
    EXPECT_TRUE(http.requests().empty());
    EXPECT_FALSE(dir.Exists("data/download"));
}

TEST_F(UpdateCheckerTest, ListsWithoutServersAskNobody) {
    Installed("\r\n\r\n");
    EXPECT_EQ(checker.Run(), UpdateOutcome::NoServer);
    Installed(List(kPrimary, ""));
    Publish(kPrimary, List("", "", "a a.txt 1 1\n"));
    EXPECT_EQ(checker.Run(), UpdateOutcome::NoServer);
    EXPECT_EQ(http.requests(), std::vector<std::string>{VersionListUrl(kPrimary)});
    EXPECT_FALSE(dir.Exists("data/download/VerInf"));
}

}  // namespace
