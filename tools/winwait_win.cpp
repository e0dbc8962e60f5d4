// Waits until Brisova's main window exists (the top-level window carrying the "Brisova"
// property), then gives its pages a moment to load and paint. Exit code 0 when found, 1 after the timeout.
// Then posts the named keys to it, as the keyboard would deliver them: "alt" (pressed and
// released alone), "left", "right", "down", "esc".
// Used by scripts/screenshot; usage: winwait [seconds] [key...]
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

static void PostKey(HWND window, const char* name) {
    if (std::strcmp(name, "alt") == 0) {
        ::PostMessageA(window, WM_SYSKEYDOWN, VK_MENU, 0x20000001);
        ::PostMessageA(window, WM_SYSKEYUP, VK_MENU, 0xC0000001);
    } else {
        WPARAM key = std::strcmp(name, "left") == 0    ? VK_LEFT
                     : std::strcmp(name, "right") == 0 ? VK_RIGHT
                     : std::strcmp(name, "down") == 0  ? VK_DOWN
                                                       : VK_ESCAPE;
        ::PostMessageA(window, WM_KEYDOWN, key, 1);
    }
    ::Sleep(300);
}

int main(int argc, char** argv) {
    int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    for (int waited = 0; waited < seconds * 10; ++waited) {
        HWND found = nullptr;
        ::EnumWindows(&Find, reinterpret_cast<LPARAM>(&found));
        if (found) {
            ::Sleep(4000);
            for (int i = 2; i < argc; ++i) PostKey(found, argv[i]);
            if (argc > 2) ::Sleep(1000);
            return 0;
        }
        ::Sleep(100);
    }
    return 1;
}
