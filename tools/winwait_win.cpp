// Waits until Brisova's main window exists (the top-level window carrying the "Brisova"
// property), gives its pages a moment to load and paint, then takes the given steps in it:
//   alt            Alt pressed and released alone      alt+X   Alt with a letter (a menu's key)
//   left right up down enter esc                       a key
//   cmd:N          command N sent to the window        page:N  page N of the options sheet chosen
//   mouse:X,Y      the mouse moved to that screen point (for what the mouse brings up)
//   click:X,Y      a left click at that screen point
//   float:ID       a double click on the gripper of bar ID (it floats, or docks again)
// Exit code 0 when found, 1 after the timeout.
// Used by scripts/screenshot; usage: winwait [seconds [step...]]
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstring>

static BOOL CALLBACK Find(HWND hwnd, LPARAM found) {
    if (::GetPropA(hwnd, "Brisova") && ::IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

static void TakeStep(HWND window, const char* step) {
    if (std::strncmp(step, "cmd:", 4) == 0) {
        ::PostMessageA(window, WM_COMMAND, std::atoi(step + 4), 0);
        ::Sleep(1500);
        return;
    }
    if (std::strncmp(step, "float:", 6) == 0) {
        if (HWND bar = ::GetDlgItem(window, std::atoi(step + 6))) ::SendMessageA(bar, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
        ::Sleep(1000);
    } else if (std::strncmp(step, "mouse:", 6) == 0 || std::strncmp(step, "click:", 6) == 0) {
        const char* comma = std::strchr(step, ',');
        ::SetCursorPos(std::atoi(step + 6), comma ? std::atoi(comma + 1) : 0);
        if (step[0] == 'c') {
            // Controls that track the hot item take a click only where the mouse has been.
            ::Sleep(300);
            ::mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
            ::mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        }
        ::Sleep(1000);
    } else if (std::strncmp(step, "page:", 5) == 0) {
        if (HWND sheet = ::FindWindowA("#32770", "Brisova Options"))
            ::SendMessageA(sheet, PSM_SETCURSEL, std::atoi(step + 5), 0);
    } else if (std::strcmp(step, "alt") == 0) {
        ::PostMessageA(window, WM_SYSKEYDOWN, VK_MENU, 0x20000001);
        ::PostMessageA(window, WM_SYSKEYUP, VK_MENU, 0xC0000001);
    } else if (std::strncmp(step, "alt+", 4) == 0) {
        ::PostMessageA(window, WM_SYSKEYDOWN, static_cast<unsigned char>(step[4]), 1 << 29);
    } else {
        const struct {
            const char* name;
            WPARAM code;
        } keys[] = {{"down", VK_DOWN}, {"up", VK_UP},        {"left", VK_LEFT},
                    {"right", VK_RIGHT}, {"enter", VK_RETURN}, {"esc", VK_ESCAPE}};
        for (const auto& key : keys)
            if (std::strcmp(step, key.name) == 0) ::PostMessageA(window, WM_KEYDOWN, key.code, 1);
    }
    ::Sleep(400);
}

int main(int argc, char** argv) {
    int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    for (int waited = 0; waited < seconds * 10; ++waited) {
        HWND found = nullptr;
        ::EnumWindows(&Find, reinterpret_cast<LPARAM>(&found));
        if (found) {
            ::Sleep(4000);
            for (int i = 2; i < argc; ++i) TakeStep(found, argv[i]);
            if (argc > 2) ::Sleep(1000);
            return 0;
        }
        ::Sleep(100);
    }
    return 1;
}
