// The browser view under Wine: what the page's events do to the window, its tab and the frame.
#include "support/app_fixture_win.h"

#include <commctrl.h>

#include "resource.h"
#include "shared/startup_rules.h"

using Strings = std::vector<std::string>;

class BrowserView : public AppFixture {
protected:
    void SetUp() override {
        WriteSetting("EnableHomePage", "0");
        ASSERT_TRUE(Start());
    }
    CChildFrame* Open(const std::string& address, bool activate = true) {
        return frame().OpenWindow(false, &address, activate);
    }
    std::vector<std::string> RecordedWindows() const {
        auto bytes = brisova::DecodeProfileBinary(ReadSetting("lastvisit"));
        return bytes ? brisova::DecodeWindowRecord(*bytes) : Strings{};
    }
    bool SecureIconShown() {
        return frame().statusBar().SendMessage(SB_GETICON, 2, 0) != 0;
    }
};

TEST_F(BrowserView, ProgressFollowsTheControlsArithmetic) {
    ScriptedBrowser* page = BrowserOf(Open("http://a.example/"));
    CStatusBarWithProgress& status = frame().statusBar();
    page->RaiseProgress(250, 1000);
    EXPECT_TRUE(status.progressShown());
    EXPECT_EQ(status.progressPosition(), 25);
    page->RaiseProgress(50, 99);
    EXPECT_FALSE(status.progressShown());
    page->RaiseProgress(5000, 1000);
    EXPECT_TRUE(status.progressShown());
    EXPECT_EQ(status.progressPosition(), 100);
}

namespace {
// What the taskbar button would show: the last percentage given.
class RecordedTaskbar final : public TaskbarProgress {
public:
    explicit RecordedTaskbar(int* shown) : shown_(shown) {}
    void Show(HWND, int percent) override { *shown_ = percent >= 0 && percent < 100 ? percent : -1; }

private:
    int* shown_;
};
}  // namespace

TEST_F(BrowserView, TheTaskbarButtonShowsTheActivePagesProgress) {
    int shown = -1;
    frame().SetTaskbarProgress(std::make_unique<RecordedTaskbar>(&shown));
    ScriptedBrowser* first = BrowserOf(Open("http://a.example/"));
    first->RaiseProgress(300, 1000);
    EXPECT_EQ(shown, 30);
    // A page loading behind leaves the button to the active one, until its window comes to
    // the front.
    CChildFrame* second = Open("http://b.example/", false);
    BrowserOf(second)->RaiseProgress(700, 1000);
    EXPECT_EQ(shown, 30);
    second->MDIActivate();
    PumpPending();
    EXPECT_EQ(shown, 70);
    BrowserOf(second)->RaiseProgress(1000, 1000);
    EXPECT_EQ(shown, -1);
    // Closing the window that loads takes its progress off the button.
    BrowserOf(second)->RaiseProgress(100, 1000);
    Command(ID_FILE_CLOSE);
    PumpUntil([&] { return Windows().size() == 1; });
    EXPECT_EQ(shown, 30);
    first->RaiseProgress(-1, 1000);
    EXPECT_EQ(shown, -1);
}

TEST_F(BrowserView, SecureIconNeedsLowerCaseHttps) {
    ScriptedBrowser* page = BrowserOf(Open("about:blank"));
    page->RaiseNavigation("https://bank.example/", ScriptedBrowser::TopFrame());
    EXPECT_TRUE(SecureIconShown());
    page->RaiseNavigation("HTTPS://bank.example/", ScriptedBrowser::TopFrame());
    EXPECT_FALSE(SecureIconShown());
}

TEST_F(BrowserView, OnlyTheActiveWindowsPageMovesTheIcon) {
    CChildFrame* window = Open("http://page.example/");
    ASSERT_EQ(RecordedWindows(), Strings{"http://page.example/"});
    BrowserOf(window)->RaiseNavigation("https://frame.example/", ScriptedBrowser::ChildFrame());
    EXPECT_EQ(window->view()->address(), "http://page.example/");
    EXPECT_EQ(frame().addressText(), "http://page.example/");
    EXPECT_EQ(RecordedWindows(), Strings{"http://page.example/"});
    EXPECT_FALSE(SecureIconShown());

    // A window behind the active one navigating to a secure page leaves the icon alone, and the
    // active secure page keeps it while the other goes back to plain http.
    CChildFrame* behind = Open("http://behind.example/", false);
    BrowserOf(behind)->RaiseNavigation("https://behind.example/", ScriptedBrowser::TopFrame());
    EXPECT_FALSE(SecureIconShown());
    BrowserOf(window)->RaiseNavigation("https://page.example/", ScriptedBrowser::TopFrame());
    EXPECT_TRUE(SecureIconShown());
    BrowserOf(behind)->RaiseNavigation("http://behind.example/", ScriptedBrowser::TopFrame());
    EXPECT_TRUE(SecureIconShown());
}

TEST_F(BrowserView, RedirectedDocumentUpdatesAddressAndRecord) {
    CChildFrame* window = Open("http://a.example/");
    BrowserOf(window)->RaiseDocumentComplete("http://a.example/moved", ScriptedBrowser::TopFrame());
    EXPECT_EQ(frame().addressText(), "http://a.example/moved");
    EXPECT_EQ(RecordedWindows(), Strings{"http://a.example/moved"});
}

TEST_F(BrowserView, TitlesGoToTabsCutAt100AndBackgroundWindowsKeepTheFocusAway) {
    CChildFrame* front = Open("http://front.example/");
    CChildFrame* back = Open("http://back.example/", false);
    ASSERT_EQ(ActiveWindow(), front);
    BrowserOf(back)->RaiseTitle(std::string(150, 't'));
    EXPECT_EQ(TabTexts()[1], std::string(100, 't'));
    EXPECT_EQ(back->GetWindowText(), std::string(150, 't'));
    EXPECT_NE(::GetFocus(), BrowserOf(back)->m_hWnd);
    BrowserOf(front)->RaiseTitle("");
    EXPECT_EQ(TabTexts()[0], "http://front.example/");
}

TEST_F(BrowserView, AmpersandsInTitlesShowAsThemselvesOnTabsAndTheirWholeTextInTips) {
    CChildFrame* window = Open("http://fish.example/");
    const std::string title = "Fish & Chips " + std::string(90, 'x');
    BrowserOf(window)->RaiseTitle(title);
    EXPECT_EQ(TabTexts()[0], title.substr(0, 100));
    // The control takes a single "&" for an underlined key.
    EXPECT_EQ(frame().tabBar().LabelAt(0), "Fish && Chips " + std::string(87, 'x'));

    NMTTDISPINFOW tip{};
    tip.hdr.code = TTN_GETDISPINFOW;
    tip.hdr.idFrom = 0;
    frame().tabBar().SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    ASSERT_NE(tip.lpszText, nullptr);
    EXPECT_EQ(std::wstring(tip.lpszText), L"Fish && Chips " + std::wstring(87, L'x'));
}

TEST_F(BrowserView, StatusTextOnlyFromTheActiveWindow) {
    CChildFrame* front = Open("http://front.example/");
    CChildFrame* back = Open("http://back.example/", false);
    BrowserOf(back)->RaiseStatus("from behind");
    EXPECT_NE(frame().statusBar().MessageText(), "from behind");
    BrowserOf(front)->RaiseStatus("Done");
    EXPECT_EQ(frame().statusBar().MessageText(), "Done");
}

TEST_F(BrowserView, BackAndForwardFollowTheControlsCommandState) {
    ScriptedBrowser* page = BrowserOf(Open("http://a.example/"));
    EXPECT_FALSE(CommandEnabled(ID_GO_BACK));
    page->RaiseCommandState(2, true);
    EXPECT_TRUE(CommandEnabled(ID_GO_BACK));
    EXPECT_FALSE(CommandEnabled(ID_GO_FORWARD));
    Command(ID_GO_BACK);
    EXPECT_EQ(page->calls.back(), "back 1");
}

TEST_F(BrowserView, ClosingAWindowTakesItOutOfTheRecord) {
    CChildFrame* first = Open("http://a.example/");
    Open("http://b.example/");
    EXPECT_EQ(RecordedWindows(), (Strings{"http://a.example/", "http://b.example/"}));
    Command(ID_FILE_CLOSE);
    PumpUntil([&] { return Windows().size() == 1; });
    EXPECT_EQ(Windows(), std::vector<CChildFrame*>{first});
    EXPECT_EQ(RecordedWindows(), Strings{"http://a.example/"});
    // The window left behind becomes active and shows its address.
    EXPECT_EQ(frame().addressText(), "http://a.example/");
}

TEST_F(BrowserView, ClosingTheLastWindowEmptiesTheAddressField) {
    Open("http://a.example/");
    Command(ID_FILE_CLOSE);
    PumpUntil([&] { return Windows().empty(); });
    EXPECT_EQ(frame().addressText(), "");
    EXPECT_EQ(RecordedWindows(), Strings{});
}

TEST_F(BrowserView, APageClosesTheWindowItsScriptOpenedButAsksForTheUsersWindow) {
    CChildFrame* users = Open("http://a.example/");
    CChildFrame* scripts = Open("http://popup.example/");
    // The page's window closes through its browser window, never under it.
    EXPECT_TRUE(BrowserOf(scripts)->RaiseWindowClosing(true));
    PumpUntil([&] { return Windows().size() == 1; });
    EXPECT_EQ(Windows(), std::vector<CChildFrame*>{users});
    EXPECT_TRUE(prompter_.questions().empty());

    // A window the user opened: the page asks, the user says No, then Yes. In the background,
    // its tab comes to the front first.
    CChildFrame* other = Open("http://b.example/");
    prompter_.Queue(brisova::PromptAnswer::No);
    EXPECT_TRUE(BrowserOf(users)->RaiseWindowClosing(false));
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_EQ(ActiveWindow(), users);
    PumpPending();
    EXPECT_EQ(Windows(), (std::vector<CChildFrame*>{users, other}));
    prompter_.Queue(brisova::PromptAnswer::Yes);
    BrowserOf(users)->RaiseWindowClosing(false);
    PumpUntil([&] { return Windows().size() == 1; });
    EXPECT_EQ(Windows(), std::vector<CChildFrame*>{other});
}

TEST_F(BrowserView, ActivatingAWindowShowsItsStateInTheFrame) {
    CChildFrame* first = Open("https://secure.example/");
    Open("http://plain.example/");
    EXPECT_FALSE(SecureIconShown());
    first->MDIActivate();
    PumpPending();
    EXPECT_EQ(frame().addressText(), "https://secure.example/");
    EXPECT_TRUE(SecureIconShown());
    EXPECT_EQ(frame().tabBar().Selection(), 0);
}
