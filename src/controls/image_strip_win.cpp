#include "controls/image_strip_win.h"

#include "controls/image_scaling.h"
#include "framework/wnd_win.h"
#include "platform/display_scale.h"

#include <cstring>

namespace {
// Pixels of 32 bits, the top row first.
BITMAPINFO TopDown32Bit(int width, int height) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return format;
}

// The bitmap's pixels as 0x00RRGGBB, top row first.
brisova::PixelStrip ReadPixels(HBITMAP bitmap) {
    BITMAP info{};
    if (!::GetObjectA(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return {};
    brisova::PixelStrip strip{info.bmWidth, info.bmHeight,
                              std::vector<std::uint32_t>(static_cast<std::size_t>(info.bmWidth) * info.bmHeight)};
    BITMAPINFO format = TopDown32Bit(info.bmWidth, info.bmHeight);
    HDC screen = ::GetDC(nullptr);
    const int lines = ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), strip.pixels.data(), &format,
                                  DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (lines != info.bmHeight) return {};
    for (std::uint32_t& p : strip.pixels) p &= 0xFFFFFF;
    return strip;
}

ScopedBitmap MakeBitmap(const brisova::PixelStrip& strip) {
    BITMAPINFO format = TopDown32Bit(strip.width, strip.height);
    void* bits = nullptr;
    ScopedBitmap bitmap(::CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap && bits) std::memcpy(bits, strip.pixels.data(), strip.pixels.size() * sizeof(std::uint32_t));
    return bitmap;
}

COLORREF Bgr(std::uint32_t rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// The strip of bitmap `bitmapId`, its cells scaled from `width` x `height` at 96 DPI to `dpi`;
// `width` and `height` become the cells' size. Cells that cannot be scaled stay as they are.
ScopedBitmap LoadScaledStrip(UINT bitmapId, int& width, int& height, int dpi) {
    ScopedBitmap strip(static_cast<HBITMAP>(
        ::LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!strip) return {};
    const int scaledWidth = brisova::ScaleToDpi(width, dpi), scaledHeight = brisova::ScaleToDpi(height, dpi);
    if (scaledWidth != width || scaledHeight != height) {
        const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
        const std::uint32_t background = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
        brisova::PixelStrip scaled =
            brisova::ScaleStripCells(ReadPixels(strip.get()), width, height, scaledWidth, scaledHeight, background);
        ScopedBitmap made = scaled.pixels.empty() ? ScopedBitmap() : MakeBitmap(scaled);
        if (made) {
            strip = std::move(made);
            width = scaledWidth;
            height = scaledHeight;
        }
    }
    return strip;
}
}  // namespace

ScopedImageList LoadImageStrip(UINT bitmapId, int width, int height, int initialCount, int dpi) {
    ScopedBitmap strip = LoadScaledStrip(bitmapId, width, height, dpi);
    if (!strip) return {};
    ScopedImageList images(::ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, initialCount, 1));
    if (!images) return {};
    if (::ImageList_AddMasked(images.get(), strip.get(), Bgr(brisova::kStripTransparent)) < 0) return {};
    return images;
}

bool ReloadImageStrip(HIMAGELIST images, UINT bitmapId, int width, int height, int dpi) {
    if (!images) return false;
    ScopedBitmap strip = LoadScaledStrip(bitmapId, width, height, dpi);
    if (!strip) return false;
    // Setting the size empties the list; its handle, which menu items hold, stays.
    if (!::ImageList_SetIconSize(images, width, height)) return false;
    return ::ImageList_AddMasked(images, strip.get(), Bgr(brisova::kStripTransparent)) >= 0;
}
