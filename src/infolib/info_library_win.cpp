#include "infolib/info_library_win.h"

CInfoLibrary::CInfoLibrary(std::string rootPath) : store_(files_, std::move(rootPath)), pages_(store_) {
    store_.Load();
}

void CInfoLibrary::Reload() {
    store_.Reload();
}

HTREEITEM CInfoLibrary::InsertFolderItem(HWND tree, HTREEITEM parent, brisova::InfoNode& folder) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = folder.name.data();
    auto item = reinterpret_cast<HTREEITEM>(
        ::SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    folder.treeItem = item;
    return item;
}

void CInfoLibrary::InsertFolderItems(HWND tree, HTREEITEM parent, brisova::InfoNode& folder) {
    HTREEITEM item = InsertFolderItem(tree, parent, folder);
    if (!item) return;
    for (const auto& child : folder.children) {
        if (child->IsFolder()) InsertFolderItems(tree, item, *child);
    }
}

void CInfoLibrary::LoadIntoTree(HWND tree) {
    ::SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    store_.Reload();
    for (const auto& node : store_.topLevel()) {
        if (node->IsFolder()) InsertFolderItems(tree, TVI_ROOT, *node);
    }
    if (brisova::InfoNode* root = store_.root(); root && root->treeItem) {
        auto item = static_cast<HTREEITEM>(root->treeItem);
        ::SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
        ::SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    }
}

brisova::InfoNode* CInfoLibrary::FindByTreeItem(HTREEITEM item) const {
    return store_.FindByTreeItem(item);
}

brisova::InfoNode* CInfoLibrary::SelectedFolder(HWND tree) const {
    auto item = reinterpret_cast<HTREEITEM>(::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    brisova::InfoNode* node = item ? FindByTreeItem(item) : nullptr;
    return node && node->IsFolder() ? node : nullptr;
}

brisova::InfoNode* CInfoLibrary::AddFolder(HWND tree, const std::string& name) {
    brisova::InfoNode* parent = SelectedFolder(tree);
    if (!parent) return nullptr;
    brisova::InfoNode* folder = store_.AddNode(parent, name, {}, brisova::NodeType::Folder);
    if (!folder) return nullptr;
    InsertFolderItem(tree, static_cast<HTREEITEM>(parent->treeItem), *folder);
    return folder;
}

bool CInfoLibrary::DeleteSelectedFolder(HWND tree) {
    brisova::InfoNode* folder = SelectedFolder(tree);
    if (!folder || folder == store_.root()) return false;
    // The items of its sub-folders go with the folder's item.
    ::SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(folder->treeItem));
    return store_.DeleteFolder(folder);
}

bool CInfoLibrary::SavePage(HWND tree, const std::string& name, const PageWriter& write) {
    brisova::InfoNode* folder = SelectedFolder(tree);
    if (!folder) return false;
    std::optional<std::string> directory = store_.BeginPageSave();
    if (!directory) return false;
    if (!write(*directory)) {
        store_.RemoveDirectoryTree(*directory);
        return false;
    }
    return store_.FinishPageSave(folder, name);
}
