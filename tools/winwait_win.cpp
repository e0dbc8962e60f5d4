// Waits until Brisova's main window exists (the top-level window carrying the "Brisova"
// property), then gives its pages a moment to load and paint. Exit code 0 when found, 1 after the timeout.
// Used by scripts/screenshot; usage: winwait [seconds [command [sheet page]]]: with a command,
// sends it to the main window once found (e.g. 33942, the options), and with a page, selects that
// page of the property sheet the command opened.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

static BOOL CALLBACK Find(HWND hwnd, LPARAM found) {
    if (::GetPropA(hwnd, "Brisova") && ::IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

int main(int argc, char** argv) {
    int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    for (int waited = 0; waited < seconds * 10; ++waited) {
        HWND found = nullptr;
        ::EnumWindows(&Find, reinterpret_cast<LPARAM>(&found));
        if (found) {
            ::Sleep(4000);
            if (argc > 2) ::PostMessageA(found, WM_COMMAND, std::atoi(argv[2]), 0);
            ::Sleep(1500);
            HWND sheet = ::FindWindowA("#32770", "Brisova Options");
            if (argc > 3 && sheet) ::SendMessageA(sheet, PSM_SETCURSEL, std::atoi(argv[3]), 0);
            if (argc > 2) ::Sleep(1000);
            return 0;
        }
        ::Sleep(100);
    }
    return 1;
}
