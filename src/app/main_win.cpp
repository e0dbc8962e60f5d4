// Brisova's entry point.
#include <windows.h>

#include "app/brisova_app_win.h"
#include "platform/diagnostics.h"
#include "platform/startup_trace_win.h"

namespace {
void ToDebugger(const std::string& message) { ::OutputDebugStringA((message + "\n").c_str()); }
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    MarkStartupStep("WinMain");
    brisova::SetFailureReporter(&ToDebugger);
    CBrisovaApp app(InstalledEnvironment());
    if (!app.InitInstance()) return 0;
    return app.Run();
}
