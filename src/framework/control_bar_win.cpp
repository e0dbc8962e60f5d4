#include "framework/control_bar_win.h"

#include "framework/dock_site_win.h"

using brisova::DockSide;

const MessageMap* CControlBar::ThisMessageMap() {
    static const MessageMap map(&CWnd::ThisMessageMap);
    return &map;
}

CControlBar::~CControlBar() {
    // The bar's window goes before its mini frame, which would otherwise take it along.
    if (m_hWnd) DestroyWindow();
    if (site_) site_->Remove(*this);
}

void CControlBar::SetDockState(CDockSite* site, DockSide side) {
    site_ = site;
    side_ = side;
    if (side != DockSide::Floating) lastDocked_ = side;
    OnDockChanged();
}
