// Image strips scaled for the display: each cell resampled on its own by area averaging, so a
// 16-pixel image becomes a clean 24-pixel one at 150 % and a 32-pixel one stays sharp at 16.
// Magenta marks transparent pixels, as in the program's bitmaps.
#pragma once

#include <cstdint>
#include <vector>

namespace brisova {

inline constexpr std::uint32_t kStripTransparent = 0xFF00FF;

// Pixels 0x00RRGGBB, row by row from the top.
struct PixelStrip {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// The strip with every cell of cellWidth x cellHeight scaled to newWidth x newHeight, the cells
// keeping their places (a row of cells stays a row). An output pixel covered less than half by
// opaque pixels is transparent; a partly covered one is blended towards `background`, the face
// the images are drawn on. Cells that do not fit the strip whole are left out.
PixelStrip ScaleStripCells(const PixelStrip& source, int cellWidth, int cellHeight, int newWidth, int newHeight,
                           std::uint32_t background);

}  // namespace brisova
