// The real Brisova.exe, driven from outside as a user's system would: a copy in a directory of
// its own, its windows found by their property, its files read afterwards.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <chrono>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <thread>

#include "platform/handles_win.h"
#include "platform/profile.h"
#include "resource.h"
#include "shared/startup_rules.h"

namespace {
std::string Directory(const std::string& path) {
    return path.substr(0, path.find_last_of('\\') + 1);
}

std::string TestDirectory() {
    char path[MAX_PATH] = {};
    return Directory(std::string(path, ::GetModuleFileNameA(nullptr, path, MAX_PATH)));
}

bool WaitFor(const std::function<bool()>& done, std::chrono::seconds timeout = std::chrono::seconds(30)) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

struct FindArgs {
    DWORD process;
    const char* className;
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND hwnd, LPARAM lParam) {
    auto* args = reinterpret_cast<FindArgs*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid != args->process || !::IsWindowVisible(hwnd)) return TRUE;
    char cls[64] = {};
    ::GetClassNameA(hwnd, cls, sizeof cls);
    bool wanted = args->className ? lstrcmpA(cls, args->className) == 0 : ::GetPropA(hwnd, "Brisova") != nullptr;
    if (!wanted) return TRUE;
    args->found = hwnd;
    return FALSE;
}

class Installation {
public:
    Installation() {
        char base[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, base);
        // Installed under a name outside any ANSI code page, as a user's folder may be.
        dir_ = std::string(base) + "brisova-e2e-Программы " +
               std::to_string(::GetCurrentProcessId()) + "\\";
        ::CreateDirectoryA(dir_.c_str(), nullptr);
        ::CreateDirectoryA((dir_ + "data").c_str(), nullptr);
        ::CopyFileA((TestDirectory() + "Brisova.exe").c_str(), (dir_ + "Brisova.exe").c_str(), FALSE);
        // The start-up tips would wait for a user.
        Set("IsShowMostTips", "0");
    }
    ~Installation() {
        for (auto& p : processes_) ::TerminateProcess(p.get(), 0);
        for (auto& p : processes_) ::WaitForSingleObject(p.get(), 5000);
        std::string from = dir_.substr(0, dir_.size() - 1) + '\0';
        SHFILEOPSTRUCTA op{};
        op.wFunc = FO_DELETE;
        op.pFrom = from.c_str();
        op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
        ::SHFileOperationA(&op);
    }

    void Set(const std::string& key, const std::string& value) const {
        ::WritePrivateProfileStringA("Settings", key.c_str(), value.c_str(), Ini().c_str());
    }
    std::string Get(const std::string& key) const {
        char buffer[4096] = {};
        ::GetPrivateProfileStringA("Settings", key.c_str(), "<absent>", buffer, sizeof buffer, Ini().c_str());
        return buffer;
    }
    std::string Ini() const { return dir_ + "Brisova.ini"; }

    HANDLE Start(const std::string& argument = "") {
        std::string line = "\"" + dir_ + "Brisova.exe\"" + (argument.empty() ? "" : " " + argument);
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, dir_.c_str(), &si, &pi))
            return nullptr;
        ::CloseHandle(pi.hThread);
        processes_.emplace_back(pi.hProcess);
        pids_.push_back(pi.dwProcessId);
        return pi.hProcess;
    }
    DWORD Pid(HANDLE process) const {
        for (std::size_t i = 0; i < processes_.size(); ++i)
            if (processes_[i].get() == process) return pids_[i];
        return 0;
    }
    HWND Find(HANDLE process, const char* className = nullptr) const {
        FindArgs args{Pid(process), className, nullptr};
        ::EnumWindows(&FindTopLevel, reinterpret_cast<LPARAM>(&args));
        return args.found;
    }
    static int Tabs(HWND frame) {
        HWND bar = ::FindWindowExA(frame, nullptr, REBARCLASSNAMEA, nullptr);
        for (; bar; bar = ::FindWindowExA(frame, bar, REBARCLASSNAMEA, nullptr))
            if (HWND tabs = ::FindWindowExA(bar, nullptr, WC_TABCONTROLA, nullptr))
                return static_cast<int>(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
        return -1;
    }

private:
    std::string dir_;
    std::vector<ScopedHandle> processes_;
    std::vector<DWORD> pids_;
};

// The display's scale for the programs started while it lives, as the user sets it: the
// "LogPixels" the system reads when a program starts. The earlier value comes back at the end.
class DisplayScale {
public:
    explicit DisplayScale(DWORD dpi) {
        HKEY key = nullptr;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                          &key, nullptr);
        key_.reset(key);
        DWORD size = sizeof previous_;
        hadValue_ = ::RegQueryValueExA(key_.get(), "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&previous_),
                                       &size) == ERROR_SUCCESS;
        ::RegSetValueExA(key_.get(), "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    }
    ~DisplayScale() {
        if (hadValue_)
            ::RegSetValueExA(key_.get(), "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&previous_),
                             sizeof previous_);
        else
            ::RegDeleteValueA(key_.get(), "LogPixels");
    }
    DisplayScale(const DisplayScale&) = delete;
    DisplayScale& operator=(const DisplayScale&) = delete;

private:
    ScopedKey key_;
    DWORD previous_ = 0;
    bool hadValue_ = false;
};

HWND ChildOfClass(HWND parent, const char* className) {
    for (HWND child = ::FindWindowExA(parent, nullptr, nullptr, nullptr); child;
         child = ::FindWindowExA(parent, child, nullptr, nullptr)) {
        char cls[64] = {};
        ::GetClassNameA(child, cls, sizeof cls);
        if (lstrcmpA(cls, className) == 0) return child;
        if (HWND inner = ChildOfClass(child, className)) return inner;
    }
    return nullptr;
}

std::vector<std::string> Record(const Installation& inst) {
    auto bytes = brisova::DecodeProfileBinary(inst.Get("lastvisit"));
    return bytes ? brisova::DecodeWindowRecord(*bytes) : std::vector<std::string>{};
}
}  // namespace

TEST(Program, KilledRunIsOfferedAndRestoredAtTheNextStart) {
    Installation inst;
    inst.Set("IsAskExit", "0");
    HANDLE first = inst.Start("http://a.example/");
    HWND frame = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (frame = inst.Find(first)) != nullptr; }));
    const std::string cyrillic = "http://b.example/Привет";
    HANDLE second = inst.Start(cyrillic);
    ASSERT_EQ(::WaitForSingleObject(second, 30000), WAIT_OBJECT_0);
    ASSERT_TRUE(WaitFor([&] { return Installation::Tabs(frame) == 2; }));
    ASSERT_TRUE(WaitFor([&] { return Record(inst).size() == 2; }));

    ::TerminateProcess(first, 1);
    ::WaitForSingleObject(first, 10000);
    EXPECT_EQ(Record(inst), (std::vector<std::string>{"http://a.example/", cyrillic}));

    HANDLE again = inst.Start();
    HWND question = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (question = inst.Find(again, "#32770")) != nullptr; }));
    char text[128] = {};
    ::GetDlgItemTextA(question, 0xFFFF, text, sizeof text);
    EXPECT_STREQ(text, "Do you continue from last time?");
    ::PostMessageA(question, WM_COMMAND, IDYES, 0);
    ASSERT_TRUE(WaitFor([&] { return (frame = inst.Find(again)) != nullptr && Installation::Tabs(frame) == 2; }));

    // An orderly exit empties the record and writes the settings.
    ::PostMessageA(frame, WM_CLOSE, 0, 0);
    ASSERT_EQ(::WaitForSingleObject(again, 30000), WAIT_OBJECT_0);
    EXPECT_EQ(inst.Get("lastvisit"), "");
    EXPECT_EQ(inst.Get("EnableAutoFilter"), "1");
    EXPECT_EQ(inst.Get("IsAskExit"), "0");
}

// Killed at random moments while it opens windows and writes its record, the program always
// leaves a settings file that reads whole: the settings it had, and a record of whole addresses.
TEST(Program, KilledWhileWritingItsRecordLeavesEveryFileWhole) {
    Installation inst;
    inst.Set("IsAskExit", "0");
    inst.Set("EnableHomePage", "0");
    std::mt19937 random(20261208);
    std::set<std::string> known;
    for (int round = 0; round < 50; ++round) {
        std::string address = "http://round" + std::to_string(round) + ".example/" + std::string(round * 7, 'p');
        known.insert(address);
        HANDLE program = inst.Start(address);
        ASSERT_NE(program, nullptr);
        ::Sleep(std::uniform_int_distribution<DWORD>(0, 400)(random));
        ::TerminateProcess(program, 1);
        ::WaitForSingleObject(program, 10000);

        ASSERT_EQ(inst.Get("IsAskExit"), "0") << "round " << round;
        for (const std::string& recorded : Record(inst)) {
            EXPECT_TRUE(known.count(recorded)) << "round " << round << ": " << recorded;
        }
        inst.Set("lastvisit", "");
    }
}

// The tabs are laid out for the display's scale: at 150 % and 200 % half as large again and
// twice as large as at 100 %, and at 125 % and 175 %, no round multiples, in proportion. The address box,
// whose font grows, stays whole inside its bar.
TEST(Program, TabsAndTheAddressBoxGrowWithTheDisplayScale) {
    Installation inst;
    inst.Set("IsAskExit", "0");
    const auto tabHeight = [&](DWORD dpi) {
        DisplayScale scale(dpi);
        HANDLE process = inst.Start("http://a.example/");
        HWND frame = nullptr;
        EXPECT_TRUE(WaitFor([&] { return (frame = inst.Find(process)) != nullptr && Installation::Tabs(frame) == 1; }));
        if (!frame) return 0;
        RECT tabs{};
        ::GetWindowRect(ChildOfClass(frame, WC_TABCONTROLA), &tabs);
        HWND box = ChildOfClass(frame, WC_COMBOBOXEXA);
        RECT boxRect{}, barRect{};
        ::GetWindowRect(box, &boxRect);
        ::GetWindowRect(::GetParent(box), &barRect);
        EXPECT_LE(boxRect.bottom, barRect.bottom) << "at " << dpi << " dpi";
        EXPECT_GE(boxRect.top, barRect.top) << "at " << dpi << " dpi";
        ::PostMessageA(frame, WM_CLOSE, 0, 0);
        EXPECT_EQ(::WaitForSingleObject(process, 30000), WAIT_OBJECT_0);
        return static_cast<int>(tabs.bottom - tabs.top);
    };
    EXPECT_EQ(tabHeight(96), 22);
    EXPECT_EQ(tabHeight(120), 28);
    EXPECT_EQ(tabHeight(144), 33);
    EXPECT_EQ(tabHeight(168), 39);
    EXPECT_EQ(tabHeight(192), 44);
}
