#include "platform/startup_trace_win.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {
std::string TraceFile() {
    char path[MAX_PATH * 4] = {};
    DWORD n = ::GetEnvironmentVariableA("BRISOVA_STARTUP_TRACE", path, sizeof path);
    return n > 0 && n < sizeof path ? std::string(path, n) : std::string();
}
}  // namespace

void MarkStartupStep(const char* step) {
    static const std::string file = TraceFile();
    if (file.empty()) return;
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    if (FILE* out = std::fopen(file.c_str(), "a")) {
        std::fprintf(out, "%lld %s\n", static_cast<long long>(now.QuadPart), step);
        std::fclose(out);
    }
}
