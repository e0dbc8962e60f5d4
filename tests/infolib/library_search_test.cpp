#include "infolib/library_search.h"
#include "library_test_support.h"

#include <gtest/gtest.h>

#include <map>

using namespace brisova;
using namespace brisova::testing;

TEST(QueryDecoding, PlusIsSpaceAndPercentTakesTwoHexDigits) {
    EXPECT_EQ(DecodeQuery("Foo+bar%2Cbaz"), "foo bar,baz");
    EXPECT_EQ(SplitQueryWords(DecodeQuery("Foo+bar%2Cbaz")), (std::vector<std::string>{"foo", "bar,baz"}));
    EXPECT_EQ(DecodeQuery("%41%62%c4%C4"), "ab\xC4\xC4");
    // A "%" without two hex digits after it stays and decoding goes on after it.
    EXPECT_EQ(DecodeQuery("100%+sure%zz%4"), "100% sure%zz%4");
    EXPECT_EQ(DecodeQuery("%%41"), "%a");
    EXPECT_EQ(DecodeQuery("%2"), "%2");
}

TEST(QueryDecoding, WordsAreRunsBetweenSpacesOnly) {
    EXPECT_EQ(SplitQueryWords("  a  b\tc "), (std::vector<std::string>{"a", "b\tc"}));
    EXPECT_TRUE(SplitQueryWords("   ").empty());
}

TEST(QueryDecoding, CutAtTheBounds) {
    EXPECT_EQ(DecodeQuery(std::string(600, 'a')).size(), kMaxQueryBytes);
    std::string encoded;
    for (int i = 0; i < 600; ++i) encoded += "%41";
    EXPECT_EQ(DecodeQuery(encoded), std::string(kMaxQueryBytes, 'a'));
    std::string many;
    for (int i = 0; i < 150; ++i) many += "w" + std::to_string(i) + " ";
    std::vector<std::string> words = SplitQueryWords(many);
    ASSERT_EQ(words.size(), kMaxQueryWords);
    EXPECT_EQ(words.back(), "w98");
}

TEST(WordScore, EachWordCountsOnce) {
    QueryMatcher q({"ab", "cd", "zz"});
    EXPECT_EQ(q.Score("ab ab ab cd"), 2);
    EXPECT_EQ(q.Score("xabcdzz"), 3);
    EXPECT_EQ(q.Score(""), 0);
    EXPECT_EQ(QueryMatcher({}).Score("anything"), 0);
}

namespace {

// root: page "Weather report", folder "Sub" holding page "weather in sub", page "Weather",
// page "Other".
struct SearchTree {
    SearchTree() {
        root = MakeFolder(0, "My Information");
        AddChild(*root, 1, NodeType::Page, "Weather report", "a.htm");
        InfoNode* sub = AddChild(*root, 2, NodeType::Folder, "Sub");
        AddChild(*sub, 3, NodeType::Page, "weather in sub", "b.htm");
        AddChild(*root, 4, NodeType::Page, "Weather", "c.htm");
        AddChild(*root, 5, NodeType::Page, "Other", "d.htm");
    }
    std::vector<std::int32_t> Find(const InfoNode& folder, bool whole, std::string_view encoded) const {
        QueryMatcher q(SplitQueryWords(DecodeQuery(encoded)));
        std::vector<std::int32_t> ids;
        for (const InfoNode* page : SearchPages(folder, whole, q, [this](const InfoNode& p) {
                 auto it = texts.find(p.id);
                 return it == texts.end() ? std::nullopt : std::optional<std::string>(it->second);
             })) {
            ids.push_back(page->id);
        }
        return ids;
    }
    std::unique_ptr<InfoNode> root;
    std::map<std::int32_t, std::string> texts;
};

}  // namespace

TEST(Search, NameHoldingEveryWordNeedsNoTextCopy) {
    SearchTree t;
    EXPECT_EQ(t.Find(*t.root, false, "weather+report"), (std::vector<std::int32_t>{1, 4}));
    // With a text copy, a partial name match is listed only when the text holds more words.
    t.texts[4] = "the weather today";
    EXPECT_EQ(t.Find(*t.root, false, "weather+report"), (std::vector<std::int32_t>{1}));
    t.texts[4] = "weather report of the day";
    EXPECT_EQ(t.Find(*t.root, false, "weather+report"), (std::vector<std::int32_t>{1, 4}));
}

TEST(Search, OrdersByScoreThenByTheOrderFound) {
    SearchTree t;
    t.texts = {{1, "alpha"}, {4, "alpha beta gamma"}, {5, "gamma alpha"}};
    EXPECT_EQ(t.Find(*t.root, false, "alpha+beta+gamma"), (std::vector<std::int32_t>{4, 5, 1}));
    EXPECT_TRUE(t.Find(*t.root, false, "").empty());
    EXPECT_TRUE(t.Find(*t.root, false, "+++").empty());
}

TEST(Search, OnlyTheWholeLibrarySearchDescends) {
    SearchTree t;
    EXPECT_EQ(t.Find(*t.root, false, "WEATHER"), (std::vector<std::int32_t>{1, 4}));
    EXPECT_EQ(t.Find(*t.root, true, "WEATHER"), (std::vector<std::int32_t>{1, 3, 4}));
    EXPECT_EQ(t.Find(*t.root->children[1], false, "weather"), (std::vector<std::int32_t>{3}));
}

TEST(Search, ResultListStopsAtItsBound) {
    auto root = MakeFolder(0, "r");
    for (std::size_t i = 0; i < kMaxSearchResults + 10; ++i) {
        AddChild(*root, static_cast<std::int32_t>(i + 1), NodeType::Page, "hit", "f");
    }
    QueryMatcher q({"hit"});
    auto results = SearchPages(*root, true, q, [](const InfoNode&) { return std::nullopt; });
    ASSERT_EQ(results.size(), kMaxSearchResults);
    EXPECT_EQ(results.back()->id, static_cast<std::int32_t>(kMaxSearchResults));
}
