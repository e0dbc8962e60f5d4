#include "online/online_fakes.h"
#include "online/time_file.h"
#include "online/usage_counter.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

using namespace brisova;
using namespace std::chrono_literals;

namespace {

constexpr std::int64_t kNow = 1'700'000'000;
const std::string kUrl = "http://count.example/brisova";

TEST(CounterSettings, IntervalAndUrlFromTheFirstLine) {
    std::optional<CounterSettings> s = ParseCounterSettings("24 " + kUrl + " ignored\r\nsecond line\n");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->intervalHours, 24);
    EXPECT_EQ(s->url, kUrl);
    EXPECT_EQ(ParseCounterSettings("\t0\thttp://x\r")->url, "http://x");
    EXPECT_EQ(ParseCounterSettings("-1 x")->intervalHours, -1);
}

TEST(CounterSettings, NoRequestWithoutAUsableLine) {
    for (std::string_view text : {"", "\n24 http://x\n", "24", "24 \nhttp://x", "http://x", "24h http://x",
                                  "99999999999 http://x"}) {
        EXPECT_FALSE(ParseCounterSettings(text)) << text;
    }
    EXPECT_TRUE(ParseCounterSettings("1 " + std::string(kLongestCounterUrl, 'u')));
    EXPECT_FALSE(ParseCounterSettings("1 " + std::string(kLongestCounterUrl + 1, 'u')));
}

class UsageCounterTest : public ::testing::Test {
protected:
    UsageCounterTest() {
        std::filesystem::create_directories(dir.path() / "data");
        dir.Write("data/counter", "24 " + kUrl + "\r\n");
        http.Serve(kUrl, "thanks");
        http.OnFetch([&](const std::string&) { requestedAt.push_back(clock.Now()); });
        stop.StopAfterPausing(1000h);
    }
    CounterOutcome Run() { return RunUsageCounter(CounterServices{files, http, clock, stop}); }
    void LastReport(std::int64_t time) { dir.Write("data/counter_time", EncodeTimeFile(time)); }
    std::int64_t Stored() const { return DecodeTimeFile(dir.Read("data/counter_time")); }

    TempDir dir;
    DirectoryFileStore files{dir.path()};
    ManualWallClock clock{kNow};
    SimulatedStopSignal stop{clock};
    ScriptedHttpFetcher http;
    std::vector<std::int64_t> requestedAt;
};

TEST_F(UsageCounterTest, FirstRunReportsAfterThreeMinutesAndKeepsTheDecisionTime) {
    http.StayOfflineFor(2);
    EXPECT_EQ(Run(), CounterOutcome::Reported);
    EXPECT_EQ(stop.pauses(), (std::vector<std::chrono::milliseconds>{1s, 1s, 3min}));
    EXPECT_EQ(requestedAt, std::vector<std::int64_t>{kNow + 2 + 180});
    EXPECT_EQ(Stored(), kNow);
}

TEST_F(UsageCounterTest, AtMostOncePerInterval) {
    LastReport(kNow - 24 * 3600 + 1);
    EXPECT_EQ(Run(), CounterOutcome::NotDue);
    LastReport(kNow - 24 * 3600);
    EXPECT_EQ(Run(), CounterOutcome::Reported);
    EXPECT_EQ(http.requests().size(), 1u);
}

TEST_F(UsageCounterTest, AClockSetBackCountsLikeOneGoneForward) {
    LastReport(kNow + 23 * 3600);
    EXPECT_EQ(Run(), CounterOutcome::NotDue);
    LastReport(kNow + 25 * 3600);
    EXPECT_EQ(Run(), CounterOutcome::Reported);
    EXPECT_EQ(Stored(), kNow);
}

TEST_F(UsageCounterTest, ATimeFileShorterThanFourBytesReports) {
    dir.Write("data/counter_time", std::string("\x00\xf1\x53", 3));
    EXPECT_EQ(Run(), CounterOutcome::Reported);
}

TEST_F(UsageCounterTest, AFailedRequestLeavesTheTimeAndIsNotRetried) {
    LastReport(1);
    http.Forget(kUrl);
    EXPECT_EQ(Run(), CounterOutcome::RequestFailed);
    EXPECT_EQ(http.requests().size(), 1u);
    EXPECT_EQ(Stored(), 1);
}

TEST_F(UsageCounterTest, MissingOrBadSettingsMakeNoRequest) {
    dir.Write("data/counter", "24 " + std::string(kLongestCounterUrl + 1, 'u'));
    EXPECT_EQ(Run(), CounterOutcome::NoSettings);
    std::filesystem::remove(dir.path() / "data/counter");
    EXPECT_EQ(Run(), CounterOutcome::NoSettings);
    EXPECT_TRUE(http.requests().empty());
    EXPECT_FALSE(dir.Exists("data/counter_time"));
}

TEST_F(UsageCounterTest, AStopDuringTheDelayEndsWithoutARequest) {
    stop.StopAfterPausing(2min);
    EXPECT_EQ(Run(), CounterOutcome::Stopped);
    EXPECT_TRUE(http.requests().empty());
    EXPECT_FALSE(dir.Exists("data/counter_time"));
}

}  // namespace
