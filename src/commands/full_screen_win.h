// CFullScreen: "&Full Screen\tF11" (32808). The frame's client area covers the whole screen with
// its bars hidden; they come back while the mouse is near the screen's top or bottom edge.
#pragma once

#include <windows.h>

#include "commands/full_screen_rules.h"
#include "framework/cmd_target_win.h"
#include "shared/settings.h"

class CFrameWnd;

class CFullScreen final : public CCmdTarget {
public:
    // `settings` is the frame's settings mirror: "FullScreen" says whether the mode is on,
    // "TaskBar" and "StatusBar" whether those bars belong on the screen at all.
    CFullScreen(CFrameWnd& frame, brisova::Settings& settings) : frame_(frame), settings_(settings) {}
    DECLARE_MESSAGE_MAP()

    // The frame's bars along the top and the bottom edge (the tab bar's rebar), and the status
    // bar: the mode hides them, and the mouse brings them back.
    void SetBars(HWND top, HWND bottom, HWND status) {
        topBars_ = top;
        bottomBars_ = bottom;
        statusBar_ = status;
    }

    // "FullScreen" as the settings file gave it: enters full-screen mode once the frame is shown.
    void EnterIfSaved();
    // The mode itself, not the setting: "FullScreen" read from the file says 1 before the mode
    // is entered, and the size limits must not act before then.
    bool on() const { return on_; }
    // A bar was shown or hidden by its command: in full-screen mode the edges decide what shows.
    void BarsToggled();
    // While the mode is on the frame may be as large as the full-screen rectangle.
    void LimitSize(MINMAXINFO& info) const;
    // Shows or hides the bars of the edges for a mouse move over the frame.
    void TrackMouse(const MSG& msg);

private:
    void OnToggle();
    void Enter();
    void Leave();
    void ShowBars(const brisova::EdgeBars& bars);

    CFrameWnd& frame_;
    HWND topBars_ = nullptr;
    HWND bottomBars_ = nullptr;
    HWND statusBar_ = nullptr;
    brisova::Settings& settings_;
    WINDOWPLACEMENT savedPlacement_{};
    brisova::ScreenRect rect_;
    brisova::EdgeBars shown_;
    bool on_ = false;
};
