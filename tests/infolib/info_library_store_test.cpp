#include "infolib/info_library_store.h"
#include "infolib/library_paths.h"
#include "infolib/tree_file.h"
#include "library_test_support.h"

#include <gtest/gtest.h>

using namespace brisova;
using namespace brisova::testing;

namespace {

class LibraryStore : public ::testing::Test {
protected:
    std::unique_ptr<InfoLibraryStore> Open() {
        auto store = std::make_unique<InfoLibraryStore>(files, dir.str(), [] { return 1700000000; });
        store->Load();
        return store;
    }
    // What the browser's save leaves in the page directory.
    InfoNode* SavePage(InfoLibraryStore& store, InfoNode* folder, const std::string& name,
                       const std::string& content = "<HTML>Text</HTML>") {
        std::optional<std::string> pageDir = store.BeginPageSave();
        EXPECT_TRUE(pageDir);
        std::ofstream(JoinPath(*pageDir, "page.htm"), std::ios::binary) << content;
        std::int32_t id = store.nextId();
        EXPECT_TRUE(store.FinishPageSave(folder, name));
        return store.FindById(id);
    }
    TreeFileContent TreeOnDisk() const { return ParseTreeFile(dir.ReadText("MyInfoLib")); }

    TempLibraryRoot dir;
    DiskLibraryFiles files;
};

}  // namespace

TEST_F(LibraryStore, FirstUseStartsWithTheRootFolderAndWritesOnFirstChange) {
    {
        auto store = Open();
        ASSERT_NE(store->root(), nullptr);
        EXPECT_EQ(store->root()->name, "My Information");
        EXPECT_EQ(store->root()->id, 0);
        EXPECT_EQ(store->nextId(), 1);
        EXPECT_FALSE(store->dirty());

        InfoNode* page = SavePage(*store, store->root(), "Title", "<P>Mixed CASE 123 \xC4</P>");
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->id, 1);
        EXPECT_EQ(page->fileName, "page.htm");
        EXPECT_EQ(dir.ReadText("1/page.htm.dat"), "<p>mixed case 123 \xC4</p>");
        EXPECT_FALSE(dir.Exists("MyInfoLib"));
    }
    TreeFileContent disk = TreeOnDisk();
    EXPECT_TRUE(disk.sound);
    EXPECT_EQ(disk.nextId, 2);
    ASSERT_EQ(disk.topLevel.size(), 1u);
    ASSERT_EQ(disk.topLevel[0]->children.size(), 1u);
    EXPECT_EQ(disk.topLevel[0]->children[0]->time, 1700000000);
    EXPECT_FALSE(dir.Exists("MyInfoLib.tmp"));
}

TEST_F(LibraryStore, PageGoesFirstFolderGoesLast) {
    auto store = Open();
    InfoNode* root = store->root();
    store->AddNode(root, "A", "", NodeType::Folder);
    store->AddNode(root, "P1", "p1.htm", NodeType::Page);
    store->AddNode(root, "B", "", NodeType::Folder);
    store->AddNode(root, "P2", "p2.htm", NodeType::Page);
    std::vector<std::string> names;
    for (const auto& child : root->children) names.push_back(child->name);
    EXPECT_EQ(names, (std::vector<std::string>{"P2", "P1", "A", "B"}));
    EXPECT_TRUE(store->dirty());
    // Only folders take new nodes.
    EXPECT_EQ(store->AddNode(root->children[0].get(), "X", "", NodeType::Folder), nullptr);
    EXPECT_EQ(store->AddNode(nullptr, "X", "", NodeType::Folder), nullptr);
}

TEST_F(LibraryStore, FolderMadeInACancelledDialogIsKept) {
    Open().reset();
    {
        auto dialogLibrary = Open();
        dialogLibrary->AddNode(dialogLibrary->root(), "News", "", NodeType::Folder);
    }
    auto frameLibrary = Open();
    ASSERT_EQ(frameLibrary->root()->children.size(), 1u);
    EXPECT_EQ(frameLibrary->root()->children[0]->name, "News");
    EXPECT_EQ(frameLibrary->nextId(), 2);
}

TEST_F(LibraryStore, DeletingAFolderRemovesThePageDirectoriesBelowIt) {
    auto store = Open();
    InfoNode* keep = SavePage(*store, store->root(), "keep");
    InfoNode* a = store->AddNode(store->root(), "A", "", NodeType::Folder);
    InfoNode* inA = SavePage(*store, a, "in A");
    InfoNode* b = store->AddNode(a, "B", "", NodeType::Folder);
    InfoNode* inB = SavePage(*store, b, "in B");
    std::string keepDir = std::to_string(keep->id), aDir = std::to_string(inA->id), bDir = std::to_string(inB->id);
    std::int32_t aId = a->id;

    EXPECT_TRUE(store->DeleteFolder(a));
    EXPECT_FALSE(dir.Exists(aDir));
    EXPECT_FALSE(dir.Exists(bDir));
    EXPECT_TRUE(dir.Exists(keepDir + "/page.htm"));
    EXPECT_EQ(store->FindById(aId), nullptr);
    EXPECT_EQ(store->root()->children.size(), 1u);

    EXPECT_FALSE(store->DeleteFolder(store->root()));
    EXPECT_NE(store->root(), nullptr);
}

TEST_F(LibraryStore, SaveWithoutAFileRemovesTheDirectoryAndAddsNothing) {
    auto store = Open();
    ASSERT_TRUE(store->BeginPageSave());
    EXPECT_TRUE(dir.Exists("1"));
    EXPECT_FALSE(store->FinishPageSave(store->root(), "nothing"));
    EXPECT_FALSE(dir.Exists("1"));
    EXPECT_TRUE(store->root()->children.empty());
    EXPECT_EQ(store->nextId(), 1);
}

TEST_F(LibraryStore, APageTheFolderRefusesLeavesNoDirectoryBehind) {
    auto store = Open();
    InfoNode* deepest = store->root();
    while (InfoNode* sub = store->AddNode(deepest, "f", "", NodeType::Folder)) deepest = sub;
    std::int32_t id = store->nextId();
    std::optional<std::string> pageDir = store->BeginPageSave();
    ASSERT_TRUE(pageDir);
    std::ofstream(JoinPath(*pageDir, "page.htm"), std::ios::binary) << "<HTML></HTML>";

    EXPECT_FALSE(store->FinishPageSave(deepest, "too deep"));
    EXPECT_FALSE(dir.Exists(std::to_string(id)));
    EXPECT_EQ(store->nextId(), id);
    EXPECT_TRUE(deepest->children.empty());
}

TEST_F(LibraryStore, NextIdBehindTheIdsInUseIsMovedPastThem) {
    NodeList top;
    top.push_back(MakeFolder(0, "My Information"));
    AddChild(*top[0], 7, NodeType::Page, "p", "page.htm");
    dir.Write("MyInfoLib", SerializeTree(3, top));
    dir.Write("7/page.htm", "saved");
    auto store = Open();
    EXPECT_EQ(store->nextId(), 8);
    ASSERT_TRUE(store->BeginPageSave());
    EXPECT_EQ(dir.ReadText("7/page.htm"), "saved");
}

TEST_F(LibraryStore, DamagedTreeFileIsKeptAsideAndTheSoundPartLoads) {
    NodeList top;
    top.push_back(MakeFolder(0, "My Information"));
    AddChild(*top[0], 1, NodeType::Folder, "A");
    std::string bytes = SerializeTree(2, top);
    bytes.back() = '\x09';
    dir.Write("MyInfoLib", bytes);
    auto store = Open();
    EXPECT_FALSE(store->Load());
    ASSERT_EQ(store->root()->children.size(), 1u);
    EXPECT_EQ(dir.ReadText("MyInfoLib.damaged"), bytes);
}

TEST_F(LibraryStore, FoldersStopAtTheNestingLimit) {
    auto store = Open();
    InfoNode* folder = store->root();
    int levels = 1;
    while (InfoNode* sub = store->AddNode(folder, "f", "", NodeType::Folder)) {
        folder = sub;
        ++levels;
    }
    EXPECT_EQ(levels, kMaxTreeLevels);
    store->Reload();
    EXPECT_NE(store->FindById(store->nextId() - 1), nullptr);
}

TEST_F(LibraryStore, RemovesOnlyDirectlyBelowTheRoot) {
    TempLibraryRoot outside;
    outside.Write("victim/file", "x");
    dir.Write("5/file", "x");
    auto store = Open();
    store->RemoveDirectoryTree(outside.str() + "/victim");
    store->RemoveDirectoryTree(dir.str() + "/../" + (outside / "victim").filename().string());
    store->RemoveDirectoryTree(dir.str() + "/5/..");
    store->RemoveDirectoryTree(dir.str());
    EXPECT_TRUE(outside.Exists("victim/file"));
    EXPECT_TRUE(dir.Exists("5/file"));
    store->RemoveDirectoryTree(dir.str() + "/5");
    EXPECT_FALSE(dir.Exists("5"));

    InfoLibraryStore rootless(files, "");
    rootless.Load();
    EXPECT_FALSE(rootless.BeginPageSave());
}
