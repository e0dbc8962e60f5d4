// CLibraryCommands: the library's part of the main frame. It owns the frame's library object
// and answers the Add (33815) and View (33817) commands, the library's addresses that a view
// hands over, and the frame's library requests (message 0x402).
//
// A request travels from the view's navigation event to the frame's message queue, so that no
// library work runs inside the browser control's event. The message carries only a number that
// this object gave out: what a request is about stays here, and a 0x402 message that some other
// program posts to the frame finds nothing to act on.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/cmd_target_win.h"
#include "infolib/info_library_win.h"
#include "infolib/library_requests.h"
#include "infolib/page_saver_win.h"
#include "infolib/pseudo_address.h"
#include "platform/prompter.h"

class BrowserFrame;
class CChildFrame;
class CBrisovaView;

class CLibraryCommands final : public CCmdTarget {
public:
    // Opens the library under `libraryRoot` (the program directory + "data\MyInfoLib").
    CLibraryCommands(BrowserFrame& frame, brisova::Prompter& prompter, std::string libraryRoot,
                     std::unique_ptr<PageSaver> saver = std::make_unique<DocumentPageSaver>());
    ~CLibraryCommands() override;
    CLibraryCommands(const CLibraryCommands&) = delete;
    CLibraryCommands& operator=(const CLibraryCommands&) = delete;
    DECLARE_MESSAGE_MAP()

    CInfoLibrary& library() { return library_; }
    // How pages are saved; tests save without a browser control.
    void SetPageSaver(std::unique_ptr<PageSaver> saver) { saver_ = std::move(saver); }

    // "InfoNewWindow" as the options sheet confirms it: rows of pages written from now on open
    // their saved page in a new window.
    void SetOpenInNewWindow(bool on) { library_.pages().SetOpenInNewWindow(on); }

    // An address of the library's pages that `window` was about to load. Asks before a delete,
    // then posts the request to the frame; anything else is left alone.
    void HandleLibraryAddress(CChildFrame* window, const std::string& address);
    // The frame's message 0x402: wParam the request type, lParam the number of the request.
    LRESULT OnLibraryRequest(WPARAM type, LPARAM request);

private:
    struct Request {
        brisova::LibraryRequestType type;
        std::int32_t folderId = 0;
        std::string argument;
        // The window the address came from; its page is replaced by the result.
        HWND window = nullptr;
    };

    void OnAddToLibrary();
    void OnViewLibrary();
    void Post(Request request);
    // The view of a browser window that is still open and not closing, or null.
    static CBrisovaView* LiveView(HWND window);

    BrowserFrame& frame_;
    brisova::Prompter& prompter_;
    std::unique_ptr<PageSaver> saver_;
    CInfoLibrary library_;
    std::map<LPARAM, Request> pending_;
    LPARAM lastRequest_ = 0;
    // While the Add Information dialog is open its own library object holds the tree and
    // writes it when it closes; requests wait until then, so neither overwrites the other.
    bool adding_ = false;
    std::vector<std::pair<WPARAM, LPARAM>> deferred_;
};
