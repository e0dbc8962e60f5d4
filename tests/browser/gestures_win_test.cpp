// Right-button gestures and middle clicks under Wine: the messages the test posts to the page go
// through the program's message loop, as the user's would.
#include "support/manual_clock_fixture_win.h"

#include <chrono>


using namespace std::chrono_literals;
using Strings = std::vector<std::string>;

class Gestures : public ManualClockFixture {
protected:

    void StartOn(const std::string& address = "http://page.example/") {
        ASSERT_TRUE(Start());
        window_ = frame().OpenWindow(false, &address, true);
        ASSERT_NE(BrowserOf(window_), nullptr);
        page()->calls.clear();
    }
    ScriptedBrowser* page() const { return BrowserOf(window_); }
    CBrisovaView* view() const { return window_->view(); }

    void Post(UINT message, WPARAM keys, int x = 30, int y = 40) {
        page()->PostMessage(message, keys, MAKELPARAM(x, y));
    }
    void RightDoubleClick(WPARAM keys) {
        Post(WM_RBUTTONDOWN, MK_RBUTTON | keys);
        Post(WM_RBUTTONUP, keys);
        Post(WM_RBUTTONDBLCLK, MK_RBUTTON | keys);
        Post(WM_RBUTTONUP, keys);
        PumpPending();
    }
    void MiddleClick() {
        Post(WM_MBUTTONDOWN, MK_MBUTTON, 5, 6);
        Post(WM_MBUTTONUP, 0, 5, 6);
        PumpPending();
    }
    // No replay is left waiting for the page: the view's timer is gone.
    bool ReplayTimerRunning() const { return ::KillTimer(view()->m_hWnd, 2) != 0; }

    CChildFrame* window_ = nullptr;
};

TEST_F(Gestures, RightDoubleClickGoesBackAndTheReleaseNeverReachesThePage) {
    StartOn();
    RightDoubleClick(0);
    EXPECT_TRUE(page()->calls.empty()) << "nothing to go back to";
    page()->RaiseCommandState(2, true);
    RightDoubleClick(0);
    EXPECT_EQ(page()->calls, Strings{"back 1"});
    EXPECT_TRUE(page()->mouse.empty());
    EXPECT_EQ(view()->gestureState(), brisova::GestureState::Idle);
    EXPECT_FALSE(ReplayTimerRunning());
}

TEST_F(Gestures, CtrlAloneTurnsTheDoubleClickForward) {
    StartOn();
    page()->RaiseCommandState(2, true);
    page()->RaiseCommandState(1, true);
    RightDoubleClick(MK_CONTROL);
    EXPECT_EQ(page()->calls, Strings{"forward 1"});
    RightDoubleClick(MK_CONTROL | MK_SHIFT);
    EXPECT_EQ(page()->calls, (Strings{"forward 1", "back 1"}));
}

TEST_F(Gestures, SingleRightClickReachesThePageAfterTheDoubleClickTime) {
    StartOn();
    Post(WM_RBUTTONDOWN, MK_RBUTTON);
    Post(WM_RBUTTONUP, 0);
    PumpPending();
    EXPECT_TRUE(page()->mouse.empty()) << "held back until no second click can come";
    ASSERT_TRUE(PumpUntil([&] { return page()->mouse.size() == 2; }));
    EXPECT_EQ(page()->mouse, (Strings{"rdown 30,40 2", "rup 30,40 0"}));
    EXPECT_EQ(view()->gestureState(), brisova::GestureState::Idle);
    EXPECT_TRUE(page()->calls.empty());
}

TEST_F(Gestures, WithoutRightButtonBackRightClicksPassAtOnce) {
    WriteSetting("EnableMouseBack", "0");
    StartOn();
    page()->RaiseCommandState(2, true);
    Post(WM_RBUTTONDOWN, MK_RBUTTON);
    Post(WM_RBUTTONUP, 0);
    Post(WM_RBUTTONDBLCLK, MK_RBUTTON);
    PumpPending();
    EXPECT_EQ(page()->mouse, (Strings{"rdown 30,40 2", "rup 30,40 0", "rdouble 30,40 2"}));
    EXPECT_TRUE(page()->calls.empty());
    EXPECT_FALSE(ReplayTimerRunning());
}

TEST_F(Gestures, MiddleClickOnALinkOpensItInANewWindow) {
    StartOn();
    MiddleClick();
    EXPECT_EQ(page()->mouse, (Strings{"ldown 5,6 1", "lup 5,6 0"}));
    EXPECT_TRUE(page()->RaiseBeforeNavigate("http://link.example/", ScriptedBrowser::TopFrame()));
    ASSERT_EQ(Windows().size(), 2u);
    EXPECT_EQ(Windows()[1]->view()->address(), "http://link.example/");
    EXPECT_EQ(ActiveWindow(), Windows()[1]);
    EXPECT_EQ(view()->address(), "http://page.example/");
    // The click counted once: the page's next navigation stays in its window.
    EXPECT_FALSE(page()->RaiseBeforeNavigate("http://page.example/next", ScriptedBrowser::TopFrame()));
    EXPECT_EQ(Windows().size(), 2u);
}

TEST_F(Gestures, MiddleClickThatPostsDataOrComesLateStaysInPlace) {
    WriteSetting("ActiveNewWindow", "0");
    StartOn();
    MiddleClick();
    EXPECT_FALSE(page()->RaiseBeforeNavigate("http://page.example/form", ScriptedBrowser::TopFrame(), {'q', '=', '1'}));
    EXPECT_EQ(view()->address(), "http://page.example/form");

    MiddleClick();
    clock_.Advance(2001ms);
    EXPECT_FALSE(page()->RaiseBeforeNavigate("http://page.example/late", ScriptedBrowser::TopFrame()));
    EXPECT_EQ(Windows().size(), 1u);

    MiddleClick();
    clock_.Advance(2s);
    EXPECT_TRUE(page()->RaiseBeforeNavigate("http://frame.example/", ScriptedBrowser::ChildFrame()));
    ASSERT_EQ(Windows().size(), 2u);
    EXPECT_EQ(ActiveWindow(), window_) << "ActiveNewWindow 0 opens it behind";
}

TEST_F(Gestures, WithoutMiddleClickLinksTheMiddleButtonReachesThePage) {
    WriteSetting("EnableMouseMiddle", "0");
    StartOn();
    MiddleClick();
    EXPECT_EQ(page()->mouse, (Strings{"mdown 5,6 16", "mup 5,6 0"}));
    EXPECT_FALSE(page()->RaiseBeforeNavigate("http://link.example/", ScriptedBrowser::TopFrame()));
    EXPECT_EQ(Windows().size(), 1u);
}
