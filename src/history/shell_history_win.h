// CShellHistory: the history tree from the shell's History folder, which does the grouping
// itself: its top level (the day and week groups) in the folder's order, each group's sites and
// each site's pages only when the user first opens them. A page's address comes from the item
// as a shell link, or from its file (an Internet shortcut or a link); a page the browser's
// cache does not hold is shown dimmed.
#pragma once

#include <shobjidl.h>

#include <memory>
#include <string>
#include <vector>

#include "history/history_folder_win.h"
#include "history/history_tree_win.h"
#include "platform/prompter.h"

class CShellHistory {
public:
    CShellHistory(HistoryFolderSource& source, CHistoryTree& tree, brisova::Prompter& prompter)
        : source_(source), tree_(tree), prompter_(prompter) {}

    // Shows the folder's top level in an emptied tree; false, with the tree untouched, when the
    // shell gives no History folder or it holds nothing. A folder that cannot be opened is
    // reported and leaves the tree empty.
    bool Fill();
    // The bar shows again: "Today" is listed afresh, closed, and new groups appear at the end.
    void Refresh();
    // Lists a group's sites or a site's pages, found again in the folder by the texts on the
    // way from the top level; a group the folder no longer has stays empty.
    void List(HTREEITEM item);

private:
    struct Item {
        std::string name;
        ScopedItemList id;
        bool folder = false;
    };
    // The History folder; null when the shell gives none, or, with the reason in `failure`,
    // when it cannot be opened.
    ComPtr<IShellFolder> Bind(std::string* failure);
    static std::vector<Item> Items(IShellFolder& folder);
    void Insert(IShellFolder& folder, std::vector<Item> items, HTREEITEM parent, bool skipExisting);

    HistoryFolderSource& source_;
    CHistoryTree& tree_;
    brisova::Prompter& prompter_;
};

// The address of a page item of a shell folder; empty when it has none.
std::string ShellPageAddress(IShellFolder& folder, const ITEMIDLIST* item);
// Whether the browser's cache says it holds no copy of the page.
bool MissingFromCache(const std::string& address);
