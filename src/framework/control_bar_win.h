// CControlBar: a bar the frame's dock site places in a dock row along one of its sides, or that
// floats in a mini frame of its own.
#pragma once

#include "framework/dock_layout.h"
#include "framework/wnd_win.h"

class CDockSite;

using brisova::kDockAny;
using brisova::kDockBottom;
using brisova::kDockLeft;
using brisova::kDockRight;
using brisova::kDockTop;

class CControlBar : public CWnd {
public:
    ~CControlBar() override;
    DECLARE_MESSAGE_MAP()

    brisova::DockSide dockSide() const { return side_; }
    bool IsFloating() const { return side_ == brisova::DockSide::Floating; }
    // The side the bar docks on again when it stops floating.
    brisova::DockSide lastDockedSide() const { return lastDocked_; }
    CDockSite* dockSite() const { return site_; }
    void EnableDocking(unsigned sides) { dockingAllowed_ = sides; }
    unsigned dockingAllowed() const { return dockingAllowed_; }
    bool CanDockOn(brisova::DockSide side) const { return (dockingAllowed_ & brisova::DockBitOf(side)) != 0; }

    // The bar's size docked on `side`: cx across a row on the left or right is its thickness,
    // cy its length; on the top or bottom the other way round.
    virtual SIZE DockedSize(brisova::DockSide side) const = 0;
    virtual SIZE MinimumSize(brisova::DockSide side) const = 0;
    // The row gave the bar this length along it.
    virtual void SetRowLength(brisova::DockSide side, int length) = 0;
    // The client size of the mini frame when the bar floats.
    virtual SIZE FloatingSize() const = 0;
    virtual void SetFloatingSize(SIZE size) = 0;
    // Whether the bar takes up or gives back spare length in its row.
    virtual bool IsSizingBar() const { return false; }
    // The system's settings changed (the frame passes the message on).
    virtual void OnSettingsChanged() {}
    // The window the bar is in moved to a monitor of another scale.
    virtual void OnDpiChanged() {}

protected:
    // The dock site moved the bar to another side or into a mini frame.
    virtual void OnDockChanged() {}

private:
    friend class CDockSite;
    void SetDockState(CDockSite* site, brisova::DockSide side);

    CDockSite* site_ = nullptr;
    brisova::DockSide side_ = brisova::DockSide::Floating;
    brisova::DockSide lastDocked_ = brisova::DockSide::Left;
    unsigned dockingAllowed_ = kDockAny;
};
