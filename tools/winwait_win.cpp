// Waits until Brisova's main window exists (the top-level window carrying the "Brisova"
// property), then gives its pages a moment to load and paint. Exit code 0 when found, 1 after the timeout.
// Used by scripts/screenshot; usage: winwait [seconds [x y]], where x y is a screen point the
// mouse then moves to, for shots of what the mouse brings up.
#include <windows.h>

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
            if (argc > 3) {
                ::SetCursorPos(std::atoi(argv[2]), std::atoi(argv[3]));
                ::Sleep(1000);
            }
            return 0;
        }
        ::Sleep(100);
    }
    return 1;
}
