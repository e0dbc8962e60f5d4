#include "controls/image_scaling.h"

#include <algorithm>

namespace brisova {

namespace {

// How much of source pixel `i` (covering [i, i+1]) lies in the span [from, to).
double Overlap(int i, double from, double to) {
    return std::max(0.0, std::min<double>(i + 1, to) - std::max<double>(i, from));
}

int Channel(std::uint32_t colour, int shift) {
    return static_cast<int>((colour >> shift) & 0xFF);
}

}  // namespace

PixelStrip ScaleStripCells(const PixelStrip& source, int cellWidth, int cellHeight, int newWidth, int newHeight,
                           std::uint32_t background) {
    PixelStrip out;
    if (cellWidth <= 0 || cellHeight <= 0 || newWidth <= 0 || newHeight <= 0 ||
        source.pixels.size() < static_cast<std::size_t>(source.width) * static_cast<std::size_t>(source.height))
        return out;
    const int columns = source.width / cellWidth, rows = source.height / cellHeight;
    out.width = columns * newWidth;
    out.height = rows * newHeight;
    out.pixels.assign(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height), kStripTransparent);
    const double sx = static_cast<double>(cellWidth) / newWidth, sy = static_cast<double>(cellHeight) / newHeight;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            for (int y = 0; y < newHeight; ++y)
                for (int x = 0; x < newWidth; ++x) {
                    const double left = x * sx, right = (x + 1) * sx, top = y * sy, bottom = (y + 1) * sy;
                    double area = 0, opaque = 0, r = 0, g = 0, b = 0;
                    for (int v = static_cast<int>(top); v < cellHeight && v < bottom; ++v)
                        for (int u = static_cast<int>(left); u < cellWidth && u < right; ++u) {
                            const double weight = Overlap(u, left, right) * Overlap(v, top, bottom);
                            if (weight <= 0) continue;
                            area += weight;
                            const std::uint32_t p =
                                source.pixels[static_cast<std::size_t>(row * cellHeight + v) * source.width +
                                              static_cast<std::size_t>(column * cellWidth + u)] & 0xFFFFFF;
                            if (p == kStripTransparent) continue;
                            opaque += weight;
                            r += weight * Channel(p, 16);
                            g += weight * Channel(p, 8);
                            b += weight * Channel(p, 0);
                        }
                    if (area <= 0 || opaque * 2 + 1e-9 < area) continue;
                    // The part not covered takes the background's colour.
                    const double rest = area - opaque;
                    const auto mix = [&](double sum, int shift) {
                        const double value = (sum + rest * Channel(background, shift)) / area;
                        return static_cast<std::uint32_t>(std::clamp(static_cast<int>(value + 0.5), 0, 255)) << shift;
                    };
                    std::uint32_t colour = mix(r, 16) | mix(g, 8) | mix(b, 0);
                    // A blend that lands on magenta itself would read as transparent.
                    if (colour == kStripTransparent) colour = 0xFE00FF;
                    out.pixels[static_cast<std::size_t>(row * newHeight + y) * out.width +
                               static_cast<std::size_t>(column * newWidth + x)] = colour;
                }
    return out;
}

}  // namespace brisova
