// CHistoryBar: the history pane the explorer bar hosts. It shows the shell's History folder
// when the shell offers one that lists anything; otherwise it reads the store, groups the
// visits itself and shows them in its tree.
#pragma once

#include <string>

#include "history/history_folder_win.h"
#include "history/history_grouping.h"
#include "history/history_store.h"
#include "history/history_tree_win.h"
#include "history/shell_history_win.h"
#include "platform/prompter.h"

class CHistoryBar {
public:
    CHistoryBar(brisova::HistoryStore& store, HistoryFolderSource& folder, brisova::Prompter& prompter);
    CHistoryBar(const CHistoryBar&) = delete;
    CHistoryBar& operator=(const CHistoryBar&) = delete;

    // Creates the tree inside the bar's window.
    bool Create(HWND bar);
    CHistoryTree& tree() { return tree_; }
    // "History", the caption the explorer bar shows while it hosts this pane.
    const std::string& caption() const { return caption_; }

    // Shows the History folder's groups, or the store's visits; from the store, what the user
    // had open stays open, except "Today".
    void Fill();
    // The bar is shown again: the History folder's "Today" is listed afresh, or the store read
    // again.
    void Refresh();
    bool showsShellFolder() const { return shellMode_; }

private:
    brisova::HistoryStore& store_;
    CShellHistory shell_;
    bool shellMode_ = false;
    brisova::HistoryNames names_;
    std::string caption_;
    CHistoryTree tree_;
};

// The tree's texts from the string table.
brisova::HistoryNames LoadHistoryNames();
