// Moving a docked control bar by its gripper: a rectangle follows the mouse and shows where
// the bar goes (docked along a side of the frame when the mouse is near it, floating
// elsewhere); releasing the button puts it there, Escape or the right button cancels.
#pragma once

#include "framework/dock_site_win.h"

// Runs until the button is released; `start` is the screen point pressed. A press that never
// moves further than the system's drag distance leaves the bar where it is.
void DragControlBar(CDockSite& site, CControlBar& bar, POINT start);
