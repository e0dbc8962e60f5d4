#include "online/online_fakes.h"
#include "online/time_file.h"
#include "online/worker_wait.h"

#include <gtest/gtest.h>

#include <thread>

using namespace brisova;
using namespace std::chrono_literals;

TEST(RetryPause, DoublesFromOneSecondToTenMinutes) {
    RetryPause pause;
    std::vector<std::chrono::milliseconds> seen;
    for (int i = 0; i < 12; ++i) seen.push_back(pause.Next());
    EXPECT_EQ(seen[0], 1s);
    EXPECT_EQ(seen[1], 2s);
    EXPECT_EQ(seen[9], 512s);
    EXPECT_EQ(seen[10], 600s);
    EXPECT_EQ(seen[11], 600s);
    pause.Reset();
    EXPECT_EQ(pause.Next(), 1s);
}

TEST(ThreadStopSignal, AStopEndsALongPauseAtOnce) {
    std::stop_source source;
    ThreadStopSignal signal(source.get_token());
    bool result = true;
    std::thread worker([&] { result = signal.Pause(std::chrono::hours(1)); });
    source.request_stop();
    worker.join();
    EXPECT_FALSE(result);
    EXPECT_TRUE(signal.StopRequested());
    EXPECT_FALSE(signal.Pause(std::chrono::hours(1)));
}

TEST(WaitForConnection, PollsOnceASecondUntilOnline) {
    ManualWallClock clock;
    SimulatedStopSignal stop(clock);
    ScriptedHttpFetcher http;
    http.StayOfflineFor(3);
    EXPECT_TRUE(WaitForConnection(http, stop));
    EXPECT_EQ(stop.pauses(), std::vector<std::chrono::milliseconds>(3, 1s));
    EXPECT_EQ(http.connectionPolls(), 4);
}

TEST(WaitForConnection, StopEndsTheWait) {
    ManualWallClock clock;
    SimulatedStopSignal stop(clock);
    ScriptedHttpFetcher http;
    http.StayOfflineFor(1'000'000);
    stop.StopAfterPausing(10s);
    EXPECT_FALSE(WaitForConnection(http, stop));
    EXPECT_EQ(http.connectionPolls(), 10);
}

TEST(TimeFile, FourBytesLittleEndianSigned) {
    EXPECT_EQ(EncodeTimeFile(0x01020304), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(DecodeTimeFile(std::string("\x04\x03\x02\x01" "extra", 9)), 0x01020304);
    EXPECT_EQ(DecodeTimeFile(EncodeTimeFile(-5)), -5);
    EXPECT_EQ(DecodeTimeFile(std::string("\xff\xff\xff", 3)), 0);
    EXPECT_EQ(DecodeTimeFile(std::nullopt), 0);
}

TEST(TimeFile, HoursApartIgnoreTheDirection) {
    EXPECT_EQ(WholeHoursApart(7199, 0), 1);
    EXPECT_EQ(WholeHoursApart(0, 7200), 2);
    EXPECT_EQ(WholeHoursApart(INT32_MIN, INT32_MAX), 1193046);
}
