// The loading progress on the program's taskbar button: shown while the active page loads, gone
// once it has loaded or stopped. Behind an interface so that tests see what the button shows.
#pragma once

#include <windows.h>
#include <shobjidl.h>

#include "platform/handles_win.h"

class TaskbarProgress {
public:
    virtual ~TaskbarProgress() = default;
    // 0 to 99 shows that much of the bar on the window's button; anything else shows none.
    virtual void Show(HWND window, int percent) = 0;
};

// The system's taskbar button list (ITaskbarList3), made on first use; where the system offers
// none, the button shows nothing and nothing fails.
class SystemTaskbarProgress final : public TaskbarProgress {
public:
    void Show(HWND window, int percent) override;

private:
    ComPtr<ITaskbarList3> list_;
    bool tried_ = false;
    // What the button shows now, -1 for nothing: the same value is not sent again.
    int shown_ = -1;
};
