// CHistoryBar: the history pane the explorer bar hosts. It reads the store, groups the visits
// and shows them in its tree.
#pragma once

#include <string>

#include "history/history_grouping.h"
#include "history/history_store.h"
#include "history/history_tree_win.h"

class CHistoryBar {
public:
    explicit CHistoryBar(brisova::HistoryStore& store);
    CHistoryBar(const CHistoryBar&) = delete;
    CHistoryBar& operator=(const CHistoryBar&) = delete;

    // Creates the tree inside the bar's window.
    bool Create(HWND bar);
    CHistoryTree& tree() { return tree_; }
    // "History", the caption the explorer bar shows while it hosts this pane.
    const std::string& caption() const { return caption_; }

    // Reads the store and shows it; what the user had open stays open, except "Today".
    void Fill();

private:
    brisova::HistoryStore& store_;
    brisova::HistoryNames names_;
    std::string caption_;
    CHistoryTree tree_;
};

// The tree's texts from the string table.
brisova::HistoryNames LoadHistoryNames();
