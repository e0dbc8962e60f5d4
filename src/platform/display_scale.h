// Sizes for the display's scale. Every size the program lays out is given for 96 dots per inch
// (100 %) and scaled to the DPI of the window it is for: 144 is 150 %, 192 is 200 %, and any
// other value (120, 168) scales in proportion.
#pragma once

namespace brisova {

inline constexpr int kBaseDpi = 96;

// `at96` pixels at `dpi`, rounded to the nearest pixel (halves away from zero); a DPI that is
// not positive counts as 96, so a failed query never makes anything vanish.
int ScaleToDpi(int at96, int dpi);

// A size measured at `fromDpi` (a font's height, which the system gives at its own DPI) as it is
// at `toDpi`, rounded the same way. A size that was not zero stays at least one pixel, keeping
// its sign, and a DPI that is not positive counts as 96.
int RescaleDpi(int size, int fromDpi, int toDpi);

// The zoom, in percent, that shows a page drawn for the system's DPI at a monitor's `dpi`: the
// browser control scales pages to the system's DPI itself. Within the control's 10 to 1000.
int PageZoomPercent(int dpi, int systemDpi);

}  // namespace brisova
