// BrowserFrame: what the program's features see of the main frame. The frame implements it;
// a feature is given this and never the frame's class, so it cannot reach the frame's bars or
// members, and the frame's header never becomes a feature's dependency.
#pragma once

#include <windows.h>

#include <string>

#include "shared/open_placement.h"
#include "shared/settings.h"

class CChildFrame;
class CBrisovaView;
class CDockSite;

// The program's own window messages to the main frame.
inline constexpr UINT WM_OPEN_HISTORY_ENTRY = WM_USER + 1;
inline constexpr UINT WM_LIBRARY_REQUEST = WM_USER + 2;
inline constexpr UINT WM_HAND_OFF = WM_USER + 3;

class BrowserFrame {
public:
    // The active browser window and its view; null when none is open.
    virtual CChildFrame* ActiveWindow() const = 0;
    virtual CBrisovaView* ActiveBrowserView() const = 0;
    // Opens the address where addresses from `source` open: the active view navigates, or a new
    // window opens in front or behind, by the settings.
    virtual void OpenAddress(brisova::AddressSource source, const std::string& address) = 0;
    // Opens a new browser window; null when it cannot be created.
    virtual CChildFrame* OpenWindow(bool openHomePage, const std::string* address, bool activate) = 0;
    // The settings as the frame holds them in this run.
    virtual const brisova::Settings& settings() const = 0;
    // The window that owns dialogs and message boxes, and receives the messages above.
    virtual HWND OwnerWindow() const = 0;
    // Where sizing bars dock; null before the frame is created.
    virtual CDockSite* dockSite() const = 0;
    // The main menu, whose pop-ups the features fill.
    virtual HMENU menu() const = 0;

protected:
    ~BrowserFrame() = default;
};
