// Brisova's entry point.
#include <windows.h>

#include "app/brisova_app_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CBrisovaApp app(InstalledEnvironment());
    if (!app.InitInstance()) return 0;
    return app.Run();
}
