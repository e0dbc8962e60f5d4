#include "infolib/library_commands_win.h"

#include "browser/browser_frame_win.h"
#include "browser/child_frame_win.h"
#include "infolib/add_information_dialog_win.h"
#include "resource.h"

const MessageMap* CLibraryCommands::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandHandler<&CLibraryCommands::OnAddToLibrary>(ID_INFO_ADD),
        CommandHandler<&CLibraryCommands::OnViewLibrary>(ID_INFO_VIEW),
    };
    static const MessageMap map(&CCmdTarget::ThisMessageMap, entries);
    return &map;
}

CLibraryCommands::CLibraryCommands(BrowserFrame& frame, brisova::Prompter& prompter, std::string libraryRoot,
                                   std::unique_ptr<PageSaver> saver)
    : frame_(frame), prompter_(prompter), saver_(std::move(saver)), library_(std::move(libraryRoot)) {}

CLibraryCommands::~CLibraryCommands() = default;

CBrisovaView* CLibraryCommands::LiveView(HWND window) {
    auto* frame = dynamic_cast<CChildFrame*>(CWnd::FromHandlePermanent(window));
    CBrisovaView* view = frame ? frame->view() : nullptr;
    return view && !view->closing() ? view : nullptr;
}

// ---- commands ----

void CLibraryCommands::OnAddToLibrary() {
    CChildFrame* window = frame_.ActiveWindow();
    if (adding_ || !window || !window->view()) return;
    // The window may close while the dialog is open; the page is looked up again when saved.
    HWND source = window->m_hWnd;
    adding_ = true;
    {
        CAddInformationDialog dialog(library_.rootPath(), window->view()->title(), prompter_,
                                     [this, source](const std::string& directory) {
                                         CBrisovaView* view = LiveView(source);
                                         return view && saver_->Save(*view, directory);
                                     });
        dialog.DoModal(frame_.OwnerWindow());
    }
    adding_ = false;
    library_.Reload();
    for (auto [type, number] : std::exchange(deferred_, {})) {
        if (!::PostMessageA(frame_.OwnerWindow(), WM_LIBRARY_REQUEST, type, number)) pending_.erase(number);
    }
}

void CLibraryCommands::OnViewLibrary() {
    std::string address = brisova::ViewLibrary(library_.pages(), frame_.settings().infoNewWindow != 0);
    frame_.OpenAddress(brisova::AddressSource::Library, address);
}

// ---- library addresses and requests ----

void CLibraryCommands::HandleLibraryAddress(CChildFrame* window, const std::string& address) {
    brisova::PseudoAddressCheck check = brisova::CheckPseudoAddress(address);
    if (!check.request) return;
    if (check.askFirst) {
        const std::string question(brisova::kDeleteQuestion);
        const std::string caption(brisova::kDeleteCaption);
        if (prompter_.Ask(question, caption, brisova::PromptButtons::YesNo) != brisova::PromptAnswer::Yes) return;
    }
    Post({*check.request, check.folderId, std::move(check.argument), window ? window->m_hWnd : nullptr});
}

void CLibraryCommands::Post(Request request) {
    LPARAM number = ++lastRequest_;
    auto type = static_cast<WPARAM>(request.type);
    pending_.emplace(number, std::move(request));
    if (!::PostMessageA(frame_.OwnerWindow(), WM_LIBRARY_REQUEST, type, number)) pending_.erase(number);
}

LRESULT CLibraryCommands::OnLibraryRequest(WPARAM type, LPARAM number) {
    auto it = pending_.find(number);
    if (it == pending_.end() || static_cast<WPARAM>(it->second.type) != type) return 0;
    if (adding_) {
        deferred_.emplace_back(type, number);
        return 0;
    }
    Request request = std::move(it->second);
    pending_.erase(it);

    std::optional<std::string> address;
    switch (request.type) {
    case brisova::LibraryRequestType::ShowFolder:
        address = brisova::ShowFolderRequest(library_.pages(), request.folderId);
        break;
    case brisova::LibraryRequestType::Search:
        address = brisova::SearchRequest(library_.pages(), request.argument);
        break;
    case brisova::LibraryRequestType::DeletePage:
        address = brisova::DeletePageRequest(library_.store(), request.argument);
        break;
    }
    if (!address) return 0;
    // The page that asked is replaced by the answer, whatever "InfoNewWindow" says.
    if (CBrisovaView* view = LiveView(request.window)) view->Navigate(*address);
    else frame_.OpenAddress(brisova::AddressSource::LibraryPage, *address);
    return 0;
}
