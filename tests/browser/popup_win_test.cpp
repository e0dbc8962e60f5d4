// Pages asking for new windows under Wine: the blocker lets through what the user asked for,
// timed on a clock the test moves by hand.
#include "support/manual_clock_fixture_win.h"

#include <chrono>

#include "resource.h"

using namespace std::chrono_literals;

class PopupPolicy : public ManualClockFixture {
protected:

    void StartOn(const std::string& address) {
        ASSERT_TRUE(Start());
        opener_ = frame().OpenWindow(false, &address, true);
        ASSERT_NE(BrowserOf(opener_), nullptr);
    }
    ScriptedBrowser* page() const { return BrowserOf(opener_); }

    void LeftClick() {
        page()->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        page()->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        PumpPending();
    }
    void PressEnter() {
        page()->PostMessage(WM_KEYDOWN, VK_RETURN, 0);
        PumpPending();
    }

    // The page asks for a window. The window it got, or null when it was refused; a refusal must
    // cancel the request, or the control would open a window of its own.
    CChildFrame* PopUp() {
        std::size_t before = Windows().size();
        IDispatch* handed = nullptr;
        bool cancel = page()->RaiseNewWindow(&handed);
        if (Windows().size() == before) {
            EXPECT_TRUE(cancel);
            EXPECT_EQ(handed, nullptr);
            return nullptr;
        }
        EXPECT_FALSE(cancel);
        CChildFrame* opened = Windows().back();
        // The control loads the page into the new window's control.
        EXPECT_EQ(handed, BrowserOf(opened)->application());
        if (handed) handed->Release();
        return opened;
    }

    CChildFrame* opener_ = nullptr;
};

TEST_F(PopupPolicy, LeftClickJustifiesOneSecondAndEnterFive) {
    StartOn("http://ads.example/");
    LeftClick();
    clock_.Advance(3s);
    EXPECT_EQ(PopUp(), nullptr);

    LeftClick();
    clock_.Advance(1s);
    EXPECT_NE(PopUp(), nullptr);

    PressEnter();
    clock_.Advance(3s);
    EXPECT_NE(PopUp(), nullptr);

    PressEnter();
    clock_.Advance(5001ms);
    EXPECT_EQ(PopUp(), nullptr);
}

TEST_F(PopupPolicy, OneClickLetsThroughOneWindow) {
    StartOn("https://shop.example/");
    LeftClick();
    CChildFrame* first = PopUp();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(ActiveWindow(), first);
    EXPECT_EQ(first->view()->address(), "");
    EXPECT_EQ(PopUp(), nullptr);
    EXPECT_EQ(Windows().size(), 2u);
}

TEST_F(PopupPolicy, AnyNavigationUsesUpTheClick) {
    StartOn("http://frames.example/");
    LeftClick();
    page()->RaiseBeforeNavigate("http://frames.example/inner", ScriptedBrowser::ChildFrame());
    EXPECT_EQ(PopUp(), nullptr);
    PressEnter();
    Command(ID_VIEW_REFRESH);
    EXPECT_EQ(PopUp(), nullptr);
}

TEST_F(PopupPolicy, PagesThatAreNotOnTheWebAreNeverBlocked) {
    for (const std::string address : {"about:blank", "file:///C:/pages/local.htm", "http:/x"}) {
        SCOPED_TRACE(address);
        if (!app_) StartOn(address);
        else opener_ = frame().OpenWindow(false, &address, true);
        EXPECT_NE(PopUp(), nullptr);
    }
}

TEST_F(PopupPolicy, WithBlockingOffEveryRequestIsAllowed) {
    WriteSetting("EnableAutoFilter", "0");
    StartOn("http://ads.example/");
    EXPECT_NE(PopUp(), nullptr);
    EXPECT_NE(PopUp(), nullptr);
}

TEST_F(PopupPolicy, AClosingPageGetsNoWindowAtAll) {
    StartOn("about:blank");
    opener_->view()->SetClosing();
    EXPECT_EQ(PopUp(), nullptr);
}
