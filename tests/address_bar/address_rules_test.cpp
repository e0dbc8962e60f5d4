#include "address_bar/address_rules.h"

#include <gtest/gtest.h>

#include <map>

using namespace brisova;

namespace {
std::string Complete(std::string_view text, CompletionKeys keys = {}) {
    return CompleteTypedText(text, keys).value_or("<nothing>");
}
}  // namespace

TEST(TypedText, PrefixAndBlanks) {
    EXPECT_EQ(Complete("abc"), "http://abc");
    EXPECT_EQ(Complete("   abc"), "http://abc");
    EXPECT_EQ(Complete("\tabc  "), "http://abc  ");
    EXPECT_FALSE(CompleteTypedText("", {}));
    EXPECT_FALSE(CompleteTypedText(" \t ", {.ctrl = true}));
}

TEST(TypedText, CompletionKeysWrapTheTextAsTyped) {
    EXPECT_EQ(Complete("abc", {.ctrl = true}), "http://www.abc.com");
    EXPECT_EQ(Complete("abc", {.shift = true}), "http://www.abc.net");
    EXPECT_EQ(Complete("abc", {.ctrl = true, .shift = true}), "http://www.abc.com");
    EXPECT_EQ(Complete("http://x.org", {.ctrl = true}), "http://www.http://x.org.com");
    EXPECT_EQ(Complete("%s%n", {.ctrl = true}), "http://www.%s%n.com");
}

TEST(TypedText, ColonPositionDecidesPrefixAndSlashRepair) {
    EXPECT_EQ(Complete("localhost:8080"), "localhost:8080");
    EXPECT_EQ(Complete("about:blank"), "about:blank");
    EXPECT_EQ(Complete("file:\\\\c:\\dir\\page.htm"), "file://c:/dir/page.htm");
    EXPECT_EQ(Complete("c:\\dir\\page.htm"), "c:\\dir\\page.htm");
    EXPECT_EQ(Complete(":x\\y"), ":x\\y");
    EXPECT_EQ(Complete("host\\path"), "http://host\\path");
    EXPECT_EQ(Complete("a\\b", {.ctrl = true}), "http://www.a/b.com");
}

TEST(TypedText, LongAndEightBitTextIsKept) {
    std::string longHost(100000, 'a');
    EXPECT_EQ(Complete(longHost), "http://" + longHost);
    EXPECT_EQ(Complete("\xA0\xFF\x80x"), "http://\xA0\xFF\x80x");
}

TEST(Shortcuts, HostPartMatchesLowerCaseKeysExactly) {
    std::vector<ShortcutEntry> table{{"http://shop.test/a", "shop"}, {"http://never/", "Shop"},
                                     {"http://second/", "shop"}, {"http://travel/", "trip"}};
    EXPECT_EQ(ExpandShortcut("WWW.Shop/x", table), "http://shop.test/a");
    EXPECT_EQ(ExpandShortcut("http://www.shop", table), "http://shop.test/a");
    EXPECT_EQ(ExpandShortcut("HTTP://trip/", table), "http://travel/");
    EXPECT_EQ(ExpandShortcut("HTTP://Shopping/", table), "HTTP://Shopping/");
    EXPECT_EQ(ExpandShortcut("https://shop/", table), "https://shop/");
}

TEST(Shortcuts, LongAddressesAreExaminedWhole) {
    std::string key(2000, 'k');
    std::vector<ShortcutEntry> table{{"http://long/", key}, {"http://cut/", std::string(1016, 'k')}};
    EXPECT_EQ(ExpandShortcut("http://" + key + "/page", table), "http://long/");
    EXPECT_EQ(ExpandShortcut("http://" + key + "k", table), "http://" + key + "k");
}

TEST(EnterAddress, ListKeepsTheCompletedTextAndTheTargetIsExpanded) {
    std::vector<ShortcutEntry> table{{"http://shop.test/", "shop"}};
    auto entered = EnterAddress("  shop", {}, table);
    ASSERT_TRUE(entered);
    EXPECT_EQ(entered->listText, "http://shop");
    EXPECT_EQ(entered->target, "http://shop.test/");
    EXPECT_FALSE(EnterAddress("   ", {}, table));
}

TEST(TypedList, CaseOrTrailingSlashVariantsAddNothing) {
    std::vector<std::string> items{"http://abc/", "HTTP://DEF", "http://x/page.htm"};
    EXPECT_FALSE(TypedListAddition(items, "http://abc"));
    EXPECT_FALSE(TypedListAddition(items, "http://ABC/"));
    EXPECT_FALSE(TypedListAddition(items, "http://def/"));
    EXPECT_EQ(TypedListAddition(items, "http://x/page.htm/x"), "http://x/page.htm/x");
    EXPECT_EQ(TypedListAddition(items, "http://new/doc.htm"), "http://new/doc.htm");
    EXPECT_FALSE(TypedListAddition({""}, "/"));
}

TEST(TypedUrls, LoadStopsAtTheFirstGapAndSkipsEmptyValues) {
    std::map<std::string, std::string> key{{"url1", "http://a/"}, {"url2", ""},
                                           {"url3", std::string(5000, 'x')}, {"url5", "http://lost/"}};
    auto read = [&](const std::string& name) -> std::optional<std::string> {
        auto it = key.find(name);
        if (it == key.end()) return std::nullopt;
        return it->second;
    };
    EXPECT_EQ(LoadTypedUrls(read), (std::vector<std::string>{"http://a/", std::string(5000, 'x')}));
    EXPECT_TRUE(LoadTypedUrls([](const std::string&) { return std::nullopt; }).empty());
}

TEST(TypedUrls, SaveWritesAtMostTwentyFourNumberedWithoutGaps) {
    std::vector<std::string> items;
    for (int i = 0; i < 30; ++i) items.push_back("http://site" + std::to_string(i) + "/");
    auto values = TypedUrlsToSave(items);
    ASSERT_EQ(values.size(), 24u);
    EXPECT_EQ(values.front(), (NamedText{"url1", "http://site0/"}));
    EXPECT_EQ(values.back(), (NamedText{"url24", "http://site23/"}));

    std::string longAddress = "http://a/" + std::string(400, 'p');
    EXPECT_EQ(TypedUrlsToSave({"", "http://b/", "", longAddress}),
              (std::vector<NamedText>{{"url1", "http://b/"}, {"url2", longAddress}}));
    EXPECT_TRUE(TypedUrlsToSave({}).empty());
}

TEST(AddressBar, GoButtonAndBoxWidth) {
    EXPECT_FALSE(ShowsGoButton("no"));
    EXPECT_TRUE(ShowsGoButton("No"));
    EXPECT_TRUE(ShowsGoButton(std::nullopt));
    EXPECT_EQ(AddressBoxWidth(500, true, 40), 458);
    EXPECT_EQ(AddressBoxWidth(500, false, 40), 500);
    EXPECT_EQ(AddressBoxWidth(30, true, 40), 0);
}

TEST(DroppedText, ScriptAddressesAreRefusedInAnyCase) {
    EXPECT_FALSE(AcceptsDroppedText("javascript:alert(1)"));
    EXPECT_FALSE(AcceptsDroppedText("  JavaScript:void(0)"));
    EXPECT_FALSE(AcceptsDroppedText("VBScript:MsgBox(1)"));
    EXPECT_FALSE(AcceptsDroppedText("java\nscr\tipt:alert(1)"));
    EXPECT_TRUE(AcceptsDroppedText("http://a/javascript:"));
    EXPECT_TRUE(AcceptsDroppedText("javascript"));
    EXPECT_TRUE(AcceptsDroppedText(""));
}
