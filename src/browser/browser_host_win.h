// What a browser window asks of the main frame that holds it.
#pragma once

#include <string>

class CChildFrame;

class BrowserWindowHost {
public:
    virtual ~BrowserWindowHost() = default;

    virtual void ShowAddress(const std::string& address) = 0;
    virtual void SetMessageText(const std::string& text) = 0;
    // A negative value hides the progress control.
    virtual void ShowProgress(int percent) = 0;
    virtual void SetStatusIcon(bool secure) = 0;
    // The tab of `window` shows `text`, or the window's title or address when text is null.
    virtual void SetTabText(CChildFrame* window, const std::string* text) = 0;
    virtual void SelectTabOf(CChildFrame* window) = 0;
    virtual void RemoveTabOf(CChildFrame* window) = 0;
    virtual void SaveWindowRecord() = 0;
    // A page of `window` finished loading: it is a visit now.
    virtual void PageLoaded() = 0;
    // An address of the library's pages ("http://$I", "$S", "$D"): the library acts on it and
    // the view never loads it.
    virtual void HandleLibraryAddress(CChildFrame* window, const std::string& address) = 0;
    // The menu bar is in its keyboard mode (after Alt or F10): the keys are its, not the page's.
    virtual bool MenuBarTakesKeys() const = 0;
    // The page of `window` asks to close it, although the window is the user's: may it?
    virtual bool AllowPageToClose(CChildFrame* window) = 0;
    // Opens a new browser window; null when it cannot be created.
    virtual CChildFrame* OpenWindow(bool openHomePage, const std::string* address, bool activate) = 0;
};
