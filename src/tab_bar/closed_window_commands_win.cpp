#include "tab_bar/closed_window_commands_win.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "browser/brisova_view_win.h"
#include "browser/browser_frame_win.h"
#include "browser/child_frame_win.h"
#include "platform/disk_file.h"
#include "tab_bar/tab_bar_win.h"
#include "tab_bar_ids.h"

const MessageMap* CClosedWindowCommands::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandHandler<&CClosedWindowCommands::OnReopenLast>(ID_FILE_REOPEN_CLOSED),
        CommandRangeHandler<&CClosedWindowCommands::OnReopen>(ID_RECENTLY_CLOSED_FIRST, ID_RECENTLY_CLOSED_LAST),
        UpdateRangeHandler<&CClosedWindowCommands::OnUpdateReopen>(ID_FILE_REOPEN_CLOSED, ID_RECENTLY_CLOSED_LAST),
    };
    static const MessageMap map(&CCmdTarget::ThisMessageMap, entries);
    return &map;
}

CClosedWindowCommands::CClosedWindowCommands(BrowserFrame& frame, CTabBar& tabs, const std::string& programDirectory)
    : frame_(frame), tabs_(tabs), path_(programDirectory + std::string(brisova::kClosedWindowsFile)) {
    const std::filesystem::path path = brisova::PathFromUtf8(path_);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return;
    // More than the longest list can hold is damage past its end.
    std::string text;
    text.resize(static_cast<std::size_t>(std::min<std::uintmax_t>(size, brisova::kMaxClosedFile)));
    std::ifstream in(path, std::ios::binary);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    list_ = brisova::ClosedWindows::Parse(text);
}

void CClosedWindowCommands::OnWindowClosed(CChildFrame& window, int tabIndex) {
    const CBrisovaView* view = window.view();
    if (!view) return;
    list_.Add({tabIndex, view->title(), view->address(), view->TravelLogAddresses(true),
               view->TravelLogAddresses(false)});
    Save();
}

void CClosedWindowCommands::Save() const {
    brisova::ReplaceFileContent(brisova::PathFromUtf8(path_), list_.Format());
    if (published_) jumpList_->Write(brisova::ClosedWindowsJumpList(list_));
}

void CClosedWindowCommands::PublishJumpList() {
    published_ = true;
    jumpList_->Write(brisova::ClosedWindowsJumpList(list_));
}

void CClosedWindowCommands::SetJumpList(std::unique_ptr<JumpListWriter> jumpList) {
    jumpList_ = std::move(jumpList);
    if (published_) jumpList_->Write(brisova::ClosedWindowsJumpList(list_));
}

void CClosedWindowCommands::OnInitMenuPopup(HMENU popup) const {
    // The menu is known by its first item, so that a copy of it (the chevron's) is filled too.
    if (::GetMenuItemID(popup, 0) != ID_FILE_REOPEN_CLOSED) return;
    while (::GetMenuItemCount(popup) > 1) ::DeleteMenu(popup, 1, MF_BYPOSITION);
    if (list_.empty()) return;
    ::AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    for (std::size_t i = 0; i < list_.windows().size(); ++i) {
        const std::string label = brisova::ClosedWindowLabel(list_.windows()[i]);
        ::AppendMenuA(popup, MF_STRING, ID_RECENTLY_CLOSED_FIRST + i, label.c_str());
    }
}

void CClosedWindowCommands::OnReopenLast() {
    Reopen(0);
}

void CClosedWindowCommands::OnReopen(UINT id) {
    Reopen(id - ID_RECENTLY_CLOSED_FIRST);
}

void CClosedWindowCommands::OnUpdateReopen(CCmdUI* ui) {
    const std::size_t index = ui->id() == ID_FILE_REOPEN_CLOSED ? 0 : ui->id() - ID_RECENTLY_CLOSED_FIRST;
    ui->Enable(index < list_.windows().size());
}

void CClosedWindowCommands::Reopen(std::size_t index) {
    brisova::ClosedWindow closed;
    if (!list_.Take(index, closed)) return;
    Save();
    // The address is opened as it was; one that no longer loads still gets its window.
    CChildFrame* window = frame_.OpenWindow(false, &closed.address, true);
    if (!window) return;
    if (window->view()) window->view()->RestoreTravelLogWhenLoaded(closed.back, closed.forward);
    const int now = tabs_.FindTab(window);
    const int last = tabs_.Count() - 1;
    if (now >= 0) tabs_.MoveTab(now, closed.tabIndex < last ? closed.tabIndex : last);
}
