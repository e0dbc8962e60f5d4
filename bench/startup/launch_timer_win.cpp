// Times program starts under the same conditions: from CreateProcess to the first visible,
// captioned top-level window of the new process. Runs the given programs in turn, `runs` times
// each, and prints each program's median, the ratio of the medians and the median of the
// per-round ratios.
// Usage: launch_timer runs program1.exe program2.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
struct Search {
    DWORD pid;
    bool found;
};

BOOL CALLBACK FindWindowOf(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && ::IsWindowVisible(hwnd) && (::GetWindowLongA(hwnd, GWL_STYLE) & WS_CAPTION)) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

double StartMilliseconds(const std::string& program) {
    LARGE_INTEGER frequency, start, now;
    ::QueryPerformanceFrequency(&frequency);
    std::string line = "\"" + program + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    Search search{pi.dwProcessId, false};
    double elapsed = -1;
    for (int i = 0; i < 30000; ++i) {
        ::EnumWindows(&FindWindowOf, reinterpret_cast<LPARAM>(&search));
        ::QueryPerformanceCounter(&now);
        if (search.found) {
            elapsed = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
            break;
        }
        ::Sleep(1);
    }
    ::TerminateProcess(pi.hProcess, 0);
    ::WaitForSingleObject(pi.hProcess, 10000);
    ::CloseHandle(pi.hProcess);
    ::CloseHandle(pi.hThread);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    int runs = std::atoi(argv[1]);
    std::vector<double> first, second, paired;
    for (int i = 0; i < runs; ++i) {
        first.push_back(StartMilliseconds(argv[2]));
        second.push_back(StartMilliseconds(argv[3]));
        paired.push_back(first.back() / second.back());
    }
    double a = Median(first), b = Median(second);
    // Under Wine a whole start sometimes runs two to three times slower (the display connection,
    // the server); the two programs of one round nearly always share that, so the median of the
    // rounds' ratios is the steadier figure.
    std::printf("%s: median %.1f ms\n%s: median %.1f ms\nratio of medians %.2f\nmedian ratio of rounds %.2f\n",
                argv[2], a, argv[3], b, a / b, Median(paired));
    return 0;
}
