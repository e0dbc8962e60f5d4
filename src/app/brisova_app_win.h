// CBrisovaApp: starts the program (one instance per user session, hand-off of a second start's
// address), creates the main frame and opens the first pages.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/printer_choice_win.h"
#include "browser/browser_control_win.h"
#include "favorites/favorites_setup_win.h"
#include "framework/win_app_win.h"
#include "platform/handles_win.h"
#include "platform/prompter.h"
#include "shared/system_browser_keys_win.h"

class CMainFrame;
class IniFileProfile;

// Where the program lives and the services it uses; tests give their own.
struct AppEnvironment {
    std::string programDirectory;  // with a trailing backslash
    brisova::Prompter* prompter = nullptr;
    BrowserControlFactory browserControls;
    // Where the system browser keeps the typed addresses and "ShowGoButton".
    AddressRegistryKeys browserKeys;
    // The Favorites folder, its stored orders and the shell's favourites dialogs.
    FavoritesSetup favorites;
    // The system's "Print Setup" dialog.
    PrintDialog printDialog = [](PRINTDLGA& setup) { return ::PrintDlgA(&setup) != FALSE; };
};

// The environment of the installed program: the executable's directory, message boxes and
// the system's browser control.
AppEnvironment InstalledEnvironment();

class CBrisovaApp final : public CWinApp {
public:
    explicit CBrisovaApp(AppEnvironment environment);
    ~CBrisovaApp() override;
    DECLARE_MESSAGE_MAP()

    bool InitInstance() override;
    // Start-up with the given command-line arguments (without the program name).
    bool Start(const std::vector<std::string>& arguments);

    CMainFrame* mainFrame() const { return frame_.get(); }
    const std::string& startAddress() const { return startAddress_; }
    const PrinterChoice& printer() const { return printer_; }
    void OnIdle() override;

private:
    // The running instance's main window: the first top-level window carrying our property.
    static HWND FindRunningInstance();
    void HandOff(HWND running) const;
    void OpenFirstPages();
    void OnAppAbout();
    void OnFilePrintSetup();

    AppEnvironment environment_;
    std::string startAddress_;
    // The system started the program again after ending its session for an update.
    bool restartedBySystem_ = false;
    ScopedHandle instanceSemaphore_;
    PrinterChoice printer_;
    std::unique_ptr<IniFileProfile> profile_;
    std::unique_ptr<CMainFrame> frame_;
};
