// Brisova's entry point.
#include <windows.h>

#include "app/brisova_app_win.h"
#include "platform/diagnostics.h"
#include "platform/startup_trace_win.h"
#include "shared/startup_rules.h"

namespace {
void ToDebugger(const std::string& message) { ::OutputDebugStringA((message + "\n").c_str()); }
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    MarkStartupStep("WinMain");
    // The DLLs loaded from here on, the delay-loaded ones among them, come from the system
    // directory only, never from the program's folder or the current directory.
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    brisova::SetFailureReporter(&ToDebugger);
    CBrisovaApp app(InstalledEnvironment());
    if (!app.InitInstance()) return 0;
    // An update that restarts Windows starts the program again, with its windows.
    ::RegisterApplicationRestart(brisova::kRestartSwitch, RESTART_NO_CRASH | RESTART_NO_HANG);
    return app.Run();
}
