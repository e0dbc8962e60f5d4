#include "content/content_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "online/temp_dir.h"

using namespace brisova;

namespace {
std::string ShopText(int entries, const std::string& prefix) {
    std::string text;
    for (int i = 0; i < entries; ++i)
        text += prefix + " entry " + std::to_string(i) + "\nhttp://" + prefix + std::to_string(i) + ".example/\nk" +
                prefix + std::to_string(i) + "\n";
    return text;
}

std::string ProgramDirectory(const TempDir& dir) {
    return dir.path().string() + "/";
}
}  // namespace

TEST(TipCount, IsTheLeadingNumberOfTheFirstLineAndZeroForAnythingElse) {
    EXPECT_EQ(ParseTipCount("12\r\n"), 12);
    EXPECT_EQ(ParseTipCount("  3 tips\n99\n"), 3);
    EXPECT_EQ(ParseTipCount("5"), 5);  // no final newline
    EXPECT_EQ(ParseTipCount(""), 0);
    EXPECT_EQ(ParseTipCount("\n7\n"), 0);
    EXPECT_EQ(ParseTipCount("-4\n"), 0);
    EXPECT_EQ(ParseTipCount("many\n"), 0);
    EXPECT_EQ(ParseTipCount("99999999999999999999\n"), 0);
}

TEST(TipFiles, CountedButMissingTipIsEmptyAndLongTipsAreCutAtACharacter) {
    TempDir dir;
    ContentFiles files(ProgramDirectory(dir));
    EXPECT_EQ(files.TipCount(), 0);  // no info file

    dir.Write("data/mosttips/info", "3\n");
    dir.Write("data/mosttips/t0", "First tip\r\nsecond line");
    // "é" is two bytes and would be split by the 64 KB limit.
    dir.Write("data/mosttips/t2", std::string(kMaxTipBytes - 1, 'a') + "\xC3\xA9" + "tail");
    EXPECT_EQ(files.TipCount(), 3);
    EXPECT_EQ(files.Tip(0), "First tip\r\nsecond line");
    EXPECT_EQ(files.Tip(1), "");
    EXPECT_EQ(files.Tip(2), std::string(kMaxTipBytes - 1, 'a'));
    EXPECT_EQ(files.Tip(-1), "");
}

TEST(TipFiles, TextStopsAtANulAndBareLineFeedsGetTheirReturns) {
    EXPECT_EQ(BoundedText(std::string_view("before\0after", 12)), "before");
    EXPECT_EQ(EditControlText("a\nb\r\nc\n"), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(EditControlText("\n"), "\r\n");
}

TEST(DonationChoices, PairsEndAtAShortLabelAtTheLimitOrAtALabelWithoutAddress) {
    auto choices = ParseDonationChoices("Small gift\r\nhttp://a.example/\r\nLarge gift\r\nhttp://b.example/ \r\n"
                                        "Tiny\r\nhttp://c.example/\r\n");
    ASSERT_EQ(choices.size(), 2u);
    EXPECT_EQ(choices[0].label, "Small gift");
    EXPECT_EQ(choices[1].address, "http://b.example/");

    // Four characters end the list even when they take more bytes; five do not.
    EXPECT_TRUE(ParseDonationChoices("Caf\xC3\xA9\nhttp://a.example/\n").empty());
    EXPECT_EQ(ParseDonationChoices("Caf\xC3\xA9s\nhttp://a.example/").size(), 1u);
    EXPECT_TRUE(ParseDonationChoices("A label only").empty());

    std::string many;
    for (int i = 0; i < 14; ++i) many += "Choice " + std::to_string(i) + "\nhttp://x" + std::to_string(i) + ".example/\n";
    auto limited = ParseDonationChoices(many);
    ASSERT_EQ(limited.size(), kMaxDonationChoices);
    EXPECT_EQ(limited.back().label, "Choice 9");
}

TEST(DonationFiles, OfferedOnlyWithTheDataFile) {
    TempDir dir;
    ContentFiles files(ProgramDirectory(dir));
    EXPECT_FALSE(files.DonationOffered());
    EXPECT_FALSE(files.DonationText().has_value());
    dir.Write("data/donate/data", "");
    EXPECT_TRUE(files.DonationOffered());
    EXPECT_TRUE(files.DonationChoices().empty());
    dir.Write("data/donate/info", "Thank you");
    EXPECT_EQ(files.DonationText(), "Thank you");
}

TEST(ShopEntries, GroupsOfThreeLinesUntilAShortLabel) {
    auto entries = ParseShopEntries("Books and more\r\nhttp://books.example/\r\n books \r\nOther\r\nhttp://o.example/\r\n"
                                    "\r\nLast\r\nhttp://late.example/\r\nlate\r\n",
                                    kMaxShopEntries);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].label, "Books and more");
    EXPECT_EQ(entries[0].address, "http://books.example/");
    EXPECT_EQ(entries[0].key, "books");
    // An empty key line keeps its entry, without a shortcut; "Last" is too short a label.
    EXPECT_EQ(entries[1].key, "");

    // A file without a final newline keeps its last entry, even one without its key line.
    auto last = ParseShopEntries("Hotels\nhttp://h.example/", kMaxShopEntries);
    ASSERT_EQ(last.size(), 1u);
    EXPECT_EQ(last[0].address, "http://h.example/");
    EXPECT_TRUE(ParseShopEntries("Hotels", kMaxShopEntries).empty());
}

TEST(ShopFiles, ShopAndTravelShareOneHundredEntries) {
    TempDir dir;
    ContentFiles files(ProgramDirectory(dir));
    ShopMenu none = files.ShopAndTravel();
    EXPECT_TRUE(none.shop.empty());
    EXPECT_TRUE(none.travel.empty());

    dir.Write("data/shop", ShopText(70, "shop"));
    dir.Write("data/travel", ShopText(40, "travel"));
    ShopMenu menu = files.ShopAndTravel();
    EXPECT_EQ(menu.shop.size(), 70u);
    ASSERT_EQ(menu.travel.size(), 30u);
    EXPECT_EQ(menu.travel.back().key, "ktravel29");

    dir.Write("data/shop", ShopText(120, "shop"));
    menu = files.ShopAndTravel();
    EXPECT_EQ(menu.shop.size(), kMaxShopEntries);
    EXPECT_TRUE(menu.travel.empty());
}

TEST(VendorLinks, DefaultsUnderExampleUntilTheFileSaysOtherwise) {
    TempDir dir;
    ContentFiles files(ProgramDirectory(dir));
    EXPECT_EQ(files.Vendor().homePage, "http://www.brisova.example/");
    EXPECT_EQ(CommentsMailAddress(files.Vendor()), "mailto:comments@brisova.example");

    dir.Write("data/vendor", "# ours\r\nHomePage = http://home.example/x \r\nComments=\r\nOther=1");
    EXPECT_EQ(files.Vendor().homePage, "http://home.example/x");
    EXPECT_EQ(files.Vendor().comments, "comments@brisova.example");
    EXPECT_EQ(CommentsMailAddress(ParseVendorLinks("Comments=mailto:me@x.example")), "mailto:me@x.example");
}

// Editors on Windows start UTF-8 files with a byte-order mark; it belongs to no line.
TEST(ContentFiles, AByteOrderMarkIsNotPartOfAnyFile) {
    TempDir dir;
    ContentFiles files(ProgramDirectory(dir));
    const std::string mark = "\xEF\xBB\xBF";
    dir.Write("data/mosttips/info", mark + "2\r\n");
    dir.Write("data/mosttips/t1", mark + "First tip");
    dir.Write("data/donate/info", mark + "Thank you");
    dir.Write("data/donate/data", mark + "Give a little\r\nhttp://give.example/\r\n");
    dir.Write("data/shop", mark + ShopText(1, "shop"));
    dir.Write("data/travel", mark + ShopText(1, "travel"));
    dir.Write("data/vendor", mark + "HomePage=http://home.example/\r\n");
    EXPECT_EQ(files.TipCount(), 2);
    EXPECT_EQ(files.Tip(1), "First tip");
    EXPECT_EQ(files.DonationText(), "Thank you");
    ASSERT_EQ(files.DonationChoices().size(), 1u);
    EXPECT_EQ(files.DonationChoices()[0].label, "Give a little");
    ShopMenu menu = files.ShopAndTravel();
    ASSERT_EQ(menu.shop.size(), 1u);
    EXPECT_EQ(menu.shop[0].label, "shop entry 0");
    ASSERT_EQ(menu.travel.size(), 1u);
    EXPECT_EQ(menu.travel[0].label, "travel entry 0");
    EXPECT_EQ(files.Vendor().homePage, "http://home.example/");
}

// The files the installation ships: every counted tip exists and says something, every list
// reads to its end, and every address points at a host the distributor replaces.
TEST(InstalledContent, ShippedFilesAreCompleteAndUseExampleHosts) {
    std::filesystem::path source = std::filesystem::path(__FILE__).parent_path() / "../..";
    ContentFiles files(source.string() + "/");
    int tips = files.TipCount();
    EXPECT_GE(tips, 10);
    for (int i = 0; i < tips; ++i) EXPECT_GT(files.Tip(i).size(), 40u) << "tip " << i;
    EXPECT_FALSE(std::filesystem::exists(source / "data/mosttips" / ("t" + std::to_string(tips))));

    auto exampleHost = [](const std::string& address) {
        std::string host = address.substr(address.find("://") + 3);
        host = host.substr(0, host.find('/'));
        return host.ends_with(".example");
    };
    ASSERT_TRUE(files.DonationOffered());
    EXPECT_FALSE(files.DonationText().value_or("").empty());
    auto choices = files.DonationChoices();
    ASSERT_FALSE(choices.empty());
    for (const auto& choice : choices) EXPECT_TRUE(exampleHost(choice.address)) << choice.address;

    ShopMenu menu = files.ShopAndTravel();
    EXPECT_FALSE(menu.shop.empty());
    EXPECT_FALSE(menu.travel.empty());
    for (const auto* list : {&menu.shop, &menu.travel}) {
        for (const auto& entry : *list) {
            EXPECT_TRUE(exampleHost(entry.address)) << entry.address;
            EXPECT_FALSE(entry.key.empty()) << entry.label;
        }
    }
    EXPECT_TRUE(exampleHost(files.Vendor().homePage));
    EXPECT_TRUE(files.Vendor().comments.ends_with(".example"));
}
