// CInfoLibrary: the library as a window sees it. The tree of folders and saved pages with its
// files, the writer of the index pages, and a tree control that shows the folders (each
// folder's item kept in InfoNode::treeItem).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "infolib/index_pages.h"
#include "infolib/info_library_store.h"
#include "infolib/library_files.h"

class CInfoLibrary {
public:
    // Writes the page into the given (fresh, empty) directory; false when nothing was written.
    using PageWriter = std::function<bool(const std::string& directory)>;

    // Opens the library under `rootPath` and reads its tree file.
    explicit CInfoLibrary(std::string rootPath);
    // Writes the tree file when the tree changed.
    virtual ~CInfoLibrary() = default;
    CInfoLibrary(const CInfoLibrary&) = delete;
    CInfoLibrary& operator=(const CInfoLibrary&) = delete;

    brisova::InfoLibraryStore& store() { return store_; }
    brisova::IndexPageWriter& pages() { return pages_; }
    const std::string& rootPath() const { return store_.rootPath(); }

    // Writes the tree file when dirty, then reads it again; tree items are forgotten.
    void Reload();

    // Reads the tree file again and shows its folders in the tree control, the root folder
    // expanded and selected.
    void LoadIntoTree(HWND tree);
    brisova::InfoNode* FindByTreeItem(HTREEITEM item) const;
    // The folder of the tree control's selected item, or null.
    brisova::InfoNode* SelectedFolder(HWND tree) const;
    // A new folder, last in the selected folder and in its item; null when there is no
    // selected folder or the store refuses (nesting too deep, ids used up).
    brisova::InfoNode* AddFolder(HWND tree, const std::string& name);
    // Removes the selected folder, its item, everything below it and the directories of its
    // pages. The root folder stays; false when nothing was removed.
    bool DeleteSelectedFolder(HWND tree);
    // Saves a page into the selected folder: `write` fills the new page directory, whose first
    // file becomes the page. Without a selected folder nothing is written; when `write` fails
    // or writes nothing the directory is removed. True when the page was added.
    bool SavePage(HWND tree, const std::string& name, const PageWriter& write);

private:
    HTREEITEM InsertFolderItem(HWND tree, HTREEITEM parent, brisova::InfoNode& folder);
    void InsertFolderItems(HWND tree, HTREEITEM parent, brisova::InfoNode& folder);

    brisova::DiskLibraryFiles files_;
    brisova::InfoLibraryStore store_;
    brisova::IndexPageWriter pages_;
};
