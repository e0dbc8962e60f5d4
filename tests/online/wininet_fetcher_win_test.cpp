// The WinINet request against a server in the test's own process.
#include "online/wininet_fetcher_win.h"

#include "online/online_thread_win.h"
#include "support/loopback_http_server_win.h"
#include "wait_until.h"

#include <gtest/gtest.h>

#include <atomic>

using namespace std::chrono_literals;
using Stall = LoopbackHttpServer::Stall;
using Strings = std::vector<std::string>;

namespace {

// Far above what a stop takes, far below a stalled request that was not abandoned.
constexpr auto kPromptly = 3s;

class WinInetFetcherTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.listening()); }

    std::string Url(const std::string& path) const { return "http://" + server.authority() + path; }
    bool Fetch(const std::string& url) {
        pieces.clear();
        return http.Fetch(url, [&](std::string_view piece) {
            pieces.emplace_back(piece);
            return true;
        });
    }
    std::string Body() const {
        std::string body;
        for (const std::string& piece : pieces) body += piece;
        return body;
    }

    LoopbackHttpServer server;
    ScopedHandle stop{::CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    WinInetFetcher http{stop.get()};
    Strings pieces;
};

std::string Pattern(std::size_t length) {
    std::string text(length, ' ');
    for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char>('a' + i % 26);
    return text;
}

}  // namespace

TEST_F(WinInetFetcherTest, SendsTheProgramsRequestAndHandsOverTheBodyInPieces) {
    std::string body = Pattern(2500);
    server.Serve("/brisova/100/VerInf", body);
    ASSERT_TRUE(Fetch(Url("/brisova/100/VerInf")));
    EXPECT_EQ(Body(), body);
    EXPECT_GE(pieces.size(), 3u);
    for (const std::string& piece : pieces) EXPECT_LE(piece.size(), 1024u);

    std::string head = server.requests().at(0).head + "\r\n";
    EXPECT_EQ(head.substr(0, head.find("\r\n")), "GET /brisova/100/VerInf HTTP/1.0");
    EXPECT_NE(head.find("\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 5.0; Windows 98; DigExt)\r\n"), std::string::npos)
        << head;
    EXPECT_NE(head.find("\r\nAccept: */*"), std::string::npos) << head;
}

TEST_F(WinInetFetcherTest, OnlyStatus200Succeeds) {
    server.Serve("/busy", {500, "try later"});
    server.Serve("/empty", "");
    EXPECT_FALSE(Fetch(Url("/busy")));
    EXPECT_TRUE(pieces.empty());
    EXPECT_FALSE(Fetch(Url("/not-served")));
    EXPECT_TRUE(Fetch(Url("/empty")));
    EXPECT_TRUE(pieces.empty());
}

TEST_F(WinInetFetcherTest, AddressesAreTakenAsWritten) {
    server.Serve("/", "root");
    server.Serve("/x", "x");
    EXPECT_TRUE(Fetch(server.authority()));
    EXPECT_EQ(Body(), "root");
    EXPECT_TRUE(Fetch("HTTP://" + server.authority() + "/x"));
    EXPECT_FALSE(Fetch("http://:80/x"));
    EXPECT_EQ(server.paths(), (Strings{"/", "/x"}));
}

TEST_F(WinInetFetcherTest, ASinkThatRefusesEndsTheFetchAsAFailure) {
    server.Serve("/long", Pattern(3000));
    int calls = 0;
    EXPECT_FALSE(http.Fetch(Url("/long"), [&](std::string_view) {
        ++calls;
        return false;
    }));
    EXPECT_EQ(calls, 1);
}

TEST_F(WinInetFetcherTest, AServerThatIsGoneFails) {
    std::string url;
    {
        LoopbackHttpServer gone;
        url = "http://" + gone.authority() + "/x";
    }
    EXPECT_FALSE(Fetch(url));
}

TEST_F(WinInetFetcherTest, StopAbandonsAStalledRequestAtOnce) {
    server.Serve("/silent", {200, "never sent", Stall::BeforeHeaders});
    // 2000 bytes of the body arrive: after the first piece, a read waits for the rest.
    server.Serve("/slow", {200, Pattern(4000), Stall::InBody});
    for (auto [path, firstBytes] : {std::pair{"/silent", 0u}, std::pair{"/slow", 1024u}}) {
        std::atomic<std::size_t> received{0};
        OnlineThread<bool> worker;
        ASSERT_TRUE(worker.Launch([&, path = path](HANDLE stopEvent) {
            return WinInetFetcher(stopEvent).Fetch(Url(path), [&](std::string_view piece) {
                received += piece.size();
                return true;
            });
        }));
        ASSERT_TRUE(WaitUntil([&] { return server.CountOf(path) == 1 && received >= firstBytes; })) << path;
        auto start = std::chrono::steady_clock::now();
        worker.Stop();
        EXPECT_LT(std::chrono::steady_clock::now() - start, kPromptly) << path;
        EXPECT_EQ(worker.outcome(), false) << path;
    }
}

TEST_F(WinInetFetcherTest, AfterStopNothingIsAsked) {
    server.Serve("/x", "x");
    ::SetEvent(stop.get());
    EXPECT_FALSE(Fetch(Url("/x")));
    EXPECT_TRUE(server.requests().empty());
}
