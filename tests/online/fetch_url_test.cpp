#include "online/fetch_url.h"

#include <gtest/gtest.h>

using namespace brisova;

namespace {
FetchTarget Split(std::string_view url) {
    std::optional<FetchTarget> target = SplitFetchUrl(url);
    EXPECT_TRUE(target) << url;
    return target.value_or(FetchTarget{});
}
}  // namespace

TEST(SplitFetchUrl, SchemeIsOptionalAndMatchedWithoutCase) {
    FetchTarget plain = Split("updates.example/brisova/100/VerInf");
    EXPECT_EQ(plain.host, "updates.example");
    EXPECT_EQ(plain.object, "/brisova/100/VerInf");
    FetchTarget capitals = Split("HTTP://Updates.Example/x");
    EXPECT_EQ(capitals.host, "Updates.Example");
    EXPECT_EQ(capitals.object, "/x");
    EXPECT_EQ(capitals.port, kDefaultHttpPort);
}

TEST(SplitFetchUrl, HostWithoutSlashFetchesTheRoot) {
    FetchTarget target = Split("http://count.example");
    EXPECT_EQ(target.host, "count.example");
    EXPECT_EQ(target.object, "/");
    EXPECT_EQ(Split("count.example?x=1").host, "count.example?x=1");
}

TEST(SplitFetchUrl, PortAfterTheHostIsUsed) {
    FetchTarget target = Split("host.example:8080/dir/brisova/100/VerInf");
    EXPECT_EQ(target.host, "host.example");
    EXPECT_EQ(target.port, 8080);
    EXPECT_EQ(target.object, "/dir/brisova/100/VerInf");
    EXPECT_EQ(Split("http://127.0.0.1:65535").port, 65535);
    FetchTarget v6 = Split("http://[::1]:81/a");
    EXPECT_EQ(v6.host, "[::1]");
    EXPECT_EQ(v6.port, 81);
    EXPECT_EQ(Split("[::1]/a").port, kDefaultHttpPort);
}

TEST(SplitFetchUrl, AddressesThatNameNoServerAreRefused) {
    for (std::string_view url : {"", "http://", "http:///x", "/x", "host:/x", "host:0/", "host:65536/",
                                 "host:80a/", "host:123456/", "https://host/", "[::1/x", "[::1]x/"}) {
        EXPECT_FALSE(SplitFetchUrl(url)) << url;
    }
}
