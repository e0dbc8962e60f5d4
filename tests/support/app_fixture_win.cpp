#include "support/app_fixture_win.h"

#include <cstring>

#include <windows.h>
#include <shellapi.h>

#include <fstream>
#include <sstream>

#include "platform/ini_profile_win.h"
#include "support/recording_cmd_ui_win.h"

namespace {
std::string NewTemporaryDirectory() {
    char base[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, base);
    static int counter = 0;
    // A name outside any ANSI code page, with a blank, as a user's folder may have.
    std::string dir = std::string(base) + "brisova-test-Программы Дом-" +
                      std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++counter) + "\\";
    ::CreateDirectoryA(dir.c_str(), nullptr);
    ::CreateDirectoryA((dir + "data").c_str(), nullptr);
    return dir;
}

void RemoveTree(const std::string& dir) {
    std::string from = dir.substr(0, dir.size() - 1);
    from.push_back('\0');
    SHFILEOPSTRUCTA op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    ::SHFileOperationA(&op);
}

}  // namespace

AppFixture::AppFixture() : directory_(NewTemporaryDirectory()) {
    std::string keys = "Software\\BrisovaTests\\" + std::to_string(::GetCurrentProcessId());
    browserKeys_.typedUrls = keys + "\\TypedUrls";
    browserKeys_.main = keys + "\\Main";
    favorites_.folder = directory_ + "Favorites";
    ::CreateDirectoryA(favorites_.folder.c_str(), nullptr);
    favorites_.orderKey = keys + "\\MenuOrder\\Favorites\\";
    favorites_.addFavorite = [](HWND, const std::string&, const std::string&) { return false; };
    favorites_.organize = [](HWND, const std::string&) {};
    // The associations of the test's own, never the user's.
    browserKeys_.classesView = HKEY_CURRENT_USER;
    browserKeys_.classesViewPath = keys + "\\Classes";
    browserKeys_.classes = keys + "\\Classes";
    browserKeys_.software = keys + "\\Software";
    browserKeys_.international = keys + "\\International";
    browserKeys_.internetSettings = keys + "\\Internet Settings";
    browserKeys_.browserEmulation = keys + "\\FeatureControl";
    ::RegDeleteTreeA(HKEY_CURRENT_USER, keys.c_str());
    ScriptedBrowser::Reset();
    ScriptedBrowser::autoNavigate = true;
    ScriptedBrowser::documentAfterLoad = false;
    // The start-up tips would wait for a user; tests that want them switch them on.
    WriteSetting("IsShowMostTips", "0");
}

AppFixture::~AppFixture() {
    if (app_ && app_->mainFrame() && app_->mainFrame()->m_hWnd) app_->mainFrame()->DestroyWindow();
    app_.reset();
    // Nothing of this test may reach the next one: not even the frame's quit message.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT) ::DispatchMessageA(&msg);
    }
    RemoveTree(directory_);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\BrisovaTests\\" + std::to_string(::GetCurrentProcessId())).c_str());
}

void AppFixture::WriteProgramFile(const std::string& relative, const std::string& text) const {
    std::ofstream(directory_ + relative, std::ios::binary) << text;
}

std::string AppFixture::ReadProgramFile(const std::string& relative) const {
    std::ifstream file(directory_ + relative, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void AppFixture::WriteSetting(const std::string& key, const std::string& value) const {
    ::WritePrivateProfileStringA("Settings", key.c_str(), value.c_str(), (directory_ + "Brisova.ini").c_str());
}

std::string AppFixture::ReadSetting(const std::string& key, const std::string& section) const {
    return IniFileProfile(directory_ + "Brisova.ini").ReadString(section, key, "<absent>");
}

bool AppFixture::StartWithoutWaiting(const std::vector<std::string>& arguments) {
    app_ = std::make_unique<CBrisovaApp>(AppEnvironment{directory_, &prompter_, ScriptedBrowserFactory(), browserKeys_, favorites_,
                                                        printDialog_});
    return app_->Start(arguments);
}

bool AppFixture::Start(const std::vector<std::string>& arguments) {
    bool started = StartWithoutWaiting(arguments);
    PumpPending();
    // As in the program, the frame completes its start soon after its first idle moment.
    return started && PumpUntil([this] { return frame().startupComplete(); });
}

bool AppFixture::PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    return app_->PumpUntil(done, timeout);
}

void AppFixture::PressKey(UINT key, unsigned modifiers) {
    BYTE saved[256], held[256];
    ::GetKeyboardState(saved);
    std::memcpy(held, saved, sizeof held);
    held[VK_CONTROL] = (modifiers & kCtrl) ? 0x80 : 0;
    held[VK_SHIFT] = (modifiers & kShift) ? 0x80 : 0;
    held[VK_MENU] = (modifiers & kAlt) ? 0x80 : 0;
    ::SetKeyboardState(held);
    // With Alt held, and for F10, the system sends the key as a system key; Alt sets the
    // context bit. The release goes to the window that has the focus after the press.
    const bool alt = (modifiers & kAlt) != 0;
    const bool system = alt || key == VK_F10;
    const LPARAM context = alt ? (1 << 29) : 0;
    ::PostMessageA(::GetFocus(), system ? WM_SYSKEYDOWN : WM_KEYDOWN, key, context | 1);
    PumpPending();
    ::PostMessageA(::GetFocus(), system ? WM_SYSKEYUP : WM_KEYUP, key, context | 1 | (3u << 30));
    PumpPending();
    ::SetKeyboardState(saved);
}

void AppFixture::PumpPending() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) break;
        app_->PumpMessage(msg);
    }
}

void AppFixture::SetClientWidth(int width) {
    frame().ShowWindow(SW_RESTORE);
    RECT outer{0, 0, width, 500};
    ::AdjustWindowRectEx(&outer, static_cast<DWORD>(::GetWindowLongPtrA(frame().m_hWnd, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrA(frame().m_hWnd, GWL_EXSTYLE)));
    ::SetWindowPos(frame().m_hWnd, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                   SWP_NOZORDER | SWP_NOMOVE);
    PumpPending();
    frame().OnIdleUpdateCmdUI();
}

void AppFixture::Command(UINT id) {
    frame().SendMessage(WM_COMMAND, id, 0);
    PumpPending();
}

bool AppFixture::CommandEnabled(UINT id) {
    RecordingCmdUI ui(id);
    ui.DoUpdate(&frame(), true);
    return ui.enabled;
}

bool AppFixture::CommandChecked(UINT id) {
    RecordingCmdUI ui(id);
    ui.DoUpdate(&frame(), true);
    return ui.checked;
}

std::vector<CChildFrame*> AppFixture::Windows() const {
    std::vector<CChildFrame*> windows;
    CTabBar& tabs = frame().tabBar();
    for (int i = 0; i < tabs.Count(); ++i) windows.push_back(tabs.WindowAt(i));
    return windows;
}

std::vector<std::string> AppFixture::TabTexts() const {
    std::vector<std::string> texts;
    CTabBar& tabs = frame().tabBar();
    for (int i = 0; i < tabs.Count(); ++i) texts.push_back(tabs.TextAt(i));
    return texts;
}

std::vector<std::string> AppFixture::Addresses() const {
    std::vector<std::string> addresses;
    for (CChildFrame* window : Windows())
        addresses.push_back(window && window->view() ? window->view()->address() : "<no view>");
    return addresses;
}

ScriptedBrowser* AppFixture::BrowserOf(CChildFrame* window) {
    return window && window->view() ? dynamic_cast<ScriptedBrowser*>(window->view()->control()) : nullptr;
}
