// Times program starts under the same conditions, in alternating rounds: from CreateProcess
// until the program's first captioned top-level window is visible ("shown"), and until it is
// also ready for input ("ready": WaitForInputIdle has returned and the window has answered a
// sent message, so work queued behind the first paint counts when it keeps the window busy).
// Prints each program's medians, its working set and private bytes when ready, the ratios of
// the first and the third program to the second, the yardstick, and of the first to the third.
// Usage: launch_timer [--breakdown] runs subject yardstick [peer]
// Each program is a command line. With --breakdown the subject is started with
// BRISOVA_STARTUP_TRACE set and the median time of each step it marks is printed, with the
// layouts and paints it counts before it first waits for input.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {
struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindWindowOf(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && ::IsWindowVisible(hwnd) && (::GetWindowLongA(hwnd, GWL_STYLE) & WS_CAPTION)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double MillisecondsSince(LARGE_INTEGER from) {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return Milliseconds(from, now);
}

struct Start {
    double shown = -1;
    double ready = -1;
    double workingSetMb = 0;
    double privateMb = 0;
    std::vector<std::pair<std::string, double>> steps;
};

std::vector<std::pair<std::string, double>> ReadSteps(const std::string& file, LARGE_INTEGER start) {
    std::vector<std::pair<std::string, double>> steps;
    std::ifstream in(file);
    long long counter = 0;
    std::string step;
    while (in >> counter && std::getline(in >> std::ws, step)) {
        LARGE_INTEGER at;
        at.QuadPart = counter;
        steps.emplace_back(step, Milliseconds(start, at));
    }
    return steps;
}

Start Run(std::string line, const std::string& traceFile) {
    Start result;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!traceFile.empty()) {
        ::DeleteFileA(traceFile.c_str());
        ::SetEnvironmentVariableA("BRISOVA_STARTUP_TRACE", traceFile.c_str());
    }
    LARGE_INTEGER start;
    ::QueryPerformanceCounter(&start);
    BOOL created = ::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    ::SetEnvironmentVariableA("BRISOVA_STARTUP_TRACE", nullptr);
    if (!created) return result;
    Search search{pi.dwProcessId, nullptr};
    for (int i = 0; i < 30000 && !search.found; ++i) {
        ::EnumWindows(&FindWindowOf, reinterpret_cast<LPARAM>(&search));
        if (!search.found) ::Sleep(1);
    }
    if (search.found) {
        result.shown = MillisecondsSince(start);
        DWORD_PTR unused = 0;
        if (::WaitForInputIdle(pi.hProcess, 30000) == 0 &&
            ::SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &unused)) {
            result.ready = MillisecondsSince(start);
        }
        PROCESS_MEMORY_COUNTERS_EX memory{};
        memory.cb = sizeof memory;
        if (::GetProcessMemoryInfo(pi.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
            result.workingSetMb = static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
            result.privateMb = static_cast<double>(memory.PagefileUsage) / (1024.0 * 1024.0);
        }
    }
    ::TerminateProcess(pi.hProcess, 0);
    ::WaitForSingleObject(pi.hProcess, 10000);
    ::CloseHandle(pi.hProcess);
    ::CloseHandle(pi.hThread);
    if (!traceFile.empty()) result.steps = ReadSteps(traceFile, start);
    return result;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Program {
    std::string line;
    std::vector<Start> starts;

    std::vector<double> Field(double Start::*field) const {
        std::vector<double> values;
        for (const Start& s : starts) values.push_back(s.*field);
        return values;
    }
};

// The ratio of the medians, and the median of the rounds' own ratios: under Wine a whole start
// sometimes runs two to three times slower (the display connection, the server), and the
// programs of one round nearly always share that, so the rounds' ratio is the steadier figure.
void PrintRatio(const char* name, const Program& a, const Program& b) {
    std::vector<double> rounds;
    for (size_t i = 0; i < a.starts.size(); ++i) rounds.push_back(a.starts[i].ready / b.starts[i].ready);
    std::printf("%s %.2f (ratio of medians %.2f)\n", name, Median(rounds),
                Median(a.Field(&Start::ready)) / Median(b.Field(&Start::ready)));
}

// Layouts and paints are counted, not timed: "layout" marks, and "paint <class>" marks, up to
// the first wait for input.
bool IsCounted(const std::string& step) {
    return step == "layout" || step.rfind("paint ", 0) == 0;
}

void PrintCounts(const Program& subject) {
    std::vector<std::string> order;
    std::vector<std::map<std::string, double>> perStart;
    for (const Start& s : subject.starts) {
        std::map<std::string, double>& mine = perStart.emplace_back();
        for (const auto& [step, ms] : s.steps) {
            if (step == "first idle") break;
            if (!IsCounted(step)) continue;
            if (std::find(order.begin(), order.end(), step) == order.end()) order.push_back(step);
            mine[step] += 1;
        }
    }
    std::printf("before the first wait for input (median count):\n");
    for (const std::string& step : order) {
        std::vector<double> counts;
        for (auto& mine : perStart) counts.push_back(mine[step]);
        std::printf("  %-30s %4.0f\n", step.c_str(), Median(counts));
    }
}

void PrintBreakdown(const Program& subject) {
    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> times;
    for (const Start& s : subject.starts) {
        for (const auto& [step, ms] : s.steps) {
            if (IsCounted(step)) continue;
            if (times.find(step) == times.end()) order.push_back(step);
            times[step].push_back(ms);
        }
    }
    std::printf("breakdown of %s (median ms since CreateProcess, and since the step before):\n",
                subject.line.c_str());
    double before = 0;
    for (const std::string& step : order) {
        double at = Median(times[step]);
        std::printf("  %-18s %7.1f %+7.1f\n", step.c_str(), at, at - before);
        before = at;
    }
    PrintCounts(subject);
}
}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    bool breakdown = argc > 1 && std::string(argv[1]) == "--breakdown";
    if (breakdown) ++first;
    if (argc - first < 3) {
        std::fprintf(stderr, "usage: launch_timer [--breakdown] runs subject yardstick [peer]\n");
        return 2;
    }
    int runs = std::atoi(argv[first]);
    std::vector<Program> programs;
    for (int i = first + 1; i < argc; ++i) programs.push_back(Program{argv[i], {}});
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    std::string traceFile = breakdown ? std::string(temp) + "brisova-startup-trace.txt" : std::string();
    for (int round = 0; round < runs; ++round) {
        for (size_t p = 0; p < programs.size(); ++p) {
            programs[p].starts.push_back(Run(programs[p].line, p == 0 ? traceFile : std::string()));
            if (programs[p].starts.back().ready < 0) {
                std::fprintf(stderr, "%s did not start\n", programs[p].line.c_str());
                return 1;
            }
        }
    }
    for (const Program& p : programs) {
        std::printf("%s: shown %.1f ms, ready %.1f ms (medians); working set %.1f MB, private %.1f MB\n",
                    p.line.c_str(), Median(p.Field(&Start::shown)), Median(p.Field(&Start::ready)),
                    Median(p.Field(&Start::workingSetMb)), Median(p.Field(&Start::privateMb)));
    }
    PrintRatio("ratio to minimal", programs[0], programs[1]);
    if (programs.size() > 2) {
        PrintRatio("ratio of the peer", programs[2], programs[1]);
        PrintRatio("ratio to the peer", programs[0], programs[2]);
    }
    if (breakdown) PrintBreakdown(programs[0]);
    return 0;
}
