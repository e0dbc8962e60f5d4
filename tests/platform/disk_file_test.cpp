#include "platform/disk_file.h"
#include "platform/utf8_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace brisova;
namespace fs = std::filesystem;

namespace {

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class DiskFile : public ::testing::Test {
protected:
    void SetUp() override {
        directory_ = fs::temp_directory_path() /
                     (std::string("disk_file_test_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(directory_);
        fs::create_directories(directory_);
    }
    void TearDown() override { fs::remove_all(directory_); }
    fs::path directory_;
};

}  // namespace

TEST(Utf8Text, CutsAndCountsWholeCharacters) {
    const std::string mixed = "aЖ中😀z";
    EXPECT_EQ(Utf8Length(mixed), 5u);
    EXPECT_EQ(Utf8Prefix(mixed, 0), "");
    EXPECT_EQ(Utf8Prefix(mixed, 2), "aЖ");
    EXPECT_EQ(Utf8Prefix(mixed, 4), "aЖ中😀");
    EXPECT_EQ(Utf8Prefix(mixed, 9), mixed);
    // A stray continuation byte at the start stays with the first character rather than being
    // split off; bytes that are not UTF-8 at all count one character each.
    EXPECT_EQ(Utf8Prefix("\x96xy", 1), "\x96x");
    EXPECT_EQ(Utf8Prefix("\xE9t\xE9", 2), "\xE9t");
}

TEST_F(DiskFile, Utf8NamesRoundTripThroughPaths) {
    const std::string name = "Про 中";
    fs::path path = directory_ / PathFromUtf8(name);
    ASSERT_TRUE(ReplaceFileContent(path, "text"));
    EXPECT_EQ(Utf8FromPath(fs::directory_iterator(directory_)->path().filename()), name);
    EXPECT_EQ(Contents(path), "text");
}

TEST_F(DiskFile, ReplacementIsAllOrNothing) {
    fs::path target = directory_ / "tree";
    ASSERT_TRUE(ReplaceFileContent(target, "old"));
    {
        ReplacingFileWriter writer(target, directory_ / "tree.tmp");
        ASSERT_TRUE(writer.Write("new, half written"));
        EXPECT_EQ(writer.written(), 17u);
    }  // abandoned without a commit
    EXPECT_EQ(Contents(target), "old");
    EXPECT_FALSE(fs::exists(directory_ / "tree.tmp"));

    ASSERT_TRUE(ReplaceFileContent(target, "new"));
    EXPECT_EQ(Contents(target), "new");
    EXPECT_FALSE(fs::exists(directory_ / "tree.tmp"));

    // A directory in the way of the temporary name: nothing is written, the target is kept.
    fs::create_directories(directory_ / "tree.tmp");
    EXPECT_FALSE(ReplaceFileContent(target, "newer"));
    EXPECT_EQ(Contents(target), "new");
}

TEST_F(DiskFile, RemovingATreeLeavesWhatItsLinksPointTo) {
    fs::create_directories(directory_ / "outside");
    ASSERT_TRUE(ReplaceFileContent(directory_ / "outside" / "keep.txt", "mine"));
    fs::create_directories(directory_ / "library" / "1");
    ASSERT_TRUE(ReplaceFileContent(directory_ / "library" / "1" / "page.htm", "page"));
    fs::create_directory_symlink(directory_ / "outside", directory_ / "library" / "1" / "link");
    EXPECT_TRUE(IsLinkOrJunction(directory_ / "library" / "1" / "link"));
    EXPECT_FALSE(IsLinkOrJunction(directory_ / "library" / "1"));

    RemoveTreeWithoutFollowingLinks(directory_ / "library");
    EXPECT_FALSE(fs::exists(directory_ / "library"));
    EXPECT_EQ(Contents(directory_ / "outside" / "keep.txt"), "mine");
}

TEST_F(DiskFile, ReadingGivesTheBytesUpToTheLimitAndNothingForWhatCannotBeRead) {
    const fs::path path = directory_ / PathFromUtf8("page Ж.txt");
    const std::string bytes = std::string(70000, 'a') + std::string("\0\r\n\x1A end", 8);
    ASSERT_TRUE(ReplaceFileContent(path, bytes));
    EXPECT_EQ(ReadFileBytes(path, SIZE_MAX), bytes);
    EXPECT_EQ(ReadFileBytes(path, 5), "aaaaa");
    EXPECT_EQ(ReadFileBytes(path, 0), "");
    ASSERT_TRUE(ReplaceFileContent(path, ""));
    EXPECT_EQ(ReadFileBytes(path, SIZE_MAX), "");
    EXPECT_FALSE(ReadFileBytes(directory_ / "absent", SIZE_MAX));
    EXPECT_FALSE(ReadFileBytes(directory_, SIZE_MAX));
}
