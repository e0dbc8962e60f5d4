#include "support/app_fixture_win.h"

#include "resource.h"
#include "shared/startup_rules.h"

using Strings = std::vector<std::string>;

TEST_F(AppFixture, DefaultStartOpensTheHomePageInOneWindow) {
    ASSERT_TRUE(Start());
    ASSERT_EQ(Windows().size(), 1u);
    EXPECT_EQ(BrowserOf(Windows()[0])->calls, Strings{"home"});
    EXPECT_EQ(ActiveWindow(), Windows()[0]);
    EXPECT_TRUE(prompter_.questions().empty());
}

TEST_F(AppFixture, NoHomePageAndNoStartupPagesOpensNothing) {
    WriteSetting("EnableHomePage", "0");
    WriteSetting("EnableStartup", "0");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Windows().empty());
    EXPECT_FALSE(CommandEnabled(ID_FILE_NEW_CURRENT));
    EXPECT_FALSE(CommandEnabled(ID_FILE_CLOSE));
    EXPECT_TRUE(CommandEnabled(ID_FILE_NEW_BLANK));
}

TEST_F(AppFixture, StartupPagesOpenInFileOrderAfterTheHomePage) {
    WriteSetting("EnableStartup", "1");
    WriteProgramFile("data\\startup", "http://a.example/\r\nhttp://b.example/\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(Addresses(), (Strings{"http://home.example/", "http://a.example/", "http://b.example/"}));
    EXPECT_EQ(ActiveWindow(), Windows()[2]);
}

TEST_F(AppFixture, StartupPagesWrittenWithAByteOrderMarkOpenTheirAddresses) {
    WriteSetting("EnableHomePage", "0");
    WriteSetting("EnableStartup", "1");
    WriteProgramFile("data\\startup", "\xEF\xBB\xBFhttp://a.example/\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(Addresses(), Strings{"http://a.example/"});
}

TEST_F(AppFixture, InterruptedRunIsRestoredWhenTheUserAgrees) {
    WriteSetting("EnableHomePage", "0");
    brisova::Bytes record = brisova::EncodeWindowRecord({"http://a.example/", "http://b.example/"});
    WriteSetting("lastvisit", brisova::EncodeProfileBinary(record));
    prompter_.Queue(brisova::PromptAnswer::Yes);
    ASSERT_TRUE(Start());
    EXPECT_EQ(prompter_.questions(), Strings{"Do you continue from last time?"});
    EXPECT_EQ(Addresses(), (Strings{"http://a.example/", "http://b.example/"}));
    EXPECT_EQ(ActiveWindow(), Windows()[0]);
}

// The record of a run that ended abnormally keeps the tab order the user made, the active
// window, and each window's back and forward pages, which go back into its control.
TEST_F(AppFixture, ARestoreBringsBackTheTabOrderTheActiveWindowAndEachWindowsHistory) {
    WriteSetting("EnableHomePage", "0");
    ASSERT_TRUE(Start());
    for (const char* address : {"http://a.example/", "http://b.example/", "http://c.example/"}) {
        const std::string page = address;
        frame().OpenWindow(false, &page, true);
    }
    BrowserOf(Windows()[0])->backAddresses = {"http://a0.example/", "http://a1.example/"};
    BrowserOf(Windows()[2])->forwardAddresses = {"http://c1.example/"};
    Windows()[0]->MDIActivate();
    frame().tabBar().MoveTab(2, 0);
    app_.reset();

    prompter_.Queue(brisova::PromptAnswer::Yes);
    ASSERT_TRUE(Start());
    ASSERT_EQ(Addresses(), (Strings{"http://c.example/", "http://a.example/", "http://b.example/"}));
    EXPECT_EQ(ActiveWindow(), Windows()[1]);
    EXPECT_EQ(frame().tabBar().Selection(), 1);
    const auto restored = [&](int i) {
        for (const std::string& call : BrowserOf(Windows()[i])->calls)
            if (call.rfind("travel log", 0) == 0) return call;
        return std::string("none");
    };
    EXPECT_EQ(restored(0), "travel log | http://c1.example/");
    EXPECT_EQ(restored(1), "travel log http://a0.example/ http://a1.example/ |");
    EXPECT_EQ(restored(2), "none");
    EXPECT_TRUE(frame().ActiveBrowserView()->canGoBack());
}

TEST_F(AppFixture, AfterTheSystemsRestartTheWindowsComeBackUnasked) {
    WriteSetting("EnableHomePage", "0");
    brisova::Bytes record = brisova::EncodeWindowRecord({"http://a.example/", "http://b.example/"});
    WriteSetting("lastvisit", brisova::EncodeProfileBinary(record));
    ASSERT_TRUE(Start({"/restart"}));
    EXPECT_TRUE(prompter_.questions().empty());
    EXPECT_EQ(Addresses(), (Strings{"http://a.example/", "http://b.example/"}));
}

// Windows ends the session: nothing asks, every setting of the run is written as an orderly
// exit writes it, and the record of open windows stays for the next start.
TEST_F(AppFixture, TheEndOfTheSessionWritesTheSettingsAndKeepsTheOpenWindows) {
    WriteSetting("IsAskExit", "1");
    WriteSetting("EnableHomePage", "0");
    ASSERT_TRUE(Start({"http://a.example/"}));
    Command(ID_VIEW_STATUS_BAR);
    EXPECT_EQ(frame().SendMessage(WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP), TRUE);
    EXPECT_TRUE(prompter_.questions().empty());
    frame().SendMessage(WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
    EXPECT_EQ(ReadSetting("StatusBar"), "0");
    std::optional<brisova::Bytes> kept =
        brisova::DecodeProfileBinary(ReadSetting("lastvisit"));
    ASSERT_TRUE(kept);
    EXPECT_EQ(brisova::DecodeWindowRecord(*kept), Strings{"http://a.example/"});
    // Closing windows as the system tears the process down changes the record no more.
    Command(ID_FILE_CLOSE);
    PumpPending();
    kept = brisova::DecodeProfileBinary(ReadSetting("lastvisit"));
    ASSERT_TRUE(kept);
    EXPECT_EQ(brisova::DecodeWindowRecord(*kept), Strings{"http://a.example/"});
}

TEST_F(AppFixture, DecliningTheRestoreFallsBackToTheHomePage) {
    brisova::Bytes record = brisova::EncodeWindowRecord({"http://a.example/", "http://b.example/"});
    WriteSetting("lastvisit", brisova::EncodeProfileBinary(record));
    prompter_.Queue(brisova::PromptAnswer::No);
    ASSERT_TRUE(Start());
    EXPECT_EQ(Addresses(), Strings{"http://home.example/"});
}

TEST_F(AppFixture, ShortRecordIsNotOffered) {
    WriteSetting("lastvisit", brisova::EncodeProfileBinary(brisova::EncodeWindowRecord({"a", "b"})));
    ASSERT_TRUE(Start());
    EXPECT_TRUE(prompter_.questions().empty());
}

TEST_F(AppFixture, StartAddressWinsOverRecordAndStartupPages) {
    WriteSetting("EnableStartup", "1");
    WriteProgramFile("data\\startup", "http://a.example/\n");
    WriteSetting("lastvisit", brisova::EncodeProfileBinary(brisova::EncodeWindowRecord({"http://r.example/"})));
    ASSERT_TRUE(Start({"http://given.example/"}));
    EXPECT_TRUE(prompter_.questions().empty());
    EXPECT_EQ(Addresses(), Strings{"http://given.example/"});
}

TEST_F(AppFixture, ShortcutFileGivesItsAddress) {
    WriteProgramFile("Site.URL", "[InternetShortcut]\r\nURL=http://shortcut.example/\r\n");
    ASSERT_TRUE(Start({directory_ + "Site.URL"}));
    EXPECT_EQ(Addresses(), Strings{"http://shortcut.example/"});
}

TEST_F(AppFixture, OrderlyExitEmptiesTheRecordAndWritesEverySetting) {
    WriteSetting("ToolBar", "0");
    ASSERT_TRUE(Start({"http://a.example/"}));
    EXPECT_NE(ReadSetting("lastvisit"), "");
    frame().SendMessage(WM_CLOSE);
    EXPECT_EQ(ReadSetting("lastvisit"), "");
    for (const brisova::SettingKey& key : brisova::kSavedSettings)
        EXPECT_NE(ReadSetting(std::string(key.name)), "<absent>") << key.name;
    EXPECT_EQ(ReadSetting("ToolBar"), "0");
    EXPECT_EQ(ReadSetting("NewButtonType"), "0");
    // Keys the file did not have are added in the order they are written (the fixture wrote
    // "IsShowMostTips").
    std::string file = ReadProgramFile("Brisova.ini");
    std::size_t last = file.find("EnableAutoFilter=");
    for (const brisova::SettingKey& key : brisova::kSavedSettings) {
        if (key.name == "ToolBar" || key.name == "IsShowMostTips") continue;
        std::size_t at = file.find(std::string(key.name) + "=");
        EXPECT_GE(at, last) << key.name;
        last = at;
    }
}

TEST_F(AppFixture, ShutDownAnsweredNoKeepsEverything) {
    ASSERT_TRUE(Start({"http://a.example/"}));
    std::string record = ReadSetting("lastvisit");
    prompter_.QueueExit({false, false});
    frame().SendMessage(WM_CLOSE);
    EXPECT_EQ(prompter_.questions().back(), "Shut Down");
    ASSERT_TRUE(frame().IsWindow());
    EXPECT_EQ(Windows().size(), 1u);
    EXPECT_EQ(ReadSetting("lastvisit"), record);
    EXPECT_EQ(ReadSetting("IsAskExit"), "<absent>");
}

TEST_F(AppFixture, PrintSetupKeepsThePrinterPickedForTheRunAndOpensOnIt) {
    std::vector<HGLOBAL> given;
    bool ok = true;
    printDialog_ = [&](PRINTDLGA& setup) {
        given.push_back(setup.hDevMode);
        if (!ok) return false;
        if (setup.hDevMode) ::GlobalFree(setup.hDevMode);
        setup.hDevMode = ::GlobalAlloc(GMEM_MOVEABLE, 64);
        setup.hDevNames = ::GlobalAlloc(GMEM_MOVEABLE, 16);
        return true;
    };
    ASSERT_TRUE(Start());
    Command(ID_FILE_PRINT_SETUP);
    const HGLOBAL picked = app_->printer().devMode();
    ASSERT_TRUE(picked && app_->printer().devNames());
    // Cancel keeps the pick; OK replaces it.
    ok = false;
    Command(ID_FILE_PRINT_SETUP);
    EXPECT_EQ(app_->printer().devMode(), picked);
    ok = true;
    Command(ID_FILE_PRINT_SETUP);
    EXPECT_EQ(given, (std::vector<HGLOBAL>{nullptr, picked, picked}));
    EXPECT_TRUE(app_->printer().devMode());
}

TEST_F(AppFixture, DontAskAgainIsRememberedAndTheNextExitAsksNothing) {
    ASSERT_TRUE(Start());
    prompter_.QueueExit({true, true});
    frame().SendMessage(WM_CLOSE);
    EXPECT_EQ(ReadSetting("IsAskExit"), "0");
    EXPECT_EQ(ReadSetting("lastvisit"), "");

    brisova::ScriptedPrompter next;
    app_.reset();
    app_ = std::make_unique<CBrisovaApp>(AppEnvironment{directory_, &next, ScriptedBrowserFactory(), browserKeys_, favorites_});
    ASSERT_TRUE(app_->Start({}));
    frame().SendMessage(WM_CLOSE);
    EXPECT_TRUE(next.questions().empty());
}

TEST_F(AppFixture, TheRestOfTheStartFollowsTheFirstWaitForInputOrComesWithTheFirstKey) {
    WriteSetting("EnableHomePage", "0");
    ASSERT_TRUE(StartWithoutWaiting());
    EXPECT_FALSE(frame().startupComplete());
    EXPECT_EQ(frame().addressBar().dropTarget(), nullptr);
    // A key pressed before the program was idle finds the start completed.
    ::PostMessageA(frame().addressBar().edit(), WM_KEYDOWN, 'A', 0);
    MSG key{};
    ASSERT_TRUE(::PeekMessageA(&key, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
    app_->PumpMessage(key);
    EXPECT_TRUE(frame().startupComplete());
    EXPECT_NE(frame().addressBar().dropTarget(), nullptr);
    app_.reset();

    ASSERT_TRUE(StartWithoutWaiting());
    EXPECT_TRUE(PumpUntil([this] { return frame().startupComplete(); }));
    EXPECT_NE(frame().addressBar().dropTarget(), nullptr);
}

// What the first paint shows: the frame created at its maximised size is laid out once before it
// is shown, with its bars in place and their buttons in their commands' state, and nothing
// left queued that would lay it out or paint it again. A bar stored as hidden takes no room.
TEST_F(AppFixture, TheFrameIsLaidOutOnceAtItsFinalSizeBeforeItsFirstPaint) {
    WriteSetting("EnableHomePage", "0");
    WriteSetting("StatusBar", "0");
    ASSERT_TRUE(StartWithoutWaiting());
    EXPECT_TRUE(::IsZoomed(frame().m_hWnd));
    const auto rectIn = [this](HWND window) {
        RECT r{};
        ::GetWindowRect(window, &r);
        ::MapWindowPoints(nullptr, frame().m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    const RECT client = frame().GetClientRect();
    const RECT top = rectIn(frame().topRebar().m_hWnd);
    const RECT mdi = rectIn(frame().m_hWndMDIClient);
    const RECT tabs = rectIn(frame().bottomRebar());
    EXPECT_EQ(top.top, client.top);
    EXPECT_EQ(top.right - top.left, client.right - client.left);
    EXPECT_GT(top.bottom - top.top, 40);
    EXPECT_EQ(mdi.top, top.bottom);
    EXPECT_EQ(mdi.bottom, tabs.top);
    EXPECT_EQ(tabs.bottom, client.bottom);
    EXPECT_FALSE(::IsWindowVisible(frame().statusBar().m_hWnd));
    EXPECT_FALSE(::SendMessageA(frame().toolBar().m_hWnd, TB_ISBUTTONENABLED, ID_GO_BACK, 0));
    MSG pending{};
    EXPECT_FALSE(::PeekMessageA(&pending, frame().m_hWnd, WM_RECALC_PARENT_LAYOUT, WM_RECALC_PARENT_LAYOUT,
                                PM_NOREMOVE));
    EXPECT_FALSE(::GetUpdateRect(frame().topRebar().m_hWnd, nullptr, FALSE));
}
