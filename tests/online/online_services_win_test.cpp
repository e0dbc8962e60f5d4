// The update checker and usage counter threads against a server in the test's own process, with
// a program directory of their own.
#include "online/online_services_win.h"

#include "online/time_file.h"
#include "platform/handles_win.h"
#include "support/caught_failures_win.h"
#include "support/loopback_http_server_win.h"
#include "temp_dir.h"
#include "wait_until.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <stdexcept>

using namespace brisova;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Stall = LoopbackHttpServer::Stall;
using Strings = std::vector<std::string>;

namespace {

constexpr auto kPromptly = 3s;
constexpr std::int64_t kDay = 24 * 3600;

std::string List(const std::string& primary, const std::string& secondary, const std::string& entries = "") {
    return primary + "\r\n" + secondary + "\r\n" + entries;
}

template <class Worker>
bool WaitFinished(const Worker& worker, std::chrono::milliseconds timeout = 10s) {
    return WaitUntil([&] { return worker.Finished(); }, timeout);
}

class OnlineServicesTest : public ::testing::Test {
protected:
    OnlineServicesTest() { std::filesystem::create_directories(dir.path() / "data" / "download"); }
    void SetUp() override { ASSERT_TRUE(server.listening()); }

    // A server base is a directory of the loopback server, so that requests show which was asked.
    std::string Base(const std::string& name) const { return "http://" + server.authority() + "/" + name + "/"; }
    static std::string ListPath(const std::string& base) { return "/" + base + "/brisova/100/VerInf"; }
    static std::string FilePath(const std::string& base, const std::string& name) {
        return "/" + base + "/brisova/100/" + name;
    }
    std::string programDirectory() const { return dir.path().string() + "\\"; }
    Strings StagedFiles() const {
        Strings names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path() / "data" / "download")) {
            if (!entry.is_directory()) names.push_back(entry.path().filename().string());
        }
        return names;
    }
    void LastCheck(std::int64_t time) const { dir.Write("data/UpdateDate", EncodeTimeFile(time)); }
    static std::int64_t Now() { return static_cast<std::int64_t>(std::time(nullptr)); }

    UpdateOutcome RunCheck(std::chrono::milliseconds timeout = 10s) {
        CGetDataFromNet checker;
        EXPECT_TRUE(checker.Start(programDirectory()));
        EXPECT_TRUE(WaitFinished(checker, timeout));
        return checker.outcome().value_or(UpdateOutcome::Stopped);
    }

    TempDir dir;
    LoopbackHttpServer server;
};

// The renames the system carries out at restart; put back as they were when the test ends.
class PendingRenames {
public:
    PendingRenames() : saved_(Read()) {}
    ~PendingRenames() {
        HKEY opened = nullptr;
        ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_SET_VALUE, &opened);
        ScopedKey key(opened);
        if (!key) return;
        if (!saved_) {
            ::RegDeleteValueA(key.get(), kValue);
            return;
        }
        ::RegSetValueExA(key.get(), kValue, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(saved_->data()),
                         static_cast<DWORD>(saved_->size()));
    }
    static std::optional<std::string> Read() {
        std::string bytes(64 * 1024, '\0');
        auto size = static_cast<DWORD>(bytes.size());
        if (::RegGetValueA(HKEY_LOCAL_MACHINE, kKey, kValue, RRF_RT_REG_MULTI_SZ, nullptr, bytes.data(), &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        bytes.resize(size);
        return bytes;
    }

private:
    static constexpr const char* kKey = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
    static constexpr const char* kValue = "PendingFileRenameOperations";
    std::optional<std::string> saved_;
};

}  // namespace

TEST(OnlineThread, AJobThatThrowsEndsWithoutAnOutcomeAndIsReported) {
    ExpectedFailures caught;
    OnlineThread<int> worker;
    EXPECT_FALSE(worker.outcome().has_value());
    ASSERT_TRUE(worker.Launch([](HANDLE) -> int { throw std::runtime_error("disk gone"); }));
    worker.Stop();
    EXPECT_TRUE(worker.Finished());
    EXPECT_FALSE(worker.outcome().has_value());
    EXPECT_FALSE(worker.Launch([](HANDLE) { return 1; }));
    EXPECT_EQ(caught.messages(),
              std::vector<std::string>{"Brisova: failure caught in an online worker: disk gone"});
}

TEST(OnlineThread, AJobThatIgnoresTheStopIsLeftBehindAfterTheBound) {
    ScopedHandle release(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    HANDLE releaseEvent = release.get();
    {
        OnlineThread<int> worker;
        // As a system call that never returns would: the job does not look at the stop.
        ASSERT_TRUE(worker.Launch([releaseEvent](HANDLE) {
            ::WaitForSingleObject(releaseEvent, 60000);
            return 1;
        }));
        auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(worker.Stop(std::chrono::milliseconds(300)));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
        EXPECT_FALSE(worker.Finished());
    }
    // The thread outlived its owner and still ends cleanly.
    ::SetEvent(releaseEvent);
    ::Sleep(100);
}

TEST_F(OnlineServicesTest, AListWithoutEntriesFetchesEveryPendingFileFromTheOnlyServer) {
    std::string pending = List(Base("a"), "", "one one.txt 2 3\r\ntwo data\\two.txt 5 4\r\n");
    dir.Write("data/VerInf", List("HTTP://" + server.authority() + "/a/", ""));
    server.Serve(ListPath("a"), pending);
    server.Serve(FilePath("a", "one"), "111");
    server.Serve(FilePath("a", "two"), "2222");

    EXPECT_EQ(RunCheck(), UpdateOutcome::Installed);
    EXPECT_EQ(server.paths(), (Strings{ListPath("a"), FilePath("a", "one"), FilePath("a", "two")}));
    EXPECT_EQ(dir.Read("one.txt"), "111");
    EXPECT_EQ(dir.Read("data/two.txt"), "2222");
    EXPECT_EQ(dir.Read("data/VerInf"), pending);
    EXPECT_NEAR(DecodeTimeFile(dir.Read("data/UpdateDate")), Now(), 60);
    EXPECT_TRUE(StagedFiles().empty());
}

TEST_F(OnlineServicesTest, AnInterruptedCheckResumesWithoutFetchingCompleteFilesAgain) {
    dir.Write("data/VerInf", List(Base("a"), ""));
    LastCheck(Now());
    dir.Write("data/download/VerInf", List(Base("a"), "", "one one.txt 2 3\r\ntwo two.txt 2 4\r\n"));
    dir.Write("data/download/one", "111");
    dir.Write("data/download/two", "22");
    server.Serve(FilePath("a", "two"), "2222");

    EXPECT_EQ(RunCheck(), UpdateOutcome::Installed);
    EXPECT_EQ(server.paths(), Strings{FilePath("a", "two")});
    EXPECT_EQ(dir.Read("one.txt"), "111");
    EXPECT_EQ(dir.Read("two.txt"), "2222");
}

TEST_F(OnlineServicesTest, AFileOfAnotherLengthDropsThePendingListAndInstallsNothing) {
    std::string installed = List(Base("a"), "", "one one.txt 1 3\r\n");
    dir.Write("data/VerInf", installed);
    dir.Write("one.txt", "old");
    server.Serve(ListPath("a"), List(Base("a"), "", "one one.txt 2 3\r\n"));
    // 50 MB for a 3-byte entry: the reading ends once the answer is longer than listed. The
    // check still takes 6 to 11 seconds under Wine (the connection's end), more than the usual
    // wait on a loaded machine.
    server.Serve(FilePath("a", "one"), std::string(50 * 1024 * 1024, 'x'));

    EXPECT_EQ(RunCheck(40s), UpdateOutcome::WrongLength);
    EXPECT_TRUE(StagedFiles().empty());
    EXPECT_EQ(dir.Read("one.txt"), "old");
    EXPECT_EQ(dir.Read("data/VerInf"), installed);
    EXPECT_FALSE(dir.Exists("data/download/VerInf"));
    EXPECT_FALSE(dir.Exists("data/UpdateDate"));
}

TEST_F(OnlineServicesTest, ACheckWithoutChangesStillReplacesTheListAndItsDate) {
    dir.Write("data/VerInf", List(Base("a"), "", "one one.txt 2 3\r\n"));
    LastCheck(Now() - 4 * kDay);
    std::string moved = List(Base("b"), Base("c"), "one one.txt 2 3\r\n");
    server.Serve(ListPath("a"), moved);

    EXPECT_EQ(RunCheck(), UpdateOutcome::Installed);
    EXPECT_EQ(server.paths(), Strings{ListPath("a")});
    EXPECT_EQ(dir.Read("data/VerInf"), moved);
    EXPECT_NEAR(DecodeTimeFile(dir.Read("data/UpdateDate")), Now(), 60);
}

TEST_F(OnlineServicesTest, AnExecutableIsStagedBesideItsTargetAndReplacedAtRestart) {
    PendingRenames renames;
    dir.Write("data/VerInf", List(Base("a"), "", "Brisova.exe Brisova.exe 1 3\r\n"));
    dir.Write("Brisova.exe", "old");
    server.Serve(ListPath("a"), List(Base("a"), "", "Brisova.exe Brisova.exe 2 3\r\n"));
    server.Serve(FilePath("a", "Brisova.exe"), "new");

    EXPECT_EQ(RunCheck(), UpdateOutcome::Installed);
    EXPECT_EQ(dir.Read("Brisova.exe"), "old");
    EXPECT_EQ(dir.Read("Brisova.exe_"), "new");
    std::string scheduled = PendingRenames::Read().value_or("");
    std::replace(scheduled.begin(), scheduled.end(), '\0', '|');
    std::string target = programDirectory() + "Brisova.exe";
    EXPECT_NE(scheduled.find(target + "_|"), std::string::npos) << scheduled;
    EXPECT_NE(scheduled.find(target + "|"), std::string::npos) << scheduled;
}

TEST_F(OnlineServicesTest, AServerThatKeepsFailingIsAskedWithGrowingPausesYetStopsAtOnce) {
    dir.Write("data/VerInf", List(Base("a"), Base("b")));
    server.Serve(ListPath("a"), {500, "busy"});
    server.Serve(ListPath("b"), {500, "busy"});
    CGetDataFromNet checker;
    ASSERT_TRUE(checker.Start(programDirectory()));
    ASSERT_TRUE(server.WaitForRequests(3, 10s));

    auto start = Clock::now();
    checker.Stop();
    EXPECT_LT(Clock::now() - start, kPromptly);
    EXPECT_EQ(checker.outcome(), UpdateOutcome::Stopped);
    auto asked = server.requests();
    EXPECT_EQ(server.paths(), (Strings{ListPath("b"), ListPath("a"), ListPath("b")}));
    auto firstPause = asked[1].time - asked[0].time;
    auto secondPause = asked[2].time - asked[1].time;
    EXPECT_GE(firstPause, 900ms);
    EXPECT_GE(secondPause, firstPause + 500ms);
    EXPECT_TRUE(StagedFiles().empty());
}

TEST_F(OnlineServicesTest, TheCounterReportsOncePerIntervalAndNeverBeforeItsDelay) {
    dir.Write("data/counter", "1 http://" + server.authority() + "/count\r\n");
    server.Serve("/count", "counted");
    auto start = Clock::now();
    CCounter first(300ms);
    ASSERT_TRUE(first.Start(programDirectory()));
    ASSERT_TRUE(WaitFinished(first));
    EXPECT_EQ(first.outcome(), CounterOutcome::Reported);
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_GE(server.requests()[0].time - start, 300ms);
    EXPECT_NEAR(DecodeTimeFile(dir.Read("data/counter_time")), Now(), 60);

    CCounter second(0ms);
    ASSERT_TRUE(second.Start(programDirectory()));
    ASSERT_TRUE(WaitFinished(second));
    EXPECT_EQ(second.outcome(), CounterOutcome::NotDue);
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(OnlineServicesTest, ACounterAddressWithoutPathAsksForTheRootEveryTimeWithoutInterval) {
    dir.Write("data/counter", "0 " + server.authority() + "\n");
    server.Serve("/", "counted");
    for (int run = 0; run < 2; ++run) {
        CCounter counter(0ms);
        ASSERT_TRUE(counter.Start(programDirectory()));
        ASSERT_TRUE(WaitFinished(counter));
        EXPECT_EQ(counter.outcome(), CounterOutcome::Reported);
    }
    EXPECT_EQ(server.paths(), (Strings{"/", "/"}));
}

TEST_F(OnlineServicesTest, StopEndsBothWorkersWhateverTheyAreDoing) {
    dir.Write("data/VerInf", List(Base("a"), ""));
    server.Serve(ListPath("a"), {200, "never sent", Stall::BeforeHeaders});
    dir.Write("data/counter", "0 http://" + server.authority() + "/count\n");
    server.Serve("/count", "counted");

    COnlineServices services(1h);
    services.Start(programDirectory());
    ASSERT_TRUE(server.WaitForRequests(1, 10s));
    auto start = Clock::now();
    services.Stop();
    EXPECT_LT(Clock::now() - start, kPromptly);

    EXPECT_EQ(services.updateChecker().outcome(), UpdateOutcome::Stopped);
    EXPECT_EQ(services.counter().outcome(), CounterOutcome::Stopped);
    EXPECT_EQ(server.paths(), Strings{ListPath("a")});
    EXPECT_TRUE(StagedFiles().empty());
    EXPECT_FALSE(dir.Exists("data/counter_time"));
}
