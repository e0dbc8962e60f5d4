// CHistoryCommands: the history's part of the main frame. It owns the explorer bar (created on
// the first "&History", docked on the left) and the history pane it hosts, answers the command
// and its check mark, and opens the entry the tree asks for (message 0x401).
#pragma once

#include <memory>
#include <optional>

#include "controls/gripper_bars_win.h"
#include "framework/cmd_target_win.h"
#include "history/bar_place.h"
#include "history/history_bar_win.h"
#include "history/history_folder_win.h"
#include "history/history_store.h"
#include "platform/prompter.h"
#include "platform/tick_clock.h"

class BrowserFrame;

class CHistoryCommands final : public CCmdTarget {
public:
    CHistoryCommands(BrowserFrame& frame, brisova::Prompter& prompter);
    ~CHistoryCommands() override;
    CHistoryCommands(const CHistoryCommands&) = delete;
    CHistoryCommands& operator=(const CHistoryCommands&) = delete;
    DECLARE_MESSAGE_MAP()

    // Where the visits come from; the system's URL history unless a test gives its own.
    void SetStore(std::unique_ptr<brisova::HistoryStore> store);
    // Where the History folder is; the shell's unless a test gives its own.
    void SetFolder(std::unique_ptr<HistoryFolderSource> folder);

    // The frame's message 0x401: open the tree's address number `index`.
    LRESULT OnOpenEntry(WPARAM index, LPARAM);
    // The history was cleared: a bar that shows it reads the store again.
    void OnHistoryCleared();
    // A page finished loading: a bar that shows the visits of the URL store reads them again,
    // at most once a second, so that the visit appears under "Today".
    void OnPageLoaded();
    // How the once a second is measured; the performance counter unless a test gives its own.
    void SetClock(const brisova::TickClock& clock) { clock_ = &clock; }

    // The frame moved to another DPI: a docked bar and its tree follow.
    void DpiChanged();

    // The explorer bar and its pane; null until the first "&History".
    CSizingControlBarCF* explorerBar() const { return bar_.get(); }
    CHistoryBar* pane() const { return pane_.get(); }
    // The bar exists, shows the history and is visible.
    bool ShowsHistory() const;
    // Where the bar is now, or where it was last when it has not been made in this run.
    brisova::BarPlace Place() const;
    // Where the bar goes when it is made; a place that was shown shows the history now.
    void Restore(const brisova::BarPlace& place);

private:
    void OnViewHistory();
    // Makes the history pane in the bar and shows it filled.
    void ShowNewPane(bool takeFocus);
    void OnUpdateViewHistory(CCmdUI* ui);
    bool CreateExplorerBar();
    bool HostsHistory() const;
    // The pane reads the store and the folder it was made with: a new one needs a new pane.
    void DropPane();
    // The active page takes the focus, or the frame when no window is open.
    void FocusPage() const;

    BrowserFrame& frame_;
    brisova::Prompter& prompter_;
    std::unique_ptr<brisova::HistoryStore> store_;
    std::unique_ptr<HistoryFolderSource> folder_;
    std::unique_ptr<CHistoryBar> pane_;
    std::unique_ptr<CSizingControlBarCF> bar_;
    const brisova::TickClock* clock_;
    std::optional<brisova::Ticks> lastRefresh_;
    brisova::BarPlace place_;
};
