#include "shared/settings.h"
#include "shared/startup_rules.h"

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

TEST(StartAddress, TheUninstallersSwitchIsNoAddress) {
    EXPECT_TRUE(AsksToUnregister({"/unregister"}));
    EXPECT_TRUE(AsksToUnregister({"http://a/", "-UNREGISTER"}));
    EXPECT_FALSE(AsksToUnregister({"/unregisterx", "unregister", "/"}));
    EXPECT_EQ(StartAddressFromArguments({"/unregister"}), "");
}

TEST(StartAddress, TheSystemsRestartSwitchIsNoAddress) {
    EXPECT_TRUE(StartedBySystemRestart({"/restart"}));
    EXPECT_TRUE(StartedBySystemRestart({"-RESTART"}));
    EXPECT_FALSE(StartedBySystemRestart({"restart", "/restarts"}));
    EXPECT_EQ(StartAddressFromArguments({"/restart"}), "");
    EXPECT_EQ(StartAddressFromArguments({"/restart", "http://a/"}), "http://a/");
}

TEST(HandOff, OnlyTheBlockOfTheMessageIsOpened) {
    std::optional<std::string> block = HandOffBlock("http://a.example/Привет", 7);
    ASSERT_TRUE(block);
    EXPECT_EQ(block->size(), kHandOffBlockSize);
    EXPECT_EQ(ReadHandOffBlock(*block, 7), "http://a.example/Привет");
    // A late message finds another sender's block, a fresh empty one, or an empty address.
    EXPECT_FALSE(ReadHandOffBlock(*block, 8));
    EXPECT_FALSE(ReadHandOffBlock(std::string(kHandOffBlockSize, '\0'), 0));
    EXPECT_FALSE(ReadHandOffBlock(*HandOffBlock("", 9), 9));
    EXPECT_FALSE(ReadHandOffBlock(block->substr(1), 7));

    // The longest address that fits keeps its NUL before the tag; one more is not cut but refused.
    const std::size_t longest = kHandOffBlockSize - kHandOffTagSize - 1;
    EXPECT_EQ(ReadHandOffBlock(*HandOffBlock(std::string(longest, 'a'), 1), 1), std::string(longest, 'a'));
    EXPECT_FALSE(HandOffBlock(std::string(longest + 1, 'a'), 1));
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
    EXPECT_EQ(StartupPages("\xEF\xBB\xBFhttp://a/\r\n"), std::vector<std::string>{"http://a/"});
    EXPECT_EQ(StartupPages("\xEF\xBB\xBF\r\n"), std::vector<std::string>{});
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
