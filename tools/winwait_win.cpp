// Waits until Brisova's main window exists (the top-level window carrying the "Brisova"
// property), then gives its pages a moment to load and paint. Exit code 0 when found, 1 after the timeout.
// Then it presses the given keys in the window, e.g. "alt+A down right" to open a menu for the shot.
// Used by scripts/screenshot; usage: winwait [seconds [keys...]]
#include <windows.h>

#include <cstdlib>
#include <cstring>

static void Press(HWND window, const char* key) {
    if (std::strncmp(key, "alt+", 4) == 0) {
        ::PostMessageA(window, WM_SYSKEYDOWN, static_cast<unsigned char>(key[4]), 1 << 29);
        return;
    }
    const struct {
        const char* name;
        WPARAM code;
    } keys[] = {{"down", VK_DOWN}, {"up", VK_UP}, {"left", VK_LEFT}, {"right", VK_RIGHT}, {"enter", VK_RETURN}};
    for (const auto& k : keys)
        if (std::strcmp(key, k.name) == 0) ::PostMessageA(window, WM_KEYDOWN, k.code, 0);
}

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
                Press(found, argv[i]);
                ::Sleep(500);
            }
            if (argc > 2) ::Sleep(1000);
            return 0;
        }
        ::Sleep(100);
    }
    return 1;
}
