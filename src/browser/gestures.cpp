#include "browser/gestures.h"

#include <limits>

namespace brisova {

namespace {
using Kind = GestureAction::Kind;

GestureAction Act(Kind kind) {
    return GestureAction{kind, 0, 0, {}};
}

GestureAction Click(Kind kind, WindowRef window, ScreenPoint point) {
    return GestureAction{kind, 0, window, point};
}

GestureAction StartTimer(unsigned doubleClickMs) {
    unsigned most = std::numeric_limits<unsigned>::max();
    unsigned delay = doubleClickMs > most - kReplayTimerSlackMs ? most : doubleClickMs + kReplayTimerSlackMs;
    return GestureAction{Kind::StartReplayTimer, delay, 0, {}};
}
}  // namespace

GestureResult GestureMachine::OnPageMessage(const PageMessage& message, bool canGoBack, bool canGoForward) {
    GestureResult result;
    if (settings_.middleClickLinks && HandleMiddleButton(message, result)) return result;
    if (settings_.rightButtonBack && HandleRightButton(message, canGoBack, canGoForward, result)) return result;
    LeaveMarker(message.event);
    return result;
}

bool GestureMachine::HandleMiddleButton(const PageMessage& message, GestureResult& result) {
    if (message.event == PageEvent::MiddleDown) {
        result.handled = true;
    } else if (message.event == PageEvent::MiddleUp) {
        result.handled = true;
        result.actions.push_back(Click(Kind::MiddleToLeftClick, message.window, message.point));
        middleClickPending_ = true;
        middleClickTime_ = clock_.Now();
    }
    return result.handled;
}

bool GestureMachine::HandleRightButton(const PageMessage& message, bool canGoBack, bool canGoForward,
                                       GestureResult& result) {
    switch (message.event) {
    case PageEvent::RightDown:
        result.handled = state_ == GestureState::Idle;
        break;
    case PageEvent::RightDoubleClick:
        result.handled = true;
        result.actions.push_back(Act(Kind::StopReplayTimer));
        state_ = message.keyState == (kKeyRightButton | kKeyControl) ? GestureState::ForwardOnRelease
                                                                     : GestureState::BackOnRelease;
        break;
    case PageEvent::RightUp:
        switch (state_) {
        case GestureState::Idle:
            result.handled = true;
            state_ = GestureState::AwaitingSecondClick;
            savedWindow_ = message.window;
            savedPoint_ = message.point;
            result.actions.push_back(StartTimer(settings_.doubleClickMs));
            break;
        case GestureState::BackOnRelease:
        case GestureState::ForwardOnRelease: {
            bool back = state_ == GestureState::BackOnRelease;
            result.handled = true;
            state_ = GestureState::Idle;
            markers_.Clear();
            if (back && canGoBack) result.actions.push_back(Act(Kind::GoBack));
            if (!back && canGoForward) result.actions.push_back(Act(Kind::GoForward));
            break;
        }
        case GestureState::Replaying:
            state_ = GestureState::Idle;
            break;
        case GestureState::AwaitingSecondClick:
            break;
        }
        break;
    default:
        break;
    }
    return result.handled;
}

void GestureMachine::LeaveMarker(PageEvent event) {
    if (event == PageEvent::LeftUp) {
        markers_.MarkLeftClick(clock_.Now());
    } else if (event == PageEvent::RightUp || event == PageEvent::EnterKeyDown) {
        markers_.MarkKeyOrRightClick(clock_.Now());
    }
}

GestureResult GestureMachine::OnTimer(unsigned timerId) {
    GestureResult result;
    if (timerId != kReplayTimerId) return result;
    result.actions.push_back(Act(Kind::StopReplayTimer));
    if (state_ == GestureState::AwaitingSecondClick && settings_.rightButtonBack) {
        state_ = GestureState::Replaying;
        result.actions.push_back(Click(Kind::ReplayRightClick, savedWindow_, savedPoint_));
    } else {
        state_ = GestureState::Idle;
    }
    return result;
}

bool GestureMachine::TakeMiddleClick(bool hasPostData) {
    if (!middleClickPending_) return false;
    middleClickPending_ = false;
    return !hasPostData && ElapsedWithin(middleClickTime_, clock_.Now(), clock_.Frequency(), kMiddleClickSeconds);
}

}  // namespace brisova
