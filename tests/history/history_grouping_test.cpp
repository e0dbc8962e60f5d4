#include "history/history_grouping.h"

#include <gtest/gtest.h>

using namespace brisova;

namespace {
// Wednesday, 2026-12-09.
const int kWednesday = DayNumber(2026, 12, 9);
const HistoryNames kNames;

std::vector<std::string> GroupTexts(const HistoryTree& tree) {
    std::vector<std::string> texts;
    for (const HistoryGroup& g : tree.groups) texts.push_back(g.name);
    return texts;
}
}  // namespace

TEST(HistoryGroups, DaysAndWeeksSeenFromAWednesday) {
    ASSERT_EQ(WeekdayOf(kWednesday), 3);
    ASSERT_EQ(WeekdayOf(DayNumber(1970, 1, 1)), 4);
    ASSERT_EQ(DayNumber(2024, 3, 1) - DayNumber(2024, 2, 28), 2);  // a leap year
    const int monday = kWednesday - 2;
    EXPECT_EQ(GroupOf(monday, kWednesday, kNames).text, "Monday");
    EXPECT_EQ(GroupOf(monday, kWednesday, kNames).key, -7);
    EXPECT_EQ(GroupOf(kWednesday, kWednesday, kNames).text, "Today");
    EXPECT_EQ(GroupOf(kWednesday, kWednesday, kNames).key, -5);
    EXPECT_EQ(GroupOf(monday - 3, kWednesday, kNames).text, "Last Week");  // previous Friday
    EXPECT_EQ(GroupOf(monday - 7, kWednesday, kNames).text, "Last Week");  // previous Monday
    EXPECT_EQ(GroupOf(monday - 8, kWednesday, kNames).text, "2Weeks ago");
    EXPECT_EQ(GroupOf(monday - 12, kWednesday, kNames).text, "2Weeks ago");
    EXPECT_EQ(GroupOf(monday - 12, kWednesday, kNames).key, -9);
    EXPECT_EQ(GroupOf(monday - 15, kWednesday, kNames).text, "3Weeks ago");
}

TEST(HistoryGroups, WeeksStartOnMondayEvenSeenFromSunday) {
    const int sunday = kWednesday + 4;
    ASSERT_EQ(WeekdayOf(sunday), 0);
    EXPECT_EQ(WeekStart(sunday), kWednesday - 2);
    EXPECT_EQ(GroupOf(sunday, sunday, kNames).key, -1);
    EXPECT_EQ(GroupOf(kWednesday - 2, sunday, kNames).text, "Monday");
    EXPECT_EQ(GroupOf(kWednesday - 3, sunday, kNames).text, "Last Week");
    // Sunday is the last group of its week, after Saturday.
    EXPECT_LT(WeekdayKey(6), WeekdayKey(0));
}

TEST(HistoryGroups, AVisitDatedAfterTodayCountsAsToday) {
    EXPECT_EQ(GroupOf(kWednesday + 1, kWednesday, kNames).text, "Today");
    EXPECT_EQ(GroupOf(kWednesday + 400, kWednesday, kNames).key, -5);
}

TEST(HistorySites, HostsMyComputerAndHiddenAddresses) {
    EXPECT_EQ(SiteOf("http://www.example.com/a/b.htm", kNames), "www.example.com");
    EXPECT_EQ(SiteOf("HTTPS://www.example.com", kNames), "www.example.com");
    EXPECT_EQ(SiteOf("http://example.com:8080?q=1", kNames), "example.com:8080");
    EXPECT_EQ(SiteOf("ftp://files.example.org/pub/", kNames), "files.example.org");
    EXPECT_EQ(SiteOf("file:///C:/pages/x.htm", kNames), "My Computer");
    for (const char* hidden : {"javascript:alert(1)", "about:blank", "mailto:a@b.c", "http://", "", "ht"})
        EXPECT_FALSE(SiteOf(hidden, kNames)) << hidden;
}

TEST(HistoryPages, TitleOrTheAddresssLastSegment) {
    EXPECT_EQ(PageText("News", "http://a.example/x.htm"), "News");
    EXPECT_EQ(PageText("", "http://a.example/dir/page.htm?q=a/b"), "page.htm");
    EXPECT_EQ(PageText(" ", "http://a.example/dir/"), "dir");
    EXPECT_EQ(PageText("", "http://a.example/"), "a.example");
    EXPECT_EQ(PageText("Line\r\nbreak\t<b>", "http://a/"), "Line  break <b>");
}

TEST(HistoryPages, LongTitlesAreCutBetweenCharacters) {
    std::string title;
    for (int i = 0; i < 100; ++i) title += "\xC3\xA9";  // 'é', two bytes each
    std::string text = PageText(title, "http://a/");
    ASSERT_EQ(text.substr(text.size() - 3), "...");
    std::string kept = text.substr(0, text.size() - 3);
    EXPECT_LE(text.size(), kMaxPageText);
    EXPECT_EQ(kept.size() % 2, 0u);
    EXPECT_EQ(title.substr(0, kept.size()), kept);
    EXPECT_EQ(CutAtCharacter("a\xE2\x82\xAC", 3), "a");
    EXPECT_EQ(CutAtCharacter("a\xE2\x82\xAC", 4), "a\xE2\x82\xAC");
}

TEST(HistoryTreeShape, GroupsSitesAndPagesInOrder) {
    const int monday = kWednesday - 2;
    std::vector<HistoryEntry> entries = {
        {"http://b.example/one", "One", kWednesday},
        {"https://B.example/two", "", kWednesday},
        {"javascript:void(0)", "Script", kWednesday},
        {"", "No address", kWednesday},
        {"file:///C:/x/local.htm", "Local", monday},
        {"http://a.example/", "A", monday - 12},
        {"http://c.example/", "Future", kWednesday + 3},
        {"http://a.example/old", "Old", monday - 3},
    };
    HistoryTree tree = GroupHistory(entries, kWednesday, kNames);
    EXPECT_EQ(GroupTexts(tree), (std::vector<std::string>{"2Weeks ago", "Last Week", "Monday", "Today"}));
    const HistoryGroup& today = tree.groups.back();
    ASSERT_EQ(today.sites.size(), 2u);
    EXPECT_EQ(today.sites[0].name, "b.example");
    ASSERT_EQ(today.sites[0].pages.size(), 2u);
    EXPECT_EQ(today.sites[0].pages[1].text, "two");
    EXPECT_EQ(tree.addresses[today.sites[0].pages[1].address], "https://B.example/two");
    EXPECT_EQ(today.sites[1].name, "c.example");
    EXPECT_EQ(tree.groups[2].sites[0].name, "My Computer");
    EXPECT_EQ(tree.addresses.size(), 6u);
}

TEST(HistoryGrouping, OnlyPagesOnThisMachineAreNeverLookedUpInTheCache) {
    for (const char* local : {"file:///C:/x.htm", "FILE:x", "C:\\pages\\x.htm", "d:/x", "\\\\server\\share\\x.htm"})
        EXPECT_TRUE(IsLocalAddress(local)) << local;
    for (const char* remote : {"http://a.example/", "https://file.example/", "ftp://x/", "javascript:1", "", "c", "1:x"})
        EXPECT_FALSE(IsLocalAddress(remote)) << remote;
}
