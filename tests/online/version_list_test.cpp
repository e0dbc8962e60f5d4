#include "online/server_choice.h"
#include "online/version_list.h"

#include <gtest/gtest.h>

using namespace brisova;

namespace {
VersionEntry Entry(std::string name, std::string target) { return {std::move(name), std::move(target), 1, 1}; }
}  // namespace

TEST(VersionList, ServersAreWholeLinesAndEntriesHaveFourFields) {
    VersionList list = ParseVersionList(
        "http://a.example/dir/\r\n\r\nBrisova.exe Brisova.exe 7 1000\r\ntips data\\tips.txt -3 +12 extra\n");
    EXPECT_EQ(list.primaryServer, "http://a.example/dir/");
    EXPECT_EQ(list.secondaryServer, "");
    ASSERT_EQ(list.entries.size(), 2u);
    EXPECT_EQ(list.entries[0].name, "Brisova.exe");
    EXPECT_EQ(list.entries[0].length, 1000);
    EXPECT_EQ(list.entries[1].target, "data\\tips.txt");
    EXPECT_EQ(list.entries[1].version, -3);
    EXPECT_EQ(list.entries[1].length, 12);
}

TEST(VersionList, ShortFilesAndLastLineWithoutLineEnd) {
    EXPECT_EQ(ParseVersionList("").primaryServer, "");
    VersionList one = ParseVersionList("only.example/");
    EXPECT_EQ(one.primaryServer, "only.example/");
    EXPECT_TRUE(one.entries.empty());
    EXPECT_EQ(ParseVersionList("p\ns\na b 1 2").entries.size(), 1u);
}

TEST(VersionList, AShortLineEndsTheEntries) {
    VersionList list = ParseVersionList("p\ns\na a 1 1\nb b 2\n\nc c 3 3\n");
    ASSERT_EQ(list.entries.size(), 1u);
    EXPECT_EQ(list.entries[0].name, "a");
    EXPECT_EQ(ParseVersionList("p\ns\na a 1 1\nxxxx\nc c 3 3\n").entries.size(), 1u);
}

TEST(VersionList, OddLinesArePassedOverWithoutEndingTheList) {
    std::string longName(kMaxEntryFieldLength + 1, 'n');
    std::string text = "p\ns\n"
                       "only three fields\n"
                       "a b x 1\n"
                       "a b 1 -1\n"
                       "a b 1 99999999999\n"
                       "a b 1 2x\n" +
                       longName + " t 1 1\n"
                       "t " + longName + " 1 1\n"
                       "ok " + std::string(kMaxEntryFieldLength, 't') + " 1 1\n";
    VersionList list = ParseVersionList(text);
    ASSERT_EQ(list.entries.size(), 1u);
    EXPECT_EQ(list.entries[0].name, "ok");
}

TEST(VersionList, TargetsMustStayInsideTheProgramDirectory) {
    for (const char* target : {"Brisova.exe", "data\\tips.txt", "data/search/web.htm", "a.b\\c..d"}) {
        EXPECT_TRUE(IsInstallableEntry(Entry("f", target))) << target;
    }
    for (const char* target : {"..\\evil.exe", "data\\..\\..\\evil", "C:\\Windows\\x.dll", "C:x", "\\x",
                               "/etc/x", "\\\\server\\share\\x", "data\\\\x", "data\\", ".", "...\\x",
                               "data\\ . \\x", "data\\a|b", "file.txt:stream", "data\\download\\VerInf",
                               "DATA/Download/x", "",
                               // Windows drops trailing dots and blanks and maps device names.
                               "data\\download.\\x", "data\\download \\x", "x.", "nul.txt", "data\\COM1\\x",
                               // The user's files and the program's state.
                               "Brisova.ini", "brisova.INI", "data\\startup", "data\\MyInfoLib\\1\\page.htm",
                               "data\\UpdateDate", "data\\counter_time", "data\\VerInf"}) {
        EXPECT_FALSE(IsInstallableEntry(Entry("f", target))) << target;
    }
    EXPECT_TRUE(IsInstallableEntry(Entry("f", "data\\downloads\\x")));
    EXPECT_TRUE(IsInstallableEntry(Entry("f", "data\\MyInfoLib.txt")));
}

TEST(VersionList, NamesMustBePlainFileNamesOfTheirOwn) {
    EXPECT_TRUE(IsInstallableEntry(Entry("Brisova.exe", "Brisova.exe")));
    for (const char* name : {"VerInf", "verinf", "VerInf.", "VerInf ", "CON", "lpt1.bin", "a\\b", "a/b", "..",
                             "x~part", "a:b", "a?b", "a\x01", "caf\xe9"}) {
        EXPECT_FALSE(IsInstallableEntry(Entry(name, "t"))) << name;
    }
}

TEST(ServerChoice, SecondaryFirstThenAlternate) {
    ServerChoice both("p/", "s/");
    EXPECT_EQ(both.Current(), "s/");
    both.AfterFailure();
    EXPECT_EQ(both.Current(), "p/");
    both.AfterFailure();
    EXPECT_EQ(both.Current(), "s/");
}

TEST(ServerChoice, AnEmptyLineIsNeverAsked) {
    ServerChoice primaryOnly("p/", "");
    primaryOnly.AfterFailure();
    primaryOnly.AfterFailure();
    EXPECT_EQ(primaryOnly.Current(), "p/");
    ServerChoice secondaryOnly("", "s/");
    secondaryOnly.AfterFailure();
    EXPECT_EQ(secondaryOnly.Current(), "s/");
    EXPECT_FALSE(ServerChoice("", "").HasServer());
}
