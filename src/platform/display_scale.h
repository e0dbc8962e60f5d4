// Sizes for the display's scale. Every size the program lays out is given for 96 dots per inch
// (100 %) and scaled to the DPI of the window it is for: 144 is 150 %, 192 is 200 %, and any
// other value (120, 168) scales in proportion.
#pragma once

namespace brisova {

inline constexpr int kBaseDpi = 96;

// `at96` pixels at `dpi`, rounded to the nearest pixel (halves away from zero); a DPI that is
// not positive counts as 96, so a failed query never makes anything vanish.
int ScaleToDpi(int at96, int dpi);

}  // namespace brisova
