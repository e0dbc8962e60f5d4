// Runs the program in the test's own process: a fresh program directory under %TEMP%, the
// real Brisova.ini there, scripted questions and scripted browser controls.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/brisova_app_win.h"
#include "browser/child_frame_win.h"
#include "frame/main_frame_win.h"
#include "platform/prompter.h"
#include "support/scripted_browser_win.h"

class AppFixture : public ::testing::Test {
protected:
    AppFixture();
    ~AppFixture() override;

    // Writes a file below the program directory (e.g. "Brisova.ini", "data\\startup").
    void WriteProgramFile(const std::string& relative, const std::string& text) const;
    std::string ReadProgramFile(const std::string& relative) const;
    void WriteSetting(const std::string& key, const std::string& value) const;
    std::string ReadSetting(const std::string& key, const std::string& section = "Settings") const;

    // Starts the program with these arguments; false when it ended at once.
    bool Start(const std::vector<std::string>& arguments = {});
    // Starts as Start does, but returns before the program first waits for input.
    bool StartWithoutWaiting(const std::vector<std::string>& arguments = {});
    // Runs the message loop until `done` or a 5 second deadline.
    bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = std::chrono::seconds(5));
    void PumpPending();
    // Restores the frame from maximised and sizes it to a client area this wide (and 500 high),
    // then lets the bars and the idle update follow.
    void SetClientWidth(int width);
    // Sends a command to the frame as a menu choice would.
    void Command(UINT id);
    // A key pressed as the user presses it: its message goes to the window with the focus, the
    // modifiers held in this thread's key state, and the program's message loop takes it.
    enum Modifier : unsigned { kNone = 0, kCtrl = 1, kShift = 2, kAlt = 4 };
    void PressKey(UINT key, unsigned modifiers = kNone);
    // The enable state the frame gives a command, as a menu would show it.
    bool CommandEnabled(UINT id);
    // Whether the command's item shows a check mark or bullet.
    bool CommandChecked(UINT id);

    CMainFrame& frame() const { return *app_->mainFrame(); }
    // Open windows in tab order, and what their tabs say.
    std::vector<CChildFrame*> Windows() const;
    std::vector<std::string> TabTexts() const;
    std::vector<std::string> Addresses() const;
    CChildFrame* ActiveWindow() const { return frame().ActiveWindow(); }
    static ScriptedBrowser* BrowserOf(CChildFrame* window);

    std::string directory_;
    // The browser's registry values of this test, instead of the system browser's.
    AddressRegistryKeys browserKeys_;
    // An empty "Favorites" folder in the program directory, stored orders under the test's key,
    // and the shell's favourites dialogs replaced by doing nothing.
    FavoritesSetup favorites_;
    brisova::ScriptedPrompter prompter_;
    // "Print Setup"; a test that opens it answers for the user.
    PrintDialog printDialog_ = [](PRINTDLGA&) { return false; };
    std::unique_ptr<CBrisovaApp> app_;
};
