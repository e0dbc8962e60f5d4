// CPageCommands: the commands that act on the page of the active window through its browser
// control: Save As, the editing commands, Print, Print Preview, Properties, Find and Source.
// Without an active window they do nothing.
#pragma once

#include <windows.h>

#include "framework/cmd_target_win.h"

class BrowserFrame;

// The command group of the browser's own document commands (Find, View Source, Internet Options).
inline constexpr GUID kBrowserCommandGroup = {0xED016940, 0xBD5B, 0x11CF, {0xBA, 0x4E, 0x00, 0xC0, 0x4F, 0xD7, 0x08, 0x16}};
inline constexpr unsigned long kBrowserFind = 1;
inline constexpr unsigned long kBrowserViewSource = 2;
inline constexpr unsigned long kBrowserOptions = 3;

class CPageCommands final : public CCmdTarget {
public:
    explicit CPageCommands(BrowserFrame& frame) : frame_(frame) {}
    DECLARE_MESSAGE_MAP()

private:
    void OnControlCommand(UINT id);
    void OnDocumentCommand(UINT id);

    BrowserFrame& frame_;
};
