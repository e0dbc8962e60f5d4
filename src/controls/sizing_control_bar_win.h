// CSizingControlBar: a control bar the user resizes by dragging its edges. It keeps one size
// for a top or bottom row, one for a left or right row and one for floating, so it returns to
// its earlier size in each state.
#pragma once

#include <functional>

#include "controls/sizing_bar_rules.h"
#include "framework/control_bar_win.h"


class CSizingControlBar : public CControlBar {
public:
    DECLARE_MESSAGE_MAP()

    // Creates the bar as a hidden child of `frame`; it docks when the frame's dock site takes it.
    bool Create(const char* title, HWND frame, UINT id, DWORD style = 0);

    void SetEdgeStyle(unsigned style) { edgeStyle_ = style; }
    unsigned edgeStyle() const { return edgeStyle_; }
    bool fullWindowDrag() const { return fullWindowDrag_; }
    // A size given at 96 DPI, at the DPI the bar is drawn at.
    int Px(int at96) const;
    int dpi() const { return dpi_; }
    // The bar's window is now at another DPI: its sizes, the user's too, scale with it, and then
    // what the bar holds follows through `onDpiChanged`.
    void OnDpiChanged() override;
    std::function<void()> onDpiChanged;

    // CControlBar
    SIZE DockedSize(brisova::DockSide side) const override;
    SIZE MinimumSize(brisova::DockSide side) const override;
    void SetRowLength(brisova::DockSide side, int length) override;
    // The size the bar takes when it docks at `side`, before its row sets the length.
    void SetDockedSize(brisova::DockSide side, SIZE size) { SizeFor(side) = size; }
    SIZE FloatingSize() const override { return floating_; }
    void SetFloatingSize(SIZE size) override { floating_ = size; }
    bool IsSizingBar() const override { return true; }
    void OnSettingsChanged() override;

    // Mouse tracking of an edge, in screen coordinates; the window messages call these.
    void StartTracking(unsigned edge, POINT screen);
    void TrackTo(POINT screen);
    void StopTracking();
    // Without full-window drag: the line drawn where the edge will go (screen coordinates),
    // empty while none is drawn.
    RECT trackerShown() const { return trackerShown_; }

protected:
    // What the border and any gripper take off each side of the window rectangle.
    virtual brisova::BarRect NonClientInsets() const;
    // Draws the non-client area into an off-screen DC the size of the window.
    virtual void DrawNonClient(HDC dc, const RECT& window);
    virtual bool HasGripper() const { return false; }
    // The hit code of a point (window coordinates) that lies in no sizing edge.
    virtual LRESULT HitNonEdge(POINT inWindow) const { return HTCLIENT; }
    // Non-client mouse input outside the sizing edges (gripper, close button).
    virtual void OnNcButtonDown(LRESULT hit, POINT screen) {}
    virtual void OnNcMouseOver(LRESULT hit) {}
    // A move over the client area, or anywhere while the bar holds the capture outside a sizing.
    virtual void OnClientMouseMove(POINT screen) { OnNcMouseOver(HTCLIENT); }
    virtual void OnButtonUp(POINT screen) {}
    // Another window took the capture (Alt+Tab, a menu) while no sizing ran.
    virtual void OnCaptureLost() {}
    // The sizing edges this bar has now, from its place in its row.
    unsigned ActiveEdgesNow() const;
    void RedrawNonClient() const;
    void OnDockChanged() override;

    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonDblClk(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcMouseLeave(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnRButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    void OnSize(UINT type, int cx, int cy);

private:
    SIZE& SizeFor(brisova::DockSide side);
    // Draws the tracker line for the tracked edge grown by `growth`, erasing the one shown.
    void ShowTracker(int growth);
    void HideTracker();

    SIZE horizontal_{200, 200};
    SIZE vertical_{200, 200};
    SIZE floating_{200, 200};
    SIZE minHorizontal_{33, 32};
    SIZE minVertical_{33, 32};
    SIZE minFloating_{37, 32};
    unsigned edgeStyle_ = 0;
    bool fullWindowDrag_ = false;
    int dpi_ = 96;

    bool tracking_ = false;
    unsigned trackEdge_ = 0;
    POINT trackStart_{};
    int trackStartSize_ = 0;
    brisova::DragLimits trackLimits_{};
    // The bar beyond the tracked edge when it lies between two bars of the row.
    CSizingControlBar* trackNeighbour_ = nullptr;
    int trackNeighbourStart_ = 0;
    RECT trackWindow_{};
    RECT trackerShown_{};
};
