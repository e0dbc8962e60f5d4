// CDockSite: the dock rows of a frame. It keeps which control bars dock on which side, places
// their rows inside the room the frame's other bars leave, floats bars in mini frames and
// docks them again.
#pragma once

#include <memory>
#include <vector>

#include "framework/control_bar_win.h"

class CMiniDockFrame;

class CDockSite {
public:
    explicit CDockSite(HWND frame);
    ~CDockSite();
    CDockSite(const CDockSite&) = delete;
    CDockSite& operator=(const CDockSite&) = delete;

    HWND frame() const { return frame_; }

    // Docks the bar at the end of the side's last row; a floating bar leaves its mini frame.
    void Dock(CControlBar& bar, brisova::DockSide side);
    // Floats the bar in a mini frame whose client area starts at `screenPoint`.
    void Float(CControlBar& bar, POINT screenPoint);
    // Docks a floating bar on its last side, or floats a docked one where it is.
    void ToggleFloating(CControlBar& bar);
    void Show(CControlBar& bar, bool show);
    bool IsShown(const CControlBar& bar) const;
    // Forgets a bar that goes away.
    void Remove(CControlBar& bar);

    // Places the visible docked bars inside `room` (frame client coordinates) and shrinks it to
    // what is left for the view area.
    void Arrange(RECT& room);
    // What the last arrangement left for the view area, and the room the dock rows shared.
    RECT viewArea() const { return viewArea_; }
    RECT dockRoom() const { return dockRoom_; }
    // The visible bars of the row the bar sits in, in order along the row.
    std::vector<CControlBar*> RowOf(const CControlBar& bar) const;
    // Asks the frame to arrange its bars again.
    void RecalcLayout() const;
    void SettingsChanged() const;

    CMiniDockFrame* MiniFrameOf(const CControlBar& bar) const;

private:
    struct Docked {
        CControlBar* bar;
        brisova::DockSide side;
    };
    std::vector<std::vector<CControlBar*>> Rows(brisova::DockSide side, int length) const;
    void ArrangeSide(brisova::DockSide side, RECT& room);
    void Detach(CControlBar& bar);

    HWND frame_;
    std::vector<Docked> docked_;
    std::vector<std::unique_ptr<CMiniDockFrame>> floating_;
    // Rows as the last arrangement made them, for RowOf.
    std::vector<std::vector<CControlBar*>> rows_;
    RECT viewArea_{};
    RECT dockRoom_{};
};
