#include "app/printer_choice_win.h"

void PrinterChoice::RunSetup(HWND owner, const PrintDialog& dialog) {
    PRINTDLGA setup{};
    setup.lStructSize = sizeof setup;
    setup.hwndOwner = owner;
    setup.Flags = PD_PRINTSETUP;
    // The dialog may free these and hand back new ones, whether it ends with OK or Cancel.
    setup.hDevMode = devMode_.release();
    setup.hDevNames = devNames_.release();
    dialog(setup);
    devMode_.reset(setup.hDevMode);
    devNames_.reset(setup.hDevNames);
}
