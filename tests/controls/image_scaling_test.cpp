#include "controls/image_scaling.h"

#include <gtest/gtest.h>

using namespace brisova;

namespace {
constexpr std::uint32_t kRed = 0xFF0000, kFace = 0xD4D0C8;

// Two 4 x 4 cells side by side: a red square in the middle of a transparent one, and a
// solid blue one.
PixelStrip TwoCells() {
    PixelStrip strip{8, 4, std::vector<std::uint32_t>(32, kStripTransparent)};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            if (x >= 1 && x <= 2 && y >= 1 && y <= 2) strip.pixels[y * 8 + x] = kRed;
            strip.pixels[y * 8 + 4 + x] = 0x0000FF;
        }
    return strip;
}
std::uint32_t At(const PixelStrip& s, int x, int y) { return s.pixels[y * s.width + x]; }
}  // namespace

TEST(ImageScaling, CellsKeepTheirPlacesAndTheirTransparencyAtEveryScale) {
    const PixelStrip doubled = ScaleStripCells(TwoCells(), 4, 4, 8, 8, kFace);
    ASSERT_EQ(doubled.width, 16);
    ASSERT_EQ(doubled.height, 8);
    EXPECT_EQ(At(doubled, 0, 0), kStripTransparent);
    EXPECT_EQ(At(doubled, 3, 3), kRed);
    EXPECT_EQ(At(doubled, 4, 4), kRed);
    EXPECT_EQ(At(doubled, 6, 6), kStripTransparent);
    // The second cell does not bleed into the first, nor the first into the second.
    EXPECT_EQ(At(doubled, 7, 3), kStripTransparent);
    EXPECT_EQ(At(doubled, 8, 0), 0x0000FFu);

    // 4 to 6 (150 %): a pixel half on the red edge is kept, blended towards the face, and never
    // comes out magenta.
    const PixelStrip larger = ScaleStripCells(TwoCells(), 4, 4, 6, 6, kFace);
    ASSERT_EQ(larger.width, 12);
    EXPECT_EQ(At(larger, 0, 0), kStripTransparent);
    EXPECT_EQ(At(larger, 2, 2), kRed);
    const std::uint32_t edge = At(larger, 1, 2);
    EXPECT_NE(edge, kStripTransparent);
    EXPECT_EQ(edge >> 16, (0xFF + 0xD4 + 1) / 2);
    for (std::uint32_t p : larger.pixels) EXPECT_TRUE(p == kStripTransparent || p != 0xFF00FF);

    // Smaller (4 to 2): the red quarter of each output pixel is less than half, so the first
    // cell vanishes rather than turning into a blur; the solid cell stays solid.
    const PixelStrip smaller = ScaleStripCells(TwoCells(), 4, 4, 2, 2, kFace);
    EXPECT_EQ(At(smaller, 0, 0), kStripTransparent);
    EXPECT_EQ(At(smaller, 3, 1), 0x0000FFu);
}

TEST(ImageScaling, ABrokenStripGivesNothingAndPartCellsAreLeftOut) {
    EXPECT_TRUE(ScaleStripCells({4, 4, {}}, 4, 4, 8, 8, kFace).pixels.empty());
    EXPECT_TRUE(ScaleStripCells(TwoCells(), 0, 4, 8, 8, kFace).pixels.empty());
    const PixelStrip cut = ScaleStripCells(TwoCells(), 3, 4, 6, 8, kFace);
    EXPECT_EQ(cut.width, 12);  // two whole cells of 3, the rest left out
}
