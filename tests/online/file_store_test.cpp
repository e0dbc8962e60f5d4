#include "online/file_store.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace brisova;

TEST(DirectoryFileStore, BackslashPathsNameFilesBelowTheRoot) {
    TempDir dir;
    dir.Write("data/download/a.txt", "abc");
    DirectoryFileStore files(dir.path());
    EXPECT_EQ(files.Read("data\\download\\a.txt"), "abc");
    EXPECT_EQ(files.Size("data\\download\\a.txt"), 3u);
    EXPECT_FALSE(files.Read("data\\download"));
    EXPECT_FALSE(files.Size("data\\missing"));
}

TEST(DirectoryFileStore, OnlyACommitReplacesTheFile) {
    TempDir dir;
    dir.Write("data/VerInf", "old");
    DirectoryFileStore files(dir.path());
    {
        std::unique_ptr<FileWriter> writer = files.Create("data\\VerInf");
        ASSERT_TRUE(writer);
        EXPECT_TRUE(writer->Write("new and longer"));
        EXPECT_EQ(writer->Written(), 14u);
    }
    EXPECT_EQ(dir.Read("data/VerInf"), "old");
    EXPECT_EQ(files.ListFiles("data"), std::vector<std::string>{"VerInf"});

    std::unique_ptr<FileWriter> writer = files.Create("data\\VerInf");
    ASSERT_TRUE(writer);
    writer->Write("new");
    EXPECT_EQ(dir.Read("data/VerInf"), "old");
    EXPECT_TRUE(writer->Commit());
    EXPECT_EQ(dir.Read("data/VerInf"), "new");
    EXPECT_TRUE(files.Copy("data\\VerInf", "copy"));
    EXPECT_EQ(dir.Read("copy"), "new");
}

TEST(DirectoryFileStore, ListingAndRemovalLeaveDirectoriesAlone) {
    TempDir dir;
    dir.Write("data/download/a", "1");
    dir.Write("data/download/b c.txt", "2");
    dir.Write("data/download/sub/d", "3");
    DirectoryFileStore files(dir.path());
    std::vector<std::string> names = files.ListFiles("data\\download");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b c.txt"}));
    EXPECT_FALSE(files.Remove("data\\download\\sub"));
    EXPECT_TRUE(dir.Exists("data/download/sub/d"));
    EXPECT_TRUE(files.Remove("data\\download\\a"));
    EXPECT_FALSE(files.Remove("data\\download\\a"));
    EXPECT_TRUE(files.ListFiles("missing").empty());
}
