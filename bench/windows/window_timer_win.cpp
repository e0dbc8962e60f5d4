// New-window benchmark: starts the program in this process (in the executable's directory, as
// the installed program runs), opens 100 browser windows one after another through the frame's
// open-window operation with "about:blank", as "New Window" does, then closes them one by one
// as "Close" does, in a few rounds. Each step is timed until the program is idle again: its
// messages handled, painting included, and the bars' idle update done. A position's time is
// its fastest of the rounds, since the machine's other work only ever adds time. Prints the
// median time per window of the first ten and of the last ten openings and their ratio, the
// closing time, and the memory with no window and with 100 windows open.
//
// The windows hold the system's browser control, as the program's do: a window's cost is the
// control's creation, embedding and first navigation as well as the frame's bookkeeping (here
// about a third of the time and most of the memory a window takes). Under Wine, scripts/wine-env
// disables mshtml (no Gecko engine is installed), so the control comes up and is asked to
// navigate but never renders a document: the figures leave out page rendering, which costs
// every window the same, and keep every step that could grow with the number of windows. The
// tests' scripted control would leave out the control's share altogether.
// Usage: window_timer [windows [rounds]]   (bench/windows/run prepares a program directory)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/brisova_app_win.h"
#include "frame/main_frame_win.h"
#include "platform/prompter.h"
#include "resource.h"

namespace {
using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Handles what is queued, then lets the bars update as the message loop does when it idles.
void RunUntilIdle(CBrisovaApp& app) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT) app.PumpMessage(msg);
    }
    app.OnIdle();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Memory {
    double workingSetMb = 0;
    double privateMb = 0;
};

Memory ProcessMemory() {
    // The private bytes are the commit charge, PagefileUsage (Wine leaves PrivateUsage empty).
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    constexpr double kMb = 1024.0 * 1024.0;
    return {static_cast<double>(counters.WorkingSetSize) / kMb, static_cast<double>(counters.PagefileUsage) / kMb};
}

struct Round {
    std::vector<double> opening;
    std::vector<double> closing;
    double allClosed = 0;
    Memory full;
};

// The fastest of the rounds at each position: the machine's other work only ever adds time.
std::vector<double> FastestPerPosition(const std::vector<Round>& rounds, std::vector<double> Round::*times) {
    std::vector<double> fastest = rounds.front().*times;
    for (const Round& round : rounds)
        for (size_t i = 0; i < fastest.size(); ++i) fastest[i] = std::min(fastest[i], (round.*times)[i]);
    return fastest;
}

// Opens `windows` windows, then closes them from the active one on; false when a window fails
// to open or to close.
bool RunRound(CBrisovaApp& app, int windows, Round& round) {
    CMainFrame& frame = *app.mainFrame();
    const std::string blank = "about:blank";
    for (int i = 0; i < windows; ++i) {
        Clock::time_point start = Clock::now();
        frame.OpenWindow(false, &blank, true);
        RunUntilIdle(app);
        round.opening.push_back(MillisecondsSince(start));
    }
    if (frame.tabBar().Count() != windows) {
        std::fprintf(stderr, "%d windows open instead of %d\n", frame.tabBar().Count(), windows);
        return false;
    }
    round.full = ProcessMemory();
    Clock::time_point allClosing = Clock::now();
    for (int i = 0; i < windows; ++i) {
        Clock::time_point start = Clock::now();
        frame.SendMessage(WM_COMMAND, ID_FILE_CLOSE, 0);
        RunUntilIdle(app);
        round.closing.push_back(MillisecondsSince(start));
    }
    round.allClosed = MillisecondsSince(allClosing);
    if (frame.tabBar().Count() != 0) {
        std::fprintf(stderr, "%d windows left open\n", frame.tabBar().Count());
        return false;
    }
    return true;
}
}  // namespace

int main(int argc, char** argv) {
    const int windows = argc > 1 ? std::max(20, std::atoi(argv[1])) : 100;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    // Any question the program asks is answered at once instead of waiting for a user.
    brisova::ScriptedPrompter prompter;
    AppEnvironment environment = InstalledEnvironment();
    environment.prompter = &prompter;
    CBrisovaApp app(environment);
    if (!app.Start({})) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    // Windows are opened in a running program: what start-up leaves for later (the online
    // threads' first work, address completion) is done first.
    app.PumpUntil([] { return false; }, std::chrono::seconds(3));
    RunUntilIdle(app);
    Memory empty = ProcessMemory();

    std::vector<Round> done(static_cast<size_t>(rounds));
    for (Round& round : done)
        if (!RunRound(app, windows, round)) return 1;
    std::vector<double> allClosed;
    for (const Round& round : done) allClosed.push_back(round.allClosed);
    std::vector<double> open = FastestPerPosition(done, &Round::opening);
    double first = Median({open.begin(), open.begin() + 10});
    double last = Median({open.end() - 10, open.end()});
    std::printf("opening %d windows, %d rounds; ms per window, median of ten of each position's fastest:\n", windows,
                rounds);
    std::printf("first ten %.1f, last ten %.1f, ratio %.2f\n", first, last, last / first);
    std::printf("closing, ms per window: median %.1f; all %d in %.0f ms (median of the rounds)\n",
                Median(FastestPerPosition(done, &Round::closing)), windows, Median(allClosed));
    std::printf("memory with no window: working set %.1f MB, private bytes %.1f MB\n", empty.workingSetMb,
                empty.privateMb);
    std::printf("memory with %d windows (first round): working set %.1f MB, private bytes %.1f MB\n", windows,
                done.front().full.workingSetMb, done.front().full.privateMb);
    app.mainFrame()->DestroyWindow();
    return 0;
}
