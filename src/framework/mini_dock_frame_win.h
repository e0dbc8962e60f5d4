// CMiniDockFrame: the small tool window a control bar floats in. Its client area is the bar;
// closing it hides the bar, dragging its caption moves the bar (docking it when let go near a
// side of the frame), and a double click on its caption docks the bar again.
#pragma once

#include "framework/control_bar_win.h"

class CMiniDockFrame final : public CWnd {
public:
    CMiniDockFrame(CDockSite& site, CControlBar& bar) : site_(site), bar_(bar) {}
    DECLARE_MESSAGE_MAP()

    bool Create();
    CControlBar& bar() const { return bar_; }
    // Takes the bar in and places the window so that its client area starts at `screenPoint`,
    // moved if need be to lie on the screen.
    void Adopt(POINT screenPoint);
    // Where its client area starts on the screen (also while it is hidden).
    POINT ClientOrigin() const;
    // How far the client area lies from the window's top-left corner.
    static POINT ClientOffset();

private:
    void OnSize(UINT type, int cx, int cy);
    void OnClose();
    void OnDestroy();
    LRESULT OnNcLButtonDown(WPARAM hit, LPARAM lParam);
    LRESULT OnNcLButtonDblClk(WPARAM hit, LPARAM lParam);
    LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

    CDockSite& site_;
    CControlBar& bar_;
};
