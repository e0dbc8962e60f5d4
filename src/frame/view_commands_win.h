// CViewCommands: text size, character set, "Auto Select" and "&Search" of the View menu.
#pragma once

#include <optional>

#include "framework/cmd_target_win.h"

class CMainFrame;

class CViewCommands final : public CCmdTarget {
public:
    explicit CViewCommands(CMainFrame& frame) : frame_(frame) {}
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

    CMainFrame& frame_;
    std::optional<int> textSizePosition_;
};
