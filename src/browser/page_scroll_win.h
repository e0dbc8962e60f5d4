// The frame's mouse wheel: the active page scrolls even when the wheel message reached the frame
// (from the address field, or from a bar that does not scroll).
#pragma once

class BrowserControl;

// Scrolls the control's HTML document by 20 and then 30 pixels, down for a delta of 0 or less
// and up otherwise; false when there is no HTML document to scroll.
bool ScrollPageForWheel(BrowserControl* control, int wheelDelta);
