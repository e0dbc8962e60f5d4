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

// Scored on several threads a block at a time, the result is still the first matches in the
// order the pages are met, across blocks and folders, best first and stable within a score.
TEST(Search, ManyPagesOnManyThreadsKeepTheOrderAndTheBound) {
    auto root = MakeFolder(0, "r");
    std::vector<InfoNode*> folders = {root.get()};
    for (int f = 1; f <= 3; ++f) folders.push_back(AddChild(*root, -f, NodeType::Folder, "folder"));
    const int pages = 100000;  // more matches than the bound
    for (int i = 1; i <= pages; ++i) AddChild(*folders[i % 4], i, NodeType::Page, "page", "f");
    const auto text = [](std::int32_t id) { return id % 7 == 0 ? "alpha beta" : id % 3 == 0 ? "beta" : "none"; };
    QueryMatcher q({"alpha", "beta"});
    const auto results = SearchPages(*root, true, q, [&](const InfoNode& p) { return std::optional<std::string>(text(p.id)); });

    // What one thread finds: the pages in tree order, matches kept up to the bound.
    std::vector<std::int32_t> two, one;
    std::size_t kept = 0;
    const std::function<void(const InfoNode&)> walk = [&](const InfoNode& folder) {
        for (const auto& child : folder.children) {
            if (!child->IsPage()) {
                walk(*child);
                continue;
            }
            const std::string t = text(child->id);
            if (t == "none" || kept == kMaxSearchResults) continue;
            ++kept;
            (t == "beta" ? one : two).push_back(child->id);
        }
    };
    walk(*root);
    std::vector<std::int32_t> expected = two;
    expected.insert(expected.end(), one.begin(), one.end());
    ASSERT_EQ(results.size(), expected.size());
    for (std::size_t i = 0; i < results.size(); ++i) ASSERT_EQ(results[i]->id, expected[i]) << i;
}
