// Waits until Brisova's main window exists (the top-level window carrying the "Brisova"
// property), then gives its pages a moment to load and paint. Exit code 0 when found, 1 after the timeout.
// Then acts as the user would, in order: a number sends that command to the window, "float:ID"
// double-clicks the gripper of its bar ID.
// Used by scripts/screenshot; usage: winwait [seconds] [action...]
#include <windows.h>

#include <cstdlib>
#include <cstring>

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
            for (int i = 2; i < argc; ++i) {
                if (std::strncmp(argv[i], "float:", 6) == 0) {
                    HWND bar = ::GetDlgItem(found, std::atoi(argv[i] + 6));
                    if (bar) ::SendMessageA(bar, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
                } else {
                    ::SendMessageA(found, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[i])), 0);
                }
                ::Sleep(1000);
            }
            return 0;
        }
        ::Sleep(100);
    }
    return 1;
}
