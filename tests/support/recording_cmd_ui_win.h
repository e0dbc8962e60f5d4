// Records the state the command route gives a command, as a menu item would show it.
#pragma once

#include "framework/cmd_target_win.h"

class RecordingCmdUI final : public CCmdUI {
public:
    using CCmdUI::CCmdUI;
    void Enable(bool on) override {
        enableChanged_ = true;
        enabled = on;
    }
    void SetCheck(int state) override { checked = state != 0; }
    void SetRadio(bool on) override { checked = on; }
    void SetText(const std::string&) override {}
    bool enabled = true;
    bool checked = false;
};
