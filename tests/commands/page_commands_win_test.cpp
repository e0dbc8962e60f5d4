// The page, view and tool commands through the frame under Wine, with scripted controls and
// registry keys of the test's own.
#include "support/app_fixture_win.h"

#include <wininet.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "commands/mail_commands_win.h"
#include "framework/menu_helpers_win.h"
#include "platform/registry_win.h"
#include "resource.h"

using Strings = std::vector<std::string>;

class PageCommands : public AppFixture {
protected:
    void StartEmpty() {
        WriteSetting("EnableHomePage", "0");
        ASSERT_TRUE(Start());
    }
    ScriptedBrowser* OpenPage(const std::string& address) {
        Command(ID_FILE_NEW_BLANK);
        ScriptedBrowser* browser = BrowserOf(ActiveWindow());
        browser->RaiseNavigation(address, ScriptedBrowser::TopFrame());
        browser->calls.clear();
        return browser;
    }
    HMENU FontsMenu() const { return FindSubMenu(FindSubMenu(frame().menuBar().menu(), "&View"), "Fo&nts"); }
    static bool Bulleted(HMENU menu, int position) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_FTYPE;
        ::GetMenuItemInfoA(menu, position, TRUE, &info);
        return (info.fState & MFS_CHECKED) && (info.fType & MFT_RADIOCHECK);
    }
    static bool KeyExists(const std::string& path) {
        return static_cast<bool>(OpenRegistryKey(HKEY_CURRENT_USER, path, KEY_READ));
    }
};

TEST_F(PageCommands, TextSizesEncodingsAndEditingReachTheActiveControl) {
    StartEmpty();
    // Without a window only the bullet moves.
    Command(ID_FONT_SMALLEST);
    UpdateMenuItems(FontsMenu(), &frame());
    EXPECT_TRUE(Bulleted(FontsMenu(), 4));
    EXPECT_FALSE(Bulleted(FontsMenu(), 2));
    EXPECT_TRUE(Windows().empty());

    ScriptedBrowser* first = OpenPage("http://a.example/");
    Command(ID_FONT_LARGEST);
    Command(ID_FONT_MEDIUM);
    Command(33923);  // "Korean (EUC)"
    Command(ID_EDIT_SELECT_ALL);
    Command(ID_EDIT_COPY);
    Command(ID_FILE_SAVE_AS);
    Command(ID_FILE_PRINT);
    Command(ID_FILE_PROPERTY);
    Command(ID_EDIT_FIND);
    Command(ID_VIEW_SOURCE);
    EXPECT_EQ(first->calls, (Strings{"exec 19 2 4", "exec 19 2 2", "charset euc-kr", "refresh 1", "exec 17 2",
                                     "exec 12 2", "exec 4 0", "document standard 6 0", "document standard 10 0",
                                     "document browser 1 0", "document browser 2 0"}));

    // The bullet is the frame's: another window does not move it.
    OpenPage("http://b.example/");
    UpdateMenuItems(FontsMenu(), &frame());
    EXPECT_TRUE(Bulleted(FontsMenu(), 2));
    EXPECT_FALSE(Bulleted(FontsMenu(), 4));
}

TEST_F(PageCommands, AutoSelectAndWorkOfflineChangeOnlyValuesThatAreThere) {
    // Neither key exists yet: nothing is created.
    StartEmpty();
    ScriptedBrowser* page = OpenPage("http://a.example/");
    Command(ID_ENCODING_AUTO);
    Command(ID_WORK_OFFLINE);
    EXPECT_FALSE(KeyExists(browserKeys_.international));
    EXPECT_FALSE(KeyExists(browserKeys_.internetSettings));
    EXPECT_TRUE(page->calls.empty());

    // "AutoDetect" missing: 1, and every window reloads what has expired.
    ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, browserKeys_.international.c_str(), "Other", "x"));
    ScriptedBrowser* second = OpenPage("http://b.example/");
    EXPECT_FALSE(CommandChecked(ID_ENCODING_AUTO));
    Command(ID_ENCODING_AUTO);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, browserKeys_.international.c_str(), "AutoDetect"), 1u);
    EXPECT_EQ(page->calls, Strings{"refresh 1"});
    EXPECT_EQ(second->calls, Strings{"refresh 1"});
    EXPECT_TRUE(CommandChecked(ID_ENCODING_AUTO));
    Command(ID_ENCODING_AUTO);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, browserKeys_.international.c_str(), "AutoDetect"), 0u);
    EXPECT_FALSE(CommandChecked(ID_ENCODING_AUTO));

    // "GlobalUserOffline" missing counts as online: the first toggle writes it; then it toggles.
    ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, browserKeys_.internetSettings.c_str(), "Other", "x"));
    EXPECT_FALSE(CommandChecked(ID_WORK_OFFLINE));
    Command(ID_WORK_OFFLINE);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, browserKeys_.internetSettings.c_str(), "GlobalUserOffline"), 1u);
    EXPECT_TRUE(CommandChecked(ID_WORK_OFFLINE));
    ASSERT_TRUE(WriteRegistryDword(HKEY_CURRENT_USER, browserKeys_.internetSettings.c_str(), "GlobalUserOffline", 0));
    Command(ID_WORK_OFFLINE);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, browserKeys_.internetSettings.c_str(), "GlobalUserOffline"), 1u);
    EXPECT_TRUE(CommandChecked(ID_WORK_OFFLINE));
    Command(ID_WORK_OFFLINE);
    EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, browserKeys_.internetSettings.c_str(), "GlobalUserOffline"), 0u);
    EXPECT_FALSE(CommandChecked(ID_WORK_OFFLINE));
}

namespace {
std::string UniqueUrl(const std::string& stem) {
    return stem + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(::GetTickCount()) + "/";
}

bool CacheHolds(const std::string& url) {
    DWORD size = 0;
    ::GetUrlCacheEntryInfoA(url.c_str(), nullptr, &size);
    return ::GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

bool PutIntoCache(const std::string& url, DWORD type) {
    char file[MAX_PATH] = {};
    if (!::CreateUrlCacheEntryA(url.c_str(), 0, "htm", file, 0)) return false;
    std::ofstream(file, std::ios::binary) << "cached";
    FILETIME never{};
    return ::CommitUrlCacheEntryA(url.c_str(), file, never, never, type, nullptr, 0, nullptr, nullptr);
}
}  // namespace

TEST_F(PageCommands, ClearRecordsEmptyTheAddressBoxAndTheMatchingCacheEntries) {
    for (const char* name : {"url1", "url2", "url3"})
        WriteRegistryString(HKEY_CURRENT_USER, browserKeys_.typedUrls.c_str(), name, std::string("http://") + name);
    StartEmpty();
    ASSERT_EQ(frame().addressBar().Items().size(), 3u);
    Command(ID_CLEAR_TYPED);
    EXPECT_TRUE(frame().addressBar().Items().empty());
    EXPECT_FALSE(ReadRegistryString(HKEY_CURRENT_USER, browserKeys_.typedUrls.c_str(), "url1"));

    const std::string page = UniqueUrl("http://cache.example/page-");
    const std::string cookie = UniqueUrl("Cookie:tester@cache.example/");
    ASSERT_TRUE(PutIntoCache(page, NORMAL_CACHE_ENTRY));
    ASSERT_TRUE(PutIntoCache(cookie, COOKIE_CACHE_ENTRY | NORMAL_CACHE_ENTRY));
    ASSERT_TRUE(CacheHolds(page) && CacheHolds(cookie));
    Command(ID_CLEAR_COOKIES);
    EXPECT_FALSE(CacheHolds(cookie));
    EXPECT_TRUE(CacheHolds(page));
    ASSERT_TRUE(PutIntoCache(cookie, COOKIE_CACHE_ENTRY | NORMAL_CACHE_ENTRY));
    Command(ID_CLEAR_CACHE);
    EXPECT_FALSE(CacheHolds(page));
    EXPECT_TRUE(CacheHolds(cookie));

    // All of them: the list typed since, the registry's list and the cache.
    frame().addressBar().ShowAddress("http://typed.example/");
    frame().addressBar().EnterAddress({});
    WriteRegistryString(HKEY_CURRENT_USER, browserKeys_.typedUrls.c_str(), "url1", "http://typed.example/");
    ASSERT_TRUE(PutIntoCache(page, NORMAL_CACHE_ENTRY));
    Command(ID_CLEAR_ALL);
    EXPECT_TRUE(frame().addressBar().Items().empty());
    EXPECT_FALSE(ReadRegistryString(HKEY_CURRENT_USER, browserKeys_.typedUrls.c_str(), "url1"));
    EXPECT_FALSE(CacheHolds(page));
    EXPECT_FALSE(CacheHolds(cookie));
}

TEST_F(PageCommands, SearchAndInternetOptionsOpenAWindowWhenNeeded) {
    StartEmpty();
    const std::string search = "file://" + directory_ + "data\\search\\web.htm";
    // The new window's control has its document once about:blank has loaded.
    ScriptedBrowser::autoNavigate = false;
    ScriptedBrowser::documentAfterLoad = true;
    Command(ID_INTERNET_OPTIONS);
    ASSERT_EQ(Windows().size(), 1u);
    ScriptedBrowser* blank = BrowserOf(Windows()[0]);
    EXPECT_EQ(blank->calls.back(), "navigate about:blank");
    blank->RaiseNavigation("about:blank", ScriptedBrowser::TopFrame());
    EXPECT_EQ(blank->calls.back(), "document browser 3 0");
    // Once only; a window with a document runs it at once.
    blank->RaiseNavigation("about:blank", ScriptedBrowser::TopFrame());
    Command(ID_INTERNET_OPTIONS);
    EXPECT_EQ(std::count(blank->calls.begin(), blank->calls.end(), "document browser 3 0"), 2);
    ScriptedBrowser::autoNavigate = true;

    Command(ID_VIEW_SEARCH);
    EXPECT_EQ(Addresses(), Strings{search});
}

TEST_F(PageCommands, SearchOpensANewWindowWhenAskedOrWhenNoneIsOpen) {
    WriteSetting("SearchNewWindow", "1");
    StartEmpty();
    const std::string search = "file://" + directory_ + "data\\search\\web.htm";
    Command(ID_VIEW_SEARCH);
    OpenPage("http://a.example/");
    Command(ID_VIEW_SEARCH);
    EXPECT_EQ(Addresses(), (Strings{search, "http://a.example/", search}));
    EXPECT_EQ(ActiveWindow(), Windows()[2]);
}

TEST_F(PageCommands, PageByEmailSendsASafeCopyAndLeavesNothingBehind) {
    StartEmpty();
    CMailCommands mail(frame(), prompter_);
    std::string sentPath;
    std::string sentText;
    mail.SetAttachmentSender([&](const std::string& path) {
        sentPath = path;
        std::ifstream file(path, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        sentText = text.str();
    });

    ScriptedBrowser* page = OpenPage("http://a.example/dir/page.htm?x=1");
    page->RaiseTitle("..\\..\\CON");
    mail.OnCmdMsg(ID_SEND_PAGE, 0, nullptr, false);
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    ASSERT_EQ(sentPath.rfind(temp, 0), 0u) << sentPath;
    EXPECT_EQ(sentPath.substr(sentPath.rfind('\\') + 1), ".._.._CON.html");
    EXPECT_EQ(sentText, "<BASE HREF=\"http://a.example/dir/\">\r\n<html>\r\n<body>page</body>\r\n</html>\r\n");
    const std::string directory = sentPath.substr(0, sentPath.rfind('\\'));
    EXPECT_EQ(::GetFileAttributesA(directory.c_str()), INVALID_FILE_ATTRIBUTES);

    // A local page is sent as it is: nothing is written or deleted.
    WriteProgramFile("my page.htm", "local");
    const std::string local = "file:///" + directory_ + "my%20page.htm";
    page->RaiseNavigation(local, ScriptedBrowser::TopFrame());
    page->calls.clear();
    mail.OnCmdMsg(ID_SEND_PAGE, 0, nullptr, false);
    std::string expected = directory_ + "my page.htm";
    EXPECT_EQ(sentPath, expected);
    EXPECT_EQ(ReadProgramFile("my page.htm"), "local");
    EXPECT_TRUE(page->calls.empty());
}

TEST_F(PageCommands, FullScreenCoversTheScreenAndGivesThePlacementBack) {
    WriteSetting("StatusBar", "0");
    StartEmpty();
    SetClientWidth(700);
    WINDOWPLACEMENT before{};
    before.length = sizeof before;
    ::GetWindowPlacement(frame().m_hWnd, &before);

    ::SendMessageA(frame().m_hWnd, WM_COMMAND, MAKEWPARAM(ID_VIEW_FULLSCREEN, 1), 0);
    PumpPending();
    EXPECT_TRUE(CommandChecked(ID_VIEW_FULLSCREEN));
    RECT screen{}, client = frame().GetClientRect();
    ::GetWindowRect(::GetDesktopWindow(), &screen);
    ::MapWindowPoints(frame().m_hWnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_EQ(client.left, screen.left);
    EXPECT_EQ(client.top, screen.top);
    EXPECT_EQ(client.right, screen.right);
    EXPECT_EQ(client.bottom, screen.bottom);
    EXPECT_FALSE(frame().topRebar().IsWindowVisible());
    EXPECT_FALSE(::IsWindowVisible(frame().bottomRebar()));

    // The bars come back near their edge and go away again; the status bar stays away.
    auto moveTo = [&](int y) {
        MSG move{};
        move.hwnd = frame().m_hWnd;
        move.message = WM_MOUSEMOVE;
        move.pt = POINT{screen.right / 2, y};
        frame().PreTranslateMessage(&move);
    };
    moveTo(screen.top + 5);
    EXPECT_TRUE(frame().topRebar().IsWindowVisible());
    moveTo(screen.top + 300);
    EXPECT_FALSE(frame().topRebar().IsWindowVisible());
    moveTo(screen.bottom - 5);
    EXPECT_TRUE(::IsWindowVisible(frame().bottomRebar()));
    EXPECT_FALSE(frame().statusBar().IsWindowVisible());
    moveTo(screen.top + 300);
    EXPECT_FALSE(::IsWindowVisible(frame().bottomRebar()));

    Command(ID_VIEW_FULLSCREEN);
    EXPECT_FALSE(CommandChecked(ID_VIEW_FULLSCREEN));
    WINDOWPLACEMENT after{};
    after.length = sizeof after;
    ::GetWindowPlacement(frame().m_hWnd, &after);
    EXPECT_EQ(after.showCmd, before.showCmd);
    EXPECT_TRUE(::EqualRect(&after.rcNormalPosition, &before.rcNormalPosition));
    EXPECT_TRUE(frame().topRebar().IsWindowVisible());
    EXPECT_TRUE(::IsWindowVisible(frame().bottomRebar()));
    EXPECT_FALSE(frame().statusBar().IsWindowVisible());
    // Moves outside full-screen mode change no bar.
    MSG move{};
    move.hwnd = frame().m_hWnd;
    move.message = WM_MOUSEMOVE;
    move.pt = POINT{10, 300};
    frame().PreTranslateMessage(&move);
    EXPECT_TRUE(frame().topRebar().IsWindowVisible());
}

TEST_F(PageCommands, LeavingFullScreenMaximisesAFrameThatWasMaximised) {
    StartEmpty();
    frame().ShowWindow(SW_SHOWMAXIMIZED);
    PumpPending();
    ASSERT_TRUE(::IsZoomed(frame().m_hWnd));
    RECT maximised = frame().GetWindowRect();

    Command(ID_VIEW_FULLSCREEN);
    EXPECT_TRUE(CommandChecked(ID_VIEW_FULLSCREEN));
    Command(ID_VIEW_FULLSCREEN);
    PumpPending();
    EXPECT_TRUE(::IsZoomed(frame().m_hWnd));
    RECT after = frame().GetWindowRect();
    EXPECT_TRUE(::EqualRect(&after, &maximised));
    EXPECT_TRUE(frame().topRebar().IsWindowVisible());
}

TEST_F(PageCommands, BarsToggledInFullScreenStayWithTheEdgesAndTheSavedModeLimitsNothingBeforeItIsOn) {
    StartEmpty();
    Command(ID_VIEW_FULLSCREEN);
    ASSERT_TRUE(frame().fullScreen().on());
    // Hidden and shown again by its command, the status bar stays away until the mouse comes
    // near the bottom edge; so does the tab bar.
    Command(ID_VIEW_STATUS_BAR);
    Command(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(frame().statusBar().IsWindowVisible());
    Command(ID_VIEW_TASKBAR);
    Command(ID_VIEW_TASKBAR);
    EXPECT_FALSE(::IsWindowVisible(frame().bottomRebar()));
    Command(ID_VIEW_FULLSCREEN);
    EXPECT_TRUE(frame().statusBar().IsWindowVisible());
    EXPECT_TRUE(::IsWindowVisible(frame().bottomRebar()));

    // "FullScreen" 1 from the file: until the mode is entered the frame may take any size.
    brisova::Settings saved = frame().settings();
    saved.fullScreen = 1;
    CFullScreen fullScreen(frame(), saved);
    MINMAXINFO info{};
    info.ptMaxSize = POINT{1280, 1024};
    info.ptMaxTrackSize = POINT{1300, 1040};
    fullScreen.LimitSize(info);
    EXPECT_EQ(info.ptMaxSize.x, 1280);
    EXPECT_EQ(info.ptMaxTrackSize.y, 1040);
    EXPECT_FALSE(fullScreen.on());
}

TEST_F(PageCommands, FullScreenAtStartWhenTheLastRunEndedInIt) {
    WriteSetting("FullScreen", "1");
    StartEmpty();
    EXPECT_TRUE(CommandChecked(ID_VIEW_FULLSCREEN));
    EXPECT_FALSE(frame().topRebar().IsWindowVisible());
    // A page fills the screen down to its last row.
    Command(ID_FILE_NEW_BLANK);
    RECT screen{}, page{};
    ::GetWindowRect(::GetDesktopWindow(), &screen);
    ::GetWindowRect(Windows()[0]->view()->ControlWindow(), &page);
    EXPECT_EQ(page.top, screen.top);
    EXPECT_EQ(page.bottom, screen.bottom);
    Command(ID_VIEW_FULLSCREEN);
    EXPECT_EQ(frame().settings().fullScreen, 0);
    EXPECT_TRUE(frame().topRebar().IsWindowVisible());
}

TEST_F(PageCommands, OnlyHandledAndEnabledCommandsRunFromTheirKeys) {
    StartEmpty();
    // An id that no part of the program answers shows disabled.
    EXPECT_FALSE(CommandEnabled(0x7FFF));
    EXPECT_TRUE(CommandEnabled(ID_CLEAR_ALL));

    // Back's accelerator does nothing while the window cannot go back; a menu choice is not held.
    ScriptedBrowser* page = OpenPage("http://a.example/");
    auto accelerator = [&](UINT id) {
        frame().SendMessage(WM_COMMAND, MAKEWPARAM(id, 1), 0);
        PumpPending();
    };
    accelerator(ID_GO_BACK);
    EXPECT_TRUE(page->calls.empty());
    page->RaiseCommandState(2, true);
    accelerator(ID_GO_BACK);
    EXPECT_EQ(page->calls, Strings{"back 1"});

    // A real key press reaches the command through the accelerator table.
    MSG key{};
    key.hwnd = frame().m_hWnd;
    key.message = WM_KEYDOWN;
    key.wParam = VK_F11;
    EXPECT_TRUE(frame().PreTranslateMessage(&key));
    PumpPending();
    EXPECT_TRUE(CommandChecked(ID_VIEW_FULLSCREEN));
}
