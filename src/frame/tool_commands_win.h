// CToolCommands: the system browser's settings and records that the program changes for the
// user: "&Work Offline", the five Clear Records commands, "&Internet Options..." and "&Help".
#pragma once

#include <string>

#include "framework/cmd_target_win.h"

class CMainFrame;

class CToolCommands final : public CCmdTarget {
public:
    explicit CToolCommands(CMainFrame& frame) : frame_(frame) {}
    DECLARE_MESSAGE_MAP()

    // Takes the mark of "&Work Offline" from "GlobalUserOffline"; a value that cannot be read
    // leaves the mark as it is.
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

    CMainFrame& frame_;
    bool workOffline_ = false;
};
