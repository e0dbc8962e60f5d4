#include "browser/gestures.h"

#include <gtest/gtest.h>

using namespace brisova;
using namespace std::chrono_literals;
using Kind = GestureAction::Kind;

namespace {
constexpr WindowRef kPage = 0x1234;
constexpr ScreenPoint kWhere{310, 420};

struct GestureTest : ::testing::Test {
    ManualTickClock clock;
    UserActionMarkers markers;
    GestureMachine machine{clock, markers};
    bool canGoBack = true;
    bool canGoForward = true;

    GestureResult Send(PageEvent event, unsigned keyState = 0, WindowRef window = kPage,
                       ScreenPoint at = kWhere) {
        return machine.OnPageMessage({event, window, at, keyState}, canGoBack, canGoForward);
    }

    GestureResult RightDoubleClick(unsigned keyState) {
        Send(PageEvent::RightDown, kKeyRightButton);
        Send(PageEvent::RightUp);
        // The system reports the second press as a double click, not as a button down.
        GestureResult dbl = Send(PageEvent::RightDoubleClick, keyState);
        EXPECT_TRUE(dbl.handled);
        EXPECT_EQ(dbl.actions.front().kind, Kind::StopReplayTimer);
        return Send(PageEvent::RightUp);
    }
};

std::vector<Kind> Kinds(const GestureResult& r) {
    std::vector<Kind> kinds;
    for (const GestureAction& a : r.actions) kinds.push_back(a.kind);
    return kinds;
}
}  // namespace

TEST_F(GestureTest, SingleRightClickIsHeldBackThenReplayedWhereItHappened) {
    machine.SetSettings({.rightButtonBack = true, .middleClickLinks = true, .doubleClickMs = 400});
    EXPECT_TRUE(Send(PageEvent::RightDown, kKeyRightButton).handled);
    GestureResult up = Send(PageEvent::RightUp);
    EXPECT_TRUE(up.handled);
    ASSERT_EQ(Kinds(up), std::vector<Kind>{Kind::StartReplayTimer});
    EXPECT_EQ(up.actions[0].delayMs, 430u);
    EXPECT_FALSE(markers.keyOrRightClick());

    GestureResult timer = machine.OnTimer(kReplayTimerId);
    ASSERT_EQ(Kinds(timer), (std::vector<Kind>{Kind::StopReplayTimer, Kind::ReplayRightClick}));
    EXPECT_EQ(timer.actions[1].window, kPage);
    EXPECT_EQ(timer.actions[1].point, kWhere);
    EXPECT_EQ(machine.state(), GestureState::Replaying);

    // The replayed click reaches the page, which opens its context menu.
    EXPECT_FALSE(Send(PageEvent::RightDown, kKeyRightButton).handled);
    EXPECT_FALSE(Send(PageEvent::RightUp).handled);
    EXPECT_EQ(machine.state(), GestureState::Idle);
    EXPECT_TRUE(markers.keyOrRightClick());
}

TEST_F(GestureTest, RightDoubleClickGoesBackCtrlForwardCtrlShiftBack) {
    markers.MarkLeftClick(clock.Now());
    GestureResult back = RightDoubleClick(kKeyRightButton);
    EXPECT_TRUE(back.handled);
    EXPECT_EQ(Kinds(back), std::vector<Kind>{Kind::GoBack});
    EXPECT_FALSE(markers.leftClick());
    EXPECT_EQ(machine.state(), GestureState::Idle);

    EXPECT_EQ(Kinds(RightDoubleClick(kKeyRightButton | kKeyControl)), std::vector<Kind>{Kind::GoForward});
    EXPECT_EQ(Kinds(RightDoubleClick(kKeyRightButton | kKeyControl | kKeyShift)),
              std::vector<Kind>{Kind::GoBack});
    EXPECT_EQ(Kinds(RightDoubleClick(kKeyRightButton | kKeyControl | kKeyLeftButton)),
              std::vector<Kind>{Kind::GoBack});
}

TEST_F(GestureTest, DoubleClickWithoutHistoryIsSwallowedQuietly) {
    canGoBack = false;
    canGoForward = false;
    GestureResult release = RightDoubleClick(kKeyRightButton);
    EXPECT_TRUE(release.handled);
    EXPECT_TRUE(release.actions.empty());
    EXPECT_TRUE(RightDoubleClick(kKeyRightButton | kKeyControl).actions.empty());
}

TEST_F(GestureTest, ALateTimerAfterADoubleClickReplaysNothing) {
    RightDoubleClick(kKeyRightButton);
    EXPECT_EQ(Kinds(machine.OnTimer(kReplayTimerId)), std::vector<Kind>{Kind::StopReplayTimer});
    EXPECT_EQ(machine.state(), GestureState::Idle);
    EXPECT_TRUE(machine.OnTimer(1).actions.empty());
}

TEST_F(GestureTest, RightButtonBackOffPassesRightClicksAtOnce) {
    machine.SetSettings({.rightButtonBack = false, .middleClickLinks = true, .doubleClickMs = 500});
    EXPECT_FALSE(Send(PageEvent::RightDown, kKeyRightButton).handled);
    GestureResult up = Send(PageEvent::RightUp);
    EXPECT_FALSE(up.handled);
    EXPECT_TRUE(up.actions.empty());
    EXPECT_TRUE(markers.keyOrRightClick());
    EXPECT_FALSE(Send(PageEvent::RightDoubleClick, kKeyRightButton).handled);
    EXPECT_EQ(machine.state(), GestureState::Idle);
}

TEST_F(GestureTest, HugeDoubleClickTimeDoesNotWrapTheTimer) {
    machine.SetSettings({.rightButtonBack = true, .middleClickLinks = true, .doubleClickMs = 0xFFFFFFF0u});
    EXPECT_EQ(Send(PageEvent::RightUp).actions.at(0).delayMs, 0xFFFFFFFFu);
}

TEST_F(GestureTest, MiddleClickBecomesALeftClickAndOpensTheNextNavigationApart) {
    EXPECT_TRUE(Send(PageEvent::MiddleDown, kKeyMiddleButton).handled);
    GestureResult up = Send(PageEvent::MiddleUp, 0, kPage, {5, 6});
    EXPECT_TRUE(up.handled);
    ASSERT_EQ(Kinds(up), std::vector<Kind>{Kind::MiddleToLeftClick});
    EXPECT_EQ(up.actions[0].point, (ScreenPoint{5, 6}));
    EXPECT_TRUE(machine.middleClickPending());

    EXPECT_FALSE(Send(PageEvent::LeftUp).handled);  // the converted click marks a left click
    EXPECT_TRUE(markers.leftClick());

    clock.Advance(2s);
    EXPECT_TRUE(machine.TakeMiddleClick(false));
    EXPECT_FALSE(machine.TakeMiddleClick(false));
}

TEST_F(GestureTest, MiddleClickIsUsedUpByTheNextNavigationWhateverItIs) {
    Send(PageEvent::MiddleUp);
    EXPECT_FALSE(machine.TakeMiddleClick(true));  // a form posting data stays in place
    EXPECT_FALSE(machine.middleClickPending());

    Send(PageEvent::MiddleUp);  // on empty page area: nothing navigates for a while
    clock.Advance(2s);
    clock.AdvanceTicks(1);
    EXPECT_FALSE(machine.TakeMiddleClick(false));
    EXPECT_FALSE(machine.middleClickPending());
}

TEST_F(GestureTest, MiddleClickLinksOffPassesMiddleButtonUnchanged) {
    machine.SetSettings({.rightButtonBack = true, .middleClickLinks = false, .doubleClickMs = 500});
    EXPECT_FALSE(Send(PageEvent::MiddleDown, kKeyMiddleButton).handled);
    EXPECT_FALSE(Send(PageEvent::MiddleUp).handled);
    EXPECT_FALSE(machine.middleClickPending());
    EXPECT_FALSE(machine.TakeMiddleClick(false));
}

TEST_F(GestureTest, EnterLeavesTheMarkerAPopupThreeSecondsLaterNeeds) {
    Send(PageEvent::EnterKeyDown);
    clock.Advance(3s);
    EXPECT_EQ(DecideNewWindow("http://page.test/", true, markers, clock), NewWindowVerdict::Allow);
}
