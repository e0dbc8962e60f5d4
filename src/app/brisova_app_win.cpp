#include "app/brisova_app_win.h"

#include <commdlg.h>
#include <cstring>
#include <shellapi.h>

#include "app/about_dialog_win.h"
#include "app/message_box_prompter_win.h"
#include "browser/brisova_view_win.h"
#include "browser/browser_emulation_win.h"
#include "browser/child_frame_win.h"
#include "browser/web_browser_win.h"
#include "frame/main_frame_win.h"
#include "framework/text_win.h"
#include "platform/ini_profile_win.h"
#include "platform/startup_trace_win.h"
#include "resource.h"
#include "shared/settings.h"
#include "shared/startup_rules.h"
#include "shell/default_browser_commands_win.h"

namespace {
constexpr const char* kAppName = "Brisova";
constexpr const char* kHandOffMutex = "BrisovaMutex";
constexpr const char* kHandOffShare = "BRISOVASHARE";
// A hung first instance must not hang a second start.
constexpr DWORD kHandOffWaitMs = 10000;

std::string ModuleDirectory() {
    char path[MAX_PATH * 4] = {};
    DWORD n = ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string full(path, n);
    return full.substr(0, full.find_last_of('\\') + 1);
}

std::vector<std::string> CommandLineArguments() {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!argv) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(NarrowFromWide(argv[i]));
    ::LocalFree(argv);
    return arguments;
}

// The "URL" of an Internet shortcut file; relative names are taken from the current directory.
std::string ShortcutAddress(const std::string& path) {
    char full[MAX_PATH * 4] = {};
    DWORD n = ::GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    std::string file = (n > 0 && n < sizeof full) ? std::string(full, n) : path;
    char url[2049] = {};
    ::GetPrivateProfileStringA("InternetShortcut", "URL", "", url, 2049, file.c_str());
    return url;
}

BOOL CALLBACK FindPropertyWindow(HWND hwnd, LPARAM found) {
    if (::GetPropA(hwnd, kAppName)) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

AppEnvironment InstalledEnvironment() {
    static MessageBoxPrompter prompter;
    return AppEnvironment{ModuleDirectory(), &prompter, &CreateWebBrowser2, {}, {}};
}

const MessageMap* CBrisovaApp::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandHandler<&CBrisovaApp::OnAppAbout>(ID_APP_ABOUT),
        CommandHandler<&CBrisovaApp::OnFilePrintSetup>(ID_FILE_PRINT_SETUP),
    };
    static const MessageMap map(&CWinApp::ThisMessageMap, entries);
    return &map;
}

CBrisovaApp::CBrisovaApp(AppEnvironment environment) : environment_(std::move(environment)) {}

CBrisovaApp::~CBrisovaApp() {
    if (frame_ && frame_->m_hWnd) frame_->DestroyWindow();
}

bool CBrisovaApp::InitInstance() {
    return Start(CommandLineArguments());
}

bool CBrisovaApp::Start(const std::vector<std::string>& arguments) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_USEREX_CLASSES};
    ::InitCommonControlsEx(&controls);
    MarkStartupStep("common controls");
    BeginStartupPaintTrace();

    // 1. Every browser control is hosted through the program's own site.
    InstallBrowserControlFactory(environment_.browserControls);

    // 2. The command line. The uninstaller's "/unregister" gives web pages back to the previous
    // browser; nothing else happens.
    if (brisova::AsksToUnregister(arguments)) {
        IniFileProfile profile(environment_.programDirectory + "Brisova.ini");
        CDefaultBrowserCommands::RestorePreviousBrowser(profile, environment_.browserKeys);
        return false;
    }
    startAddress_ = brisova::StartAddressFromArguments(arguments);
    restartedBySystem_ = brisova::StartedBySystemRestart(arguments);
    if (brisova::IsInternetShortcutPath(startAddress_)) startAddress_ = ShortcutAddress(startAddress_);

    // 3. One instance serves the user.
    instanceSemaphore_.reset(::CreateSemaphoreA(nullptr, 1, 1, kAppName));
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        if (HWND running = FindRunningInstance()) {
            if (::IsIconic(running)) ::ShowWindow(running, SW_RESTORE);
            ::SetForegroundWindow(::GetLastActivePopup(running));
            if (!startAddress_.empty()) HandOff(running);
            return false;
        }
    }

    // Before the first browser control loads: pages render in the control's standards mode.
    EnsureBrowserEmulation(environment_.browserKeys.root, environment_.browserKeys.browserEmulation);

    // 4. The profile beside the executable.
    profile_ = std::make_unique<IniFileProfile>(environment_.programDirectory + "Brisova.ini");
    MarkStartupStep("profile");

    // 5. The main frame, which loads the settings.
    frame_ = std::make_unique<CMainFrame>(*profile_, *environment_.prompter, environment_.programDirectory,
                                          environment_.browserKeys, environment_.favorites);
    if (!frame_->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_MAXIMIZE, kAppName)) {
        frame_.reset();
        return false;
    }
    MarkStartupStep("frame created");

    // 6. Mark the window for later starts and show it maximised, whatever the shell asked. The
    // bars show their commands' state in their first paint.
    ::SetPropA(frame_->m_hWnd, kAppName, reinterpret_cast<HANDLE>(1));
    m_pMainWnd = frame_.get();
    frame_->OnIdleUpdateCmdUI();
    frame_->ShowWindow(SW_SHOWMAXIMIZED);
    MarkStartupStep("frame shown");
    ::UpdateWindow(frame_->m_hWnd);
    MarkStartupStep("frame painted");

    // 7. A frame that was full-screen at its last exit starts so.
    frame_->fullScreen().EnterIfSaved();

    // 8, 9. The tips and the donation dialog, when the user keeps them on.
    if (CContentCommands* content = frame_->content()) content->ShowStartupDialogs();

    // 10. The first pages; addresses handed over meanwhile open after them.
    OpenFirstPages();
    frame_->FirstPagesOpened();
    MarkStartupStep("first pages");
    return true;
}

void CBrisovaApp::OnIdle() {
    CWinApp::OnIdle();
    // The program now waits for input with its frame complete: the rest of the start follows.
    if (frame_ && frame_->m_hWnd) frame_->ScheduleStartupCompletion();
}

HWND CBrisovaApp::FindRunningInstance() {
    HWND found = nullptr;
    ::EnumWindows(&FindPropertyWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

void CBrisovaApp::HandOff(HWND running) const {
    // Numbers the message and its block apart from those of other second starts.
    auto number = static_cast<std::uint32_t>((::GetTickCount() ^ (::GetCurrentProcessId() << 16)) | 1);
    std::optional<std::string> block = brisova::HandOffBlock(startAddress_, number);
    // An address that does not fit the block is not sent cut: the running window only comes forward.
    if (!block) return;
    ScopedHandle mutex(::CreateMutexA(nullptr, TRUE, kHandOffMutex));
    if (!mutex) return;
    DWORD wait = ::WaitForSingleObject(mutex.get(), kHandOffWaitMs);
    if (wait != WAIT_OBJECT_0 && wait != WAIT_ABANDONED) return;
    {
        ScopedHandle mapping(::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                  brisova::kHandOffBlockSize, kHandOffShare));
        if (!mapping) {
            environment_.prompter->Ask("App:Fail to create share memory!", brisova::PromptButtons::Ok);
        } else if (ScopedMappedView view(::MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, 0)); !view) {
            environment_.prompter->Ask("App:MapViewOfFile Fail", brisova::PromptButtons::Ok);
        } else {
            std::memcpy(view.get(), block->data(), block->size());
            DWORD_PTR unused = 0;
            ::SendMessageTimeoutA(running, WM_HAND_OFF, number, 0, SMTO_ABORTIFHUNG, kHandOffWaitMs, &unused);
        }
    }
    // The mutex was created owned and then waited for: both ownerships are given back.
    ::ReleaseMutex(mutex.get());
    ::ReleaseMutex(mutex.get());
}

void CBrisovaApp::OpenFirstPages() {
    if (!startAddress_.empty()) {
        frame_->OpenWindow(false, &startAddress_, true);
        return;
    }
    std::optional<brisova::Bytes> record = profile_->ReadBinary(brisova::kSettingsSection, brisova::kLastVisitKey);
    // After the system's restart the windows of the session it ended come back unasked.
    if (brisova::ShouldOfferRestore(record) &&
        (restartedBySystem_ ||
         environment_.prompter->Ask("Do you continue from last time?", brisova::PromptButtons::YesNo) ==
             brisova::PromptAnswer::Yes)) {
        // In tab order, the window that was active in front, each with its history.
        const brisova::WindowRecord windows = brisova::DecodeWindowList(*record);
        for (std::size_t i = 0; i < windows.windows.size(); ++i) {
            const brisova::RecordedWindow& w = windows.windows[i];
            CChildFrame* window = frame_->OpenWindow(false, &w.address, i == windows.active);
            if (window && window->view()) window->view()->RestoreTravelLogWhenLoaded(w.back, w.forward);
        }
        return;
    }
    brisova::StartupSettings startup = brisova::ReadStartupSettings(*profile_);
    if (startup.enableHomePage) frame_->SendMessage(WM_COMMAND, ID_GO_START_PAGE, 0);
    if (startup.enableStartup) frame_->OpenStartupPages();
}

void CBrisovaApp::OnAppAbout() {
    CAboutDialog about;
    about.DoModal(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr);
}

void CBrisovaApp::OnFilePrintSetup() {
    printer_.RunSetup(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, environment_.printDialog);
}
