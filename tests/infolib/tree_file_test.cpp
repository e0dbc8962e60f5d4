#include "infolib/tree_file.h"
#include "library_test_support.h"

#include <gtest/gtest.h>

#include <random>

using namespace brisova;
using namespace brisova::testing;

namespace {

std::string Le32(std::int32_t v) {
    auto u = static_cast<std::uint32_t>(v);
    return {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF), static_cast<char>((u >> 16) & 0xFF),
            static_cast<char>(u >> 24)};
}
std::string Text(const std::string& s) { return Le32(static_cast<std::int32_t>(s.size() + 1)) + s + '\0'; }
std::string Folder(std::int32_t id, const std::string& name) {
    return std::string(1, '\0') + Le32(id) + Text(name) + Le32(1);
}
std::string Page(std::int32_t id, const std::string& name, const std::string& file, std::int32_t time) {
    return std::string(1, '\0') + Le32(id) + Text(name) + Le32(0) + Text(file) + Le32(time);
}
const std::string kOpen(1, '\1');
const std::string kEnd(1, '\2');

// R holds page P then folder A; A holds page Q.
NodeList SampleTree() {
    NodeList top;
    top.push_back(MakeFolder(0, "R"));
    AddChild(*top[0], 1, NodeType::Page, "P", "p.htm", 1000);
    InfoNode* a = AddChild(*top[0], 2, NodeType::Folder, "A");
    AddChild(*a, 3, NodeType::Page, "Q", "q.htm", -5);
    return top;
}

std::string SampleBytes() {
    return Le32(4) + Folder(0, "R") + kOpen + Page(1, "P", "p.htm", 1000) + Folder(2, "A") + kOpen +
           Page(3, "Q", "q.htm", -5) + kEnd + kEnd + kEnd;
}

std::size_t CountNodes(const NodeList& list) {
    std::size_t n = list.size();
    for (const auto& node : list) n += CountNodes(node->children);
    return n;
}

// Parents point back, pages have no children, nothing is nested deeper than the limit.
void ExpectWellFormed(const NodeList& list, const InfoNode* parent, int level) {
    for (const auto& node : list) {
        ASSERT_LT(level, kMaxTreeLevels);
        ASSERT_EQ(node->parent, parent);
        if (node->IsPage()) {
            ASSERT_TRUE(node->children.empty());
        }
        ExpectWellFormed(node->children, node.get(), level + 1);
    }
}

}  // namespace

TEST(TreeFile, WritesTheTagSequenceDepthFirstAndReadsItBack) {
    NodeList tree = SampleTree();
    EXPECT_EQ(SerializeTree(4, tree), SampleBytes());

    TreeFileContent back = ParseTreeFile(SampleBytes());
    EXPECT_TRUE(back.sound);
    EXPECT_EQ(back.nextId, 4);
    EXPECT_TRUE(SameTree(back.topLevel, tree));
    ExpectWellFormed(back.topLevel, nullptr, 0);
}

TEST(TreeFile, CutShortKeepsTheNodesReadBefore) {
    std::string bytes = SampleBytes();
    // Cut inside Q's file name: R, P and A stay, Q is dropped.
    std::string cut = bytes.substr(0, bytes.find("q.htm") + 2);
    TreeFileContent c = ParseTreeFile(cut);
    EXPECT_FALSE(c.sound);
    ASSERT_EQ(c.topLevel.size(), 1u);
    ASSERT_EQ(c.topLevel[0]->children.size(), 2u);
    EXPECT_TRUE(c.topLevel[0]->children[1]->children.empty());
}

TEST(TreeFile, DamageStopsReadingAndKeepsWhatWasSound) {
    std::string head = Le32(5) + Folder(0, "R") + kOpen + Page(1, "P", "p", 0);
    // An unknown tag.
    EXPECT_EQ(CountNodes(ParseTreeFile(head + "\7" + Folder(2, "X")).topLevel), 2u);
    // A name length far beyond the file.
    std::string huge = head + std::string(1, '\0') + Le32(2) + Le32(0x7FFFFFF0) + "abc";
    EXPECT_EQ(CountNodes(ParseTreeFile(huge).topLevel), 2u);
    std::string negative = head + std::string(1, '\0') + Le32(2) + Le32(-1) + "abc";
    EXPECT_EQ(CountNodes(ParseTreeFile(negative).topLevel), 2u);
    // A type that is neither folder nor page.
    std::string badType = head + std::string(1, '\0') + Le32(2) + Text("X") + Le32(7);
    EXPECT_EQ(CountNodes(ParseTreeFile(badType).topLevel), 2u);
    // Children under a page, or children with no node before them.
    EXPECT_FALSE(ParseTreeFile(head + kOpen + Folder(2, "X")).sound);
    EXPECT_EQ(CountNodes(ParseTreeFile(head + kOpen + Folder(2, "X")).topLevel), 2u);
    EXPECT_TRUE(ParseTreeFile(Le32(1) + kOpen).topLevel.empty());
}

TEST(TreeFile, NestingBeyondTheLevelLimitIsReadOverNotKept) {
    // A chain of folders 600 deep, then a page back at the top level's root folder.
    const int depth = 600;
    std::string bytes = Le32(depth + 2);
    for (int i = 0; i < depth; ++i) bytes += Folder(i, "F" + std::to_string(i)) + kOpen;
    bytes += Page(depth, "deep", "d", 0);
    for (int i = 0; i < depth - 1; ++i) bytes += kEnd;
    bytes += Page(depth + 1, "shallow", "s", 0) + kEnd + kEnd;

    TreeFileContent c = ParseTreeFile(bytes);
    EXPECT_TRUE(c.sound);
    ExpectWellFormed(c.topLevel, nullptr, 0);
    EXPECT_EQ(CountNodes(c.topLevel), static_cast<std::size_t>(kMaxTreeLevels) + 1);
    const InfoNode& root = *c.topLevel[0];
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[1]->name, "shallow");
    // What was kept writes a file that reads back the same.
    EXPECT_TRUE(SameTree(ParseTreeFile(SerializeTree(c.nextId, c.topLevel)).topLevel, c.topLevel));
}

TEST(TreeFile, RandomAndMutatedFilesLoadSafely) {
    std::mt19937 random(20240613);
    const std::string valid = SampleBytes() + Folder(9, "extra") + kOpen + Page(10, "x", "x", 1) + kEnd + kEnd;
    auto check = [](const std::string& bytes) {
        TreeFileContent c = ParseTreeFile(bytes);
        ExpectWellFormed(c.topLevel, nullptr, 0);
        TreeFileContent again = ParseTreeFile(SerializeTree(c.nextId, c.topLevel));
        EXPECT_TRUE(again.sound);
        EXPECT_TRUE(SameTree(again.topLevel, c.topLevel));
    };
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = valid;
        int edits = 1 + static_cast<int>(random() % 6);
        for (int e = 0; e < edits && !bytes.empty(); ++e) {
            std::size_t at = random() % bytes.size();
            switch (random() % 4) {
                case 0: bytes[at] = static_cast<char>(byte(random)); break;
                case 1: bytes.erase(at, 1 + random() % 8); break;
                case 2: bytes.insert(at, std::string(1 + random() % 4, static_cast<char>(random() % 3))); break;
                default: bytes.resize(at); break;
            }
        }
        check(bytes);
        std::string noise(random() % 64, '\0');
        for (char& c : noise) c = static_cast<char>(random() % 4 == 0 ? byte(random) : random() % 3);
        check(noise);
    }
}
