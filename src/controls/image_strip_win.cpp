#include "controls/image_strip_win.h"

#include "framework/wnd_win.h"

namespace {
constexpr COLORREF kTransparent = RGB(255, 0, 255);
}  // namespace

ScopedImageList LoadImageStrip(UINT bitmapId, int width, int height, int initialCount) {
    ScopedBitmap strip(::LoadBitmapA(ResourceInstance(), MAKEINTRESOURCEA(bitmapId)));
    if (!strip) return {};
    ScopedImageList images(::ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, initialCount, 1));
    if (!images) return {};
    if (::ImageList_AddMasked(images.get(), strip.get(), kTransparent) < 0) return {};
    return images;
}
