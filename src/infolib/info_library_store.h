// The library's tree of folders and saved pages and the files behind it: the tree file, one
// directory per saved page and the page's lower-cased text copy. Tree controls are left to the
// window layer, which keeps its items in InfoNode::treeItem.
#pragma once

#include "infolib/info_node.h"
#include "infolib/library_files.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace brisova {

inline constexpr std::string_view kRootFolderName = "My Information";

// Seconds since 1970 UTC, cut to the tree file's 32 bits.
std::int32_t CurrentUnixTime();

class InfoLibraryStore {
public:
    using Clock = std::function<std::int32_t()>;

    InfoLibraryStore(LibraryFiles& files, std::string rootPath, Clock clock = CurrentUnixTime);
    // Writes the tree file when the tree changed since it was read.
    virtual ~InfoLibraryStore();
    InfoLibraryStore(const InfoLibraryStore&) = delete;
    InfoLibraryStore& operator=(const InfoLibraryStore&) = delete;

    // Reads the tree file; without one (or with nothing sound in it) the library holds only the
    // root folder, in memory until the first change. Returns false when the file was damaged.
    bool Load();
    // Writes the tree file when dirty. Returns false when writing failed.
    bool Save();
    void SaveAndFree();
    // Save and free, then load again from the tree file.
    void Reload();

    const std::string& rootPath() const { return rootPath_; }
    const std::string& treeFilePath() const { return treeFilePath_; }
    LibraryFiles& files() const { return files_; }
    std::int32_t nextId() const { return nextId_; }
    bool dirty() const { return dirty_; }
    void MarkDirty() { dirty_ = true; }

    // The root folder: the first node of the top level, or null when freed.
    InfoNode* root() const { return topLevel_.empty() ? nullptr : topLevel_.front().get(); }
    const NodeList& topLevel() const { return topLevel_; }

    // Depth first over the whole tree in list order.
    InfoNode* FindById(std::int32_t id) const;
    InfoNode* FindByTreeItem(const void* treeItem) const;

    // A new page goes first in the folder, a new folder last. Null when the folder is not a
    // folder, is nested as deep as folders may go, or the ids are used up.
    InfoNode* AddNode(InfoNode* folder, std::string_view name, std::string_view fileName, NodeType type);
    // Removes the folder with everything below it and the directories of the pages below it.
    // The tree file is written first; when that fails the files stay. The root folder stays.
    bool DeleteFolder(InfoNode* folder);
    // Removes a saved page and, once the tree file no longer lists it, its directory; ids of
    // folders are refused.
    bool DeletePage(std::int32_t id);

    // Saving a page happens in two steps around the browser's own save: first a fresh, empty
    // directory named after the next id (returned), then the first file in it becomes a page
    // of the folder and gets its text copy. Without a file, or when the folder refuses the page
    // (see AddNode), the directory is removed and false returned.
    std::optional<std::string> BeginPageSave();
    bool FinishPageSave(InfoNode* folder, std::string_view name);

    // Removes a directory below the library root with everything in it; any other path is
    // left alone.
    void RemoveDirectoryTree(const std::string& path);
    std::optional<std::string> FirstFile(const std::string& directory) const;
    // Writes file + ".dat": the file's bytes with "A" to "Z" lowered.
    bool MakeTextCopy(const std::string& filePath);

private:
    void CreateRootFolder();
    void RemovePageDirectories(const InfoNode& node);
    static std::unique_ptr<InfoNode> Unlink(InfoNode& node, NodeList& topLevel);

    LibraryFiles& files_;
    std::string rootPath_;
    std::string treeFilePath_;
    Clock clock_;
    NodeList topLevel_;
    std::int32_t nextId_ = 0;
    bool dirty_ = false;
};

}  // namespace brisova
