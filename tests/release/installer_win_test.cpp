// The release package as a user meets it: the silent installer into a folder of the user's
// choice, the program started from there, an upgrade over it, and the silent uninstaller.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "brisova_version.h"
#include "platform/handles_win.h"

namespace {
constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brisova";

std::string TestDirectory() {
    char path[MAX_PATH] = {};
    std::string full(path, ::GetModuleFileNameA(nullptr, path, MAX_PATH));
    return full.substr(0, full.find_last_of('\\') + 1);
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

bool WaitFor(const std::function<bool()>& done, std::chrono::seconds timeout = std::chrono::seconds(30)) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

// Starts a command line; the process, or nothing when it could not start.
ScopedHandle Launch(std::string line) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return {};
    ::CloseHandle(pi.hThread);
    return ScopedHandle(pi.hProcess);
}

// The exit code of a command line run to its end within a minute.
std::optional<DWORD> RunToEnd(const std::string& line) {
    ScopedHandle process = Launch(line);
    if (!process || ::WaitForSingleObject(process.get(), 60000) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    ::GetExitCodeProcess(process.get(), &code);
    return code;
}

std::optional<std::string> UninstallText(const char* name) {
    char text[1024] = {};
    DWORD size = sizeof text;
    if (::RegGetValueA(HKEY_CURRENT_USER, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(text);
}

std::optional<DWORD> UninstallNumber(const char* name) {
    DWORD number = 0;
    DWORD size = sizeof number;
    if (::RegGetValueA(HKEY_CURRENT_USER, kUninstallKey, name, RRF_RT_REG_DWORD, nullptr, &number, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return number;
}

struct FrameSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindFrame(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<FrameSearch*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->process || !::GetPropA(hwnd, "Brisova") || !::IsWindowVisible(hwnd)) return TRUE;
    search->found = hwnd;
    return FALSE;
}

void RemoveTree(const std::string& dir) {
    std::string from = dir + '\0';
    SHFILEOPSTRUCTA op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    ::SHFileOperationA(&op);
}

class InstallerTest : public ::testing::Test {
protected:
    InstallerTest() {
        char base[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, base);
        // A folder the user typed, with a blank and a name outside any ANSI code page.
        dir_ = std::string(base) + "brisova-setup-Программы " + std::to_string(::GetCurrentProcessId());
        RemoveTree(dir_);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kUninstallKey);
        char programs[MAX_PATH] = {};
        ::SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
        shortcut_ = std::string(programs) + "\\Brisova.lnk";
    }
    ~InstallerTest() override {
        RemoveTree(dir_);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kUninstallKey);
        ::DeleteFileA(shortcut_.c_str());
    }

    std::string File(const std::string& relative) const { return dir_ + "\\" + relative; }
    // /D= takes the rest of the command line, blanks included, unquoted.
    std::optional<DWORD> Install() const { return RunToEnd("\"" + setup_ + "\" /S /D=" + dir_); }

    const std::string setup_ = TestDirectory() + "..\\dist\\Brisova-" BRISOVA_VERSION_TEXT "-setup.exe";
    std::string dir_;
    std::string shortcut_;
};
}  // namespace

TEST_F(InstallerTest, SilentInstallStartsUpgradesAndUninstallsKeepingTheUsersData) {
    ASSERT_TRUE(Exists(setup_)) << setup_;
    ASSERT_EQ(Install(), 0u);
    for (const char* file : {"Brisova.exe", "Brisova.chm", "uninstall.exe", "data\\VerInf", "data\\MyInfoLib\\frame"})
        EXPECT_TRUE(Exists(File(file))) << file;
    EXPECT_TRUE(Exists(shortcut_));
    EXPECT_EQ(UninstallText("DisplayName"), "Brisova");
    EXPECT_EQ(UninstallText("DisplayVersion"), BRISOVA_VERSION_TEXT);
    EXPECT_EQ(UninstallText("Publisher"), BRISOVA_PUBLISHER);
    EXPECT_EQ(UninstallText("DisplayIcon"), File("Brisova.exe") + ",0");
    EXPECT_EQ(UninstallText("InstallLocation"), dir_);
    EXPECT_EQ(UninstallText("QuietUninstallString"), "\"" + File("uninstall.exe") + "\" /S");
    EXPECT_GT(UninstallNumber("EstimatedSize").value_or(0), 500u);

    // The installed program starts and shows its frame; its orderly exit writes Brisova.ini.
    WriteFile(File("Brisova.ini"), "[Settings]\r\nIsAskExit=0\r\nEnableHomePage=0\r\n");
    {
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        std::string line = "\"" + File("Brisova.exe") + "\"";
        ASSERT_TRUE(::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, dir_.c_str(), &si, &pi));
        ::CloseHandle(pi.hThread);
        ScopedHandle program(pi.hProcess);
        FrameSearch search{pi.dwProcessId, nullptr};
        bool shown = WaitFor([&] { return ::EnumWindows(&FindFrame, reinterpret_cast<LPARAM>(&search)), search.found; });
        if (shown) {
            // A running program's files are not touched: the installer gives up.
            EXPECT_EQ(Install(), 2u);
            ::PostMessageA(search.found, WM_CLOSE, 0, 0);
        }
        if (::WaitForSingleObject(program.get(), 20000) != WAIT_OBJECT_0) ::TerminateProcess(program.get(), 1);
        ASSERT_TRUE(shown);
    }
    std::string settings = ReadFile(File("Brisova.ini"));
    EXPECT_NE(settings.find("ToolBar="), std::string::npos) << settings;

    // The user's own data survives an installation over the installed version.
    WriteFile(File("data\\startup"), "http://a.example/\r\n");
    WriteFile(File("data\\MyInfoLib\\mine.htm"), "<p>mine</p>");
    ASSERT_EQ(Install(), 0u);
    EXPECT_EQ(ReadFile(File("Brisova.ini")), settings);
    EXPECT_EQ(ReadFile(File("data\\startup")), "http://a.example/\r\n");
    EXPECT_TRUE(Exists(File("data\\MyInfoLib\\mine.htm")));
    EXPECT_EQ(UninstallText("InstallLocation"), dir_);

    // The uninstaller runs as the system's list of programs runs it; it hands itself over to a
    // copy in the temporary folder, so its end shows in the files and the entry.
    std::optional<std::string> uninstall = UninstallText("QuietUninstallString");
    ASSERT_TRUE(uninstall);
    ASSERT_TRUE(Launch(*uninstall));
    EXPECT_TRUE(WaitFor([&] {
        return !UninstallText("DisplayName") && !Exists(File("Brisova.exe")) && !Exists(File("uninstall.exe"));
    }));
    for (const char* gone : {"Brisova.chm", "data\\VerInf", "data\\counter", "data\\download"})
        EXPECT_FALSE(Exists(File(gone))) << gone;
    EXPECT_FALSE(Exists(shortcut_));
    EXPECT_EQ(ReadFile(File("Brisova.ini")), settings);
    EXPECT_TRUE(Exists(File("data\\startup")));
    EXPECT_TRUE(Exists(File("data\\MyInfoLib\\mine.htm")));

    // Asked to, the uninstaller takes the user's data as well, and nothing else in the folder.
    ASSERT_EQ(Install(), 0u);
    WriteFile(File("notes.txt"), "the user's own");
    ASSERT_TRUE(Launch(*uninstall + " /REMOVEDATA"));
    EXPECT_TRUE(WaitFor([&] { return !UninstallText("DisplayName"); }));
    for (const char* gone : {"Brisova.ini", "data", "uninstall.exe"}) EXPECT_FALSE(Exists(File(gone))) << gone;
    EXPECT_EQ(ReadFile(File("notes.txt")), "the user's own");
}
