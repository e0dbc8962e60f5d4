// The small bar right of the address field: Back, Forward and Close.
#pragma once

#include "framework/handles_win.h"
#include "framework/wnd_win.h"

class CNavigationBar final : public CWnd {
public:
    DECLARE_MESSAGE_MAP()

    bool Create(HWND parent, UINT id);
    int ButtonHeight() const;
    int Width() const;

private:
    ScopedImageList images_;
};
