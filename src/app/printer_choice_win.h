// PrinterChoice: the printer and its settings that the user picked in "Print Setup", kept for
// the rest of the run, so that the next "Print Setup" opens on them instead of on the system's
// default printer.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <functional>

#include "platform/handles_win.h"

inline void FreeGlobal(HGLOBAL memory) { ::GlobalFree(memory); }
using ScopedGlobal = UniqueHandle<NullIsInvalid<HGLOBAL, FreeGlobal>>;

// Shows the system's printer set-up dialog; the test seam for ::PrintDlgA.
using PrintDialog = std::function<bool(PRINTDLGA&)>;

class PrinterChoice {
public:
    // Shows the dialog on the kept choice; OK keeps what the user picked, Cancel the choice
    // from before.
    void RunSetup(HWND owner, const PrintDialog& dialog);
    HGLOBAL devMode() const { return devMode_.get(); }
    HGLOBAL devNames() const { return devNames_.get(); }

private:
    ScopedGlobal devMode_;
    ScopedGlobal devNames_;
};
