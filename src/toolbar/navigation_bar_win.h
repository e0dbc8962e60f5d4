// The small bar right of the address field: Back, Forward and Close.
#pragma once

#include "framework/wnd_win.h"
#include "platform/handles_win.h"

class CNavigationBar final : public CWnd {
public:
    DECLARE_MESSAGE_MAP()

    bool Create(HWND parent, UINT id);
    int ButtonHeight() const;
    int Width() const;
    // The frame moved to another DPI: the images, and with them the buttons, are made for it.
    void DpiChanged();

private:
    void TakeImages() const;

    ScopedImageList images_;
};
