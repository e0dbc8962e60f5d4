// CToolCommands: the system browser's settings and records that the program changes for the
// user: "&Work Offline", the five Clear Records commands, "&Internet Options..." and "&Help".
#pragma once

#include <functional>
#include <string>

#include "framework/cmd_target_win.h"
#include "shared/system_browser_keys_win.h"

class BrowserFrame;
class CAddressBar;

class CToolCommands final : public CCmdTarget {
public:
    // `historyCleared` tells the parts that show the history that it is gone.
    CToolCommands(BrowserFrame& frame, CAddressBar& addressBar, std::function<void()> historyCleared,
                  std::string programDirectory)
        : frame_(frame),
          addressBar_(addressBar),
          historyCleared_(std::move(historyCleared)),
          programDirectory_(std::move(programDirectory)) {}
    DECLARE_MESSAGE_MAP()

    // Takes the mark of "&Work Offline" from "GlobalUserOffline", a missing value counting as 0;
    // a key that cannot be opened leaves the mark as it is.
    void ReadOfflineMode();
    bool workOffline() const { return workOffline_; }

private:
    void OnWorkOffline();
    void OnClearTypedAddresses();
    void OnClearCookies();
    void OnClearHistory();
    void OnClearTemporaryFiles();
    void OnClearAll();
    void OnInternetOptions();
    void OnHelp();
    // Deletes url1, url2, ... of the typed-address key until one cannot be deleted; returns how
    // many were deleted.
    int DeleteTypedUrlValues() const;

    BrowserFrame& frame_;
    CAddressBar& addressBar_;
    std::function<void()> historyCleared_;
    std::string programDirectory_;
    bool workOffline_ = false;
};
