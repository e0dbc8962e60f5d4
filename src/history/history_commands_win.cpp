#include "history/history_commands_win.h"

#include "browser/brisova_view_win.h"
#include "browser/browser_frame_win.h"
#include "framework/dock_site_win.h"
#include "framework/mini_dock_frame_win.h"
#include "history/url_history_store_win.h"
#include "platform/performance_clock_win.h"
#include "history_ids.h"
#include "resource.h"

const MessageMap* CHistoryCommands::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandHandler<&CHistoryCommands::OnViewHistory>(ID_VIEW_HISTORY),
        UpdateHandler<&CHistoryCommands::OnUpdateViewHistory>(ID_VIEW_HISTORY),
    };
    static const MessageMap map(&CCmdTarget::ThisMessageMap, entries);
    return &map;
}

CHistoryCommands::CHistoryCommands(BrowserFrame& frame, brisova::Prompter& prompter)
    : frame_(frame),
      prompter_(prompter),
      store_(std::make_unique<UrlHistoryStore>()),
      folder_(std::make_unique<ShellHistoryFolder>()),
      clock_(&PerformanceCounterClock::Instance()) {}

// The pane's tree is a child of the bar: it goes first.
CHistoryCommands::~CHistoryCommands() {
    pane_.reset();
    bar_.reset();
}

void CHistoryCommands::SetStore(std::unique_ptr<brisova::HistoryStore> store) {
    DropPane();
    store_ = std::move(store);
}

void CHistoryCommands::SetFolder(std::unique_ptr<HistoryFolderSource> folder) {
    DropPane();
    folder_ = std::move(folder);
}

void CHistoryCommands::DropPane() {
    if (!pane_) return;
    pane_.reset();
    if (bar_) bar_->SetWindowText("");
}

bool CHistoryCommands::CreateExplorerBar() {
    CDockSite* site = frame_.dockSite();
    if (!site) return false;
    auto bar = std::make_unique<CSizingControlBarCF>();
    if (!bar->Create("", frame_.OwnerWindow(), ID_EXPLORER_BAR)) return false;
    bar->SetEdgeStyle(brisova::kSizeChild);
    bar->onDpiChanged = [this] {
        if (pane_) pane_->tree().DpiChanged();
    };
    bar->EnableDocking(kDockLeft | kDockRight);
    bar_ = std::move(bar);
    bar_->SetDockedSize(brisova::DockSide::Left, {place_.dockedWidth, bar_->DockedSize(brisova::DockSide::Left).cy});
    bar_->SetFloatingSize({place_.floatWidth, place_.floatHeight});
    if (place_.side == brisova::DockSide::Floating) site->Float(*bar_, {place_.floatLeft, place_.floatTop});
    else site->Dock(*bar_, place_.side);
    return true;
}

brisova::BarPlace CHistoryCommands::Place() const {
    if (!bar_) return place_;
    brisova::BarPlace place;
    place.side = bar_->dockSide();
    place.dockedWidth = bar_->DockedSize(brisova::DockSide::Left).cx;
    const SIZE floating = bar_->FloatingSize();
    place.floatWidth = floating.cx;
    place.floatHeight = floating.cy;
    place.floatLeft = place_.floatLeft;
    place.floatTop = place_.floatTop;
    if (CMiniDockFrame* mini = frame_.dockSite() ? frame_.dockSite()->MiniFrameOf(*bar_) : nullptr) {
        const POINT origin = mini->ClientOrigin();
        place.floatLeft = origin.x;
        place.floatTop = origin.y;
    }
    place.shown = ShowsHistory();
    return brisova::ParseBarPlace(brisova::FormatBarPlace(place));
}

void CHistoryCommands::Restore(const brisova::BarPlace& place) {
    place_ = place;
    place_.shown = false;
    if (place.shown && !bar_ && CreateExplorerBar()) ShowNewPane(false);
}

bool CHistoryCommands::HostsHistory() const {
    return bar_ && pane_ && bar_->GetWindowText() == pane_->caption();
}

void CHistoryCommands::DpiChanged() {
    if (bar_) bar_->OnDpiChanged();
}

bool CHistoryCommands::ShowsHistory() const {
    return HostsHistory() && frame_.dockSite() && frame_.dockSite()->IsShown(*bar_);
}

void CHistoryCommands::OnViewHistory() {
    if (!bar_ && !CreateExplorerBar()) return;
    CDockSite& site = *frame_.dockSite();
    if (HostsHistory()) {
        const bool shown = site.IsShown(*bar_);
        if (!shown) pane_->Refresh();
        const bool focusInside = ::IsChild(bar_->m_hWnd, ::GetFocus());
        site.Show(*bar_, !shown);
        if (!shown) ::SetFocus(pane_->tree().m_hWnd);
        else if (focusInside) FocusPage();
        return;
    }
    ShowNewPane(true);
}

void CHistoryCommands::ShowNewPane(bool takeFocus) {
    pane_.reset();
    auto pane = std::make_unique<CHistoryBar>(*store_, *folder_, prompter_);
    if (!pane->Create(bar_->m_hWnd)) return;
    pane_ = std::move(pane);
    pane_->tree().SetNotify(frame_.OwnerWindow(), WM_OPEN_HISTORY_ENTRY);
    pane_->tree().onEscape = [this] { FocusPage(); };
    RECT client = bar_->GetClientRect();
    ::MoveWindow(pane_->tree().m_hWnd, -1, -1, client.right + 1, client.bottom + 1, TRUE);
    bar_->SetWindowText(pane_->caption());
    if (!frame_.dockSite()->IsShown(*bar_)) frame_.dockSite()->Show(*bar_, true);
    pane_->Fill();
    // Shown by its key or its command, the bar takes the keys.
    if (takeFocus) ::SetFocus(pane_->tree().m_hWnd);
}

void CHistoryCommands::FocusPage() const {
    CBrisovaView* view = frame_.ActiveBrowserView();
    if (view && view->ControlWindow()) ::SetFocus(view->ControlWindow());
    else ::SetFocus(frame_.OwnerWindow());
}

void CHistoryCommands::OnUpdateViewHistory(CCmdUI* ui) {
    ui->Enable(true);
    ui->SetCheck(ShowsHistory() ? 1 : 0);
}

LRESULT CHistoryCommands::OnOpenEntry(WPARAM index, LPARAM) {
    // The message may come from anywhere: only an address the tree holds is opened.
    if (!pane_ || index >= pane_->tree().addresses().size()) return 0;
    const std::string address = pane_->tree().addresses()[index];
    frame_.OpenAddress(brisova::AddressSource::History, address);
    return 0;
}

void CHistoryCommands::OnHistoryCleared() {
    if (HostsHistory()) pane_->Fill();
}

void CHistoryCommands::OnPageLoaded() {
    // The shell's folder rebuilds "Today" folded: it is read again only when the bar is shown
    // again, so that a visit does not fold what the user opened in it.
    if (!ShowsHistory() || pane_->showsShellFolder()) return;
    const brisova::Ticks now = clock_->Now();
    if (lastRefresh_ && brisova::ElapsedWithin(*lastRefresh_, now, clock_->Frequency(), 0)) return;
    lastRefresh_ = now;
    pane_->Fill();
}
