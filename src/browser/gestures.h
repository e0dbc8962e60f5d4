// What the view makes of the mouse and key messages meant for its page before the browser
// control sees them: a right double click goes back (with Ctrl alone, forward) while a single
// right click still reaches the page, a middle click on a link opens it in a new window, and
// clicks and Enter leave the markers the pop-up decision reads.
//
// The machine only decides. The view feeds it the page's messages and its timer, and carries
// out the returned actions with the real windows.
#pragma once

#include "browser/popup_policy.h"
#include "platform/tick_clock.h"

#include <cstdint>
#include <vector>

namespace brisova {

// A window of the page, as an opaque handle value.
using WindowRef = std::uintptr_t;

struct ScreenPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// Key state of a mouse message; the values are those the system sends with the message.
inline constexpr unsigned kKeyLeftButton = 0x01;
inline constexpr unsigned kKeyRightButton = 0x02;
inline constexpr unsigned kKeyShift = 0x04;
inline constexpr unsigned kKeyControl = 0x08;
inline constexpr unsigned kKeyMiddleButton = 0x10;

enum class PageEvent { LeftUp, MiddleDown, MiddleUp, RightDown, RightUp, RightDoubleClick, EnterKeyDown, Other };

struct PageMessage {
    PageEvent event = PageEvent::Other;
    WindowRef window = 0;
    ScreenPoint point;  // screen coordinates of the queued message
    unsigned keyState = 0;
};

inline constexpr unsigned kReplayTimerId = 2;
// How long the machine waits past the system's double-click time before it gives a single
// right click back to the page.
inline constexpr unsigned kReplayTimerSlackMs = 30;

struct GestureAction {
    enum class Kind {
        StartReplayTimer,   // timer kReplayTimerId on the view, due after delayMs
        StopReplayTimer,
        GoBack,             // one step
        GoForward,          // one step
        ReplayRightClick,   // right down (key state: right button), then 100 ms later right up
        MiddleToLeftClick,  // left down (key state: left button), then 100 ms later left up
    };

    Kind kind;
    unsigned delayMs = 0;
    // For the two clicks: the window they are posted to and where, in screen coordinates; the
    // view converts the point to that window's client coordinates.
    WindowRef window = 0;
    ScreenPoint point;
};

struct GestureResult {
    bool handled = false;  // the message is dropped before the page sees it
    std::vector<GestureAction> actions;
};

enum class GestureState {
    Idle = 0,
    AwaitingSecondClick = 1,  // a right click was held back; the timer decides
    BackOnRelease = 2,        // a right double click: its release goes back
    ForwardOnRelease = 20,    // a right double click with Ctrl alone: its release goes forward
    Replaying = 3,            // the held-back click is on its way to the page
};

struct GestureSettings {
    bool rightButtonBack = true;   // "EnableMouseBack"
    bool middleClickLinks = true;  // "EnableMouseMiddle"
    unsigned doubleClickMs = 500;  // the system's double-click time
};

class GestureMachine {
public:
    // The markers belong to the view, which also clears them on every navigation.
    GestureMachine(const TickClock& clock, UserActionMarkers& markers) : clock_(clock), markers_(markers) {}

    const GestureSettings& settings() const { return settings_; }
    void SetSettings(const GestureSettings& settings) { settings_ = settings; }

    GestureResult OnPageMessage(const PageMessage& message, bool canGoBack, bool canGoForward);
    // Every timer of the view; only kReplayTimerId concerns the machine. The timer message gets
    // its default handling afterwards either way.
    GestureResult OnTimer(unsigned timerId);

    // First step of every navigation the view sees, top-level page or frame: true when it is the
    // link of a middle click, to be cancelled and opened in a new window instead. A middle click
    // counts for the next navigation only, and for 2 seconds; one that posts data stays in place.
    // The 2 seconds run on the view's counter, so a change of the wall clock cannot stretch them.
    bool TakeMiddleClick(bool hasPostData);

    GestureState state() const { return state_; }
    bool middleClickPending() const { return middleClickPending_; }

private:
    static constexpr int kMiddleClickSeconds = 2;

    bool HandleMiddleButton(const PageMessage& message, GestureResult& result);
    bool HandleRightButton(const PageMessage& message, bool canGoBack, bool canGoForward, GestureResult& result);
    void LeaveMarker(PageEvent event);

    const TickClock& clock_;
    UserActionMarkers& markers_;
    GestureSettings settings_;
    GestureState state_ = GestureState::Idle;
    WindowRef savedWindow_ = 0;
    ScreenPoint savedPoint_;
    bool middleClickPending_ = false;
    Ticks middleClickTime_ = 0;
};

}  // namespace brisova
