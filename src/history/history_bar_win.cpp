#include "history/history_bar_win.h"

#include "history/url_history_store_win.h"
#include "history_ids.h"

brisova::HistoryNames LoadHistoryNames() {
    brisova::HistoryNames names;
    if (std::string text = LoadResString(IDS_MY_COMPUTER); !text.empty()) names.myComputer = text;
    for (std::size_t day = 0; day < names.weekdays.size(); ++day)
        if (std::string text = LoadResString(IDS_SUNDAY + static_cast<UINT>(day)); !text.empty())
            names.weekdays[day] = text;
    return names;
}

CHistoryBar::CHistoryBar(brisova::HistoryStore& store, HistoryFolderSource& folder, brisova::Prompter& prompter)
    : store_(store), shell_(folder, tree_, prompter), names_(LoadHistoryNames()),
      caption_(LoadResString(IDS_HISTORY_CAPTION)) {}

bool CHistoryBar::Create(HWND bar) {
    return tree_.Create(bar);
}

void CHistoryBar::Fill() {
    shellMode_ = shell_.Fill();
    if (shellMode_) {
        tree_.SetLister([this](HTREEITEM item) { shell_.List(item); });
        return;
    }
    tree_.SetLister(nullptr);
    HCURSOR previous = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    tree_.Show(brisova::GroupHistory(store_.Entries(), LocalToday(), names_), names_.today);
    ::SetCursor(previous);
}

void CHistoryBar::Refresh() {
    if (shellMode_) shell_.Refresh();
    else Fill();
}
