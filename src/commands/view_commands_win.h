// CViewCommands: text size, character set, "Auto Select" and "&Search" of the View menu.
#pragma once

#include <optional>
#include <string>

#include "framework/cmd_target_win.h"
#include "shared/system_browser_keys_win.h"

class BrowserFrame;
class CTabBar;

class CViewCommands final : public CCmdTarget {
public:
    CViewCommands(BrowserFrame& frame, CTabBar& windows, AddressRegistryKeys keys, std::string programDirectory)
        : frame_(frame), windows_(windows), keys_(std::move(keys)), programDirectory_(std::move(programDirectory)) {}
    DECLARE_MESSAGE_MAP()

    // Position of the text size last chosen, for the radio mark of "Fo&nts". The mark belongs
    // to the frame: switching windows does not move it.
    std::optional<int> textSizePosition() const { return textSizePosition_; }
    // Whether the system's browser selects encodings itself; none when its key cannot be opened.
    std::optional<bool> ReadAutoDetect() const;

private:
    void OnTextSize(UINT id);
    void OnCharset(UINT id);
    void OnAutoSelect();
    void OnSearch();

    BrowserFrame& frame_;
    CTabBar& windows_;
    AddressRegistryKeys keys_;
    std::string programDirectory_;
    std::optional<int> textSizePosition_;
};
