// The New Window (dialog 165), Close Window (166) and Mouse Buttons (167) options pages: each
// binds its controls to the frame's values it edits and has no handlers of its own.
#pragma once

#include "framework/property_sheet_win.h"
#include "options/window_options.h"

class CSetNewWindow final : public CPropertyPage {
public:
    explicit CSetNewWindow(brisova::WindowOptionValues& values);
};

class CSetCloseWindow final : public CPropertyPage {
public:
    explicit CSetCloseWindow(brisova::WindowOptionValues& values);
};

class CSetMouse final : public CPropertyPage {
public:
    explicit CSetMouse(brisova::WindowOptionValues& values);
};
