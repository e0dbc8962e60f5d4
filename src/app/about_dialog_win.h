// The About box (dialog 100).
#pragma once

#include "framework/dialog_win.h"
#include "resource.h"

class CAboutDialog final : public CDialog {
public:
    CAboutDialog() : CDialog(IDD_ABOUTBOX) {}
};
