// CSizingControlBarG: a sizing bar with a gripper strip and a close button while docked.
// CSizingControlBarCF: the same with the bar's text as a caption in the strip.
#pragma once

#include "controls/sizing_control_bar_win.h"

class CSizingControlBarG : public CSizingControlBar {
public:
    DECLARE_MESSAGE_MAP()

    // At 96 DPI; the bar scales them to its window's.
    static constexpr int kGripperWidth = 15;
    static constexpr int kCloseButtonSize = 11;

    // The gripper strip and the close button, in window coordinates.
    RECT GripperRect() const;
    RECT CloseButtonRect() const;
    bool closeHot() const { return closeHot_; }
    bool closePushed() const { return closePushed_; }

protected:
    brisova::BarRect NonClientInsets() const override;
    void DrawNonClient(HDC dc, const RECT& window) override;
    bool HasGripper() const override { return !IsFloating(); }
    LRESULT HitNonEdge(POINT inWindow) const override;
    void OnNcButtonDown(LRESULT hit, POINT screen) override;
    void OnNcMouseOver(LRESULT hit) override;
    void OnClientMouseMove(POINT screen) override;
    void OnButtonUp(POINT screen) override;
    void OnCaptureLost() override;
    // What the strip shows beside the close button: two grip lines here, a caption in CF.
    virtual void DrawGripper(HDC dc, const RECT& strip, const RECT& close);

private:
    bool PointOnClose(POINT screen) const;
    void SetCloseState(bool hot, bool pushed);

    bool closeHot_ = false;
    // Drawn pushed: the button is held and the mouse is over it.
    bool closePushed_ = false;
    // The button was pressed and the bar holds the capture until the button comes up.
    bool closeHeld_ = false;
};

class CSizingControlBarCF : public CSizingControlBarG {
public:
    DECLARE_MESSAGE_MAP()

protected:
    void DrawGripper(HDC dc, const RECT& strip, const RECT& close) override;
};
