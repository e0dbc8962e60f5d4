#include "app/settings.h"
#include "app/startup_rules.h"

#include <gtest/gtest.h>

using namespace brisova;

TEST(CommandLine, FirstPlainArgumentIsTheAddress) {
    EXPECT_EQ(StartAddressFromArguments({}), "");
    EXPECT_EQ(StartAddressFromArguments({"http://a/"}), "http://a/");
    EXPECT_EQ(StartAddressFromArguments({"-nohome", "x.htm", "y.htm"}), "x.htm");
}

TEST(CommandLine, ShellVerbsOpenNothing) {
    EXPECT_EQ(StartAddressFromArguments({"/p", "page.htm"}), "");
    EXPECT_EQ(StartAddressFromArguments({"page.htm", "/DDE"}), "");
}

TEST(CommandLine, ShortcutExtensionIgnoresCase) {
    EXPECT_TRUE(IsInternetShortcutPath("C:\\x\\Site.url"));
    EXPECT_TRUE(IsInternetShortcutPath("SITE.URL"));
    EXPECT_FALSE(IsInternetShortcutPath("http://a/b.urls"));
    EXPECT_FALSE(IsInternetShortcutPath("url"));
}

TEST(HandOff, AddressMustFitWithItsNul) {
    EXPECT_EQ(HandOffPayload("abc"), std::string("abc\0", 4));
    EXPECT_TRUE(HandOffPayload(std::string(2559, 'a')));
    EXPECT_FALSE(HandOffPayload(std::string(2560, 'a')));
}

TEST(HandOff, ReadingStopsAtTheBlockEnd) {
    char block[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(ReadHandOffBlock(block, sizeof block), "abcd");
    char shorter[4] = {'a', '\0', 'c', 'd'};
    EXPECT_EQ(ReadHandOffBlock(shorter, sizeof shorter), "a");
}

TEST(WindowRecord, EncodesAddressesWithNewlinesAndNul) {
    Bytes r = EncodeWindowRecord({"A", "about:blank"});
    EXPECT_EQ(std::string(r.begin(), r.end()), std::string("A\nabout:blank\n\0", 15));
    EXPECT_EQ(EncodeWindowRecord({}), Bytes{0});
}

TEST(WindowRecord, DecodeSkipsEmptyPiecesAndStopsAtNul) {
    std::string s("a\n\nb\n\0c\n", 8);
    EXPECT_EQ(DecodeWindowRecord(Bytes(s.begin(), s.end())), (std::vector<std::string>{"a", "b"}));
}

TEST(WindowRecord, OnlyMoreThanFiveBytesOffersRestore) {
    EXPECT_FALSE(ShouldOfferRestore(std::nullopt));
    EXPECT_FALSE(ShouldOfferRestore(Bytes(5, 'a')));
    EXPECT_TRUE(ShouldOfferRestore(Bytes(6, 'a')));
}

TEST(StartupPages, LinesInOrderWithoutLineEnds) {
    EXPECT_EQ(StartupPages("http://a/\r\nhttp://b/\n\n  \nhttp://c/"),
              (std::vector<std::string>{"http://a/", "http://b/", "http://c/"}));
    EXPECT_TRUE(StartupPages("").empty());
}

TEST(Settings, DefaultsWhenTheFileIsEmptyAndEveryKeyWritten) {
    MemoryProfile p;
    Settings s = ReadSettings(p);
    EXPECT_EQ(s.enableAutoFilter, 1);
    EXPECT_EQ(s.smallToolbar, 0);
    EXPECT_EQ(s.newButtonType, 0);
    s.toolBar = 0;
    WriteSettings(p, s);
    for (const SettingKey& key : kSavedSettings) EXPECT_TRUE(p.Has("Settings", key.name)) << key.name;
    EXPECT_EQ(ReadSettings(p).toolBar, 0);
    StartupSettings st = ReadStartupSettings(p);
    EXPECT_EQ(st.enableHomePage, 1);
    EXPECT_EQ(st.enableStartup, 0);
}
