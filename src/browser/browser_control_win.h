// What a browser view needs of its browser control, whichever control it hosts: the system's
// WebBrowser (CWebBrowser2) or, in tests, a scripted one.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The control's events as the view receives them. `frame` identifies the page or frame object
// an event is about; the first one seen is the top-level page.
class BrowserEvents {
public:
    virtual ~BrowserEvents() = default;
    virtual void BeforeNavigate2(const void* frame, const std::string& address, long flags,
                                 const std::string& targetFrame, const std::vector<BYTE>& postData,
                                 const std::string& headers, bool& cancel) = 0;
    virtual void DocumentComplete(const void* frame, const std::string& address) = 0;
    virtual void StatusTextChange(const std::string& text) = 0;
    virtual void ProgressChange(long progress, long maximum) = 0;
    virtual void CommandStateChange(long command, bool enabled) = 0;
    virtual void TitleChange(const std::string& text) = 0;
    // `newControl` receives the control object that is to show the new window (none: blank).
    virtual void NewWindow2(IDispatch** newControl, bool& cancel) = 0;
    // A script closes the page's window; `createdByScript` when a script also opened it.
    virtual void WindowClosing(bool createdByScript, bool& cancel) = 0;
};

class BrowserControl {
public:
    virtual ~BrowserControl() = default;

    // Creates the control's window (visible, tab stop, window text "Browser") as child `id` of
    // `parent`; false when the control cannot be created.
    virtual bool Create(HWND parent, const RECT& rect, UINT id, BrowserEvents* events) = 0;
    virtual HWND Window() const = 0;
    virtual void Navigate(const std::string& address) = 0;
    virtual void GoHome() = 0;
    // One step uses the control's own Back/Forward; more steps go through the page's history.
    virtual void GoBack(int steps) = 0;
    virtual void GoForward(int steps) = 0;
    virtual void Stop() = 0;
    virtual void Refresh() = 0;
    // The control's top-level object, handed to the control that asks for a new window.
    virtual IDispatch* Application() = 0;
    // The loaded document, or null; the caller receives a reference.
    virtual IDispatch* Document() = 0;
    // Titles of the pages one can go back (or forward) to, nearest first; empty without history.
    virtual std::vector<std::string> TravelLogTitles(bool back) { return {}; }
    // Their addresses, nearest first.
    virtual std::vector<std::string> TravelLogAddresses(bool back) { return {}; }
    // Puts pages back into the history around the current page (each list nearest first), as a
    // restored window had them; false when the control offers no way to.
    virtual bool RestoreTravelLog(const std::vector<std::string>& back, const std::vector<std::string>& forward) {
        return false;
    }
    // Offers a key message to the page (Tab, editing keys); true when the page took it.
    virtual bool TranslateAccelerator(MSG* msg) = 0;

    // A command of the control's own command set (ExecWB: OLECMDID, OLECMDEXECOPT, optional
    // argument); false when the control refused it.
    virtual bool ExecCommand(long command, long option, VARIANT* argument) = 0;
    // A command of the loaded document's command target; `group` null for the standard set.
    // False without a document or when the document refused it.
    virtual bool ExecDocumentCommand(const GUID* group, unsigned long command, unsigned long option) = 0;
    // Sets the loaded document's character set; false without a document.
    virtual bool SetCharset(const std::string& charset) = 0;
    // Reloads the page at a refresh level (1: only what has expired).
    virtual void RefreshAtLevel(long level) = 0;
    // Writes the loaded document, as the control holds it, to the file `path`; false without a
    // document or when it cannot be written.
    virtual bool SaveDocument(const std::string& path) = 0;
};

using BrowserControlFactory = std::function<std::unique_ptr<BrowserControl>()>;

// Installed once at start-up; every view creates its control through it.
void InstallBrowserControlFactory(BrowserControlFactory factory);
std::unique_ptr<BrowserControl> CreateBrowserControl();
