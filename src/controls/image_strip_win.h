// Image lists cut from the program's bitmap strips, magenta being transparent.
#pragma once

#include "platform/handles_win.h"

// A masked image list of `width` x `height` images cut from bitmap resource `bitmapId`, with room
// for `initialCount` images and growing by one. The sizes are the bitmap's own, at 96 DPI; at
// another `dpi` the images are scaled to match (controls/image_scaling). Empty when the bitmap
// or the list cannot be made.
ScopedImageList LoadImageStrip(UINT bitmapId, int width, int height, int initialCount, int dpi = 96);

// Fills `images` again from bitmap `bitmapId` at `dpi`, as LoadImageStrip would have made them.
// The list keeps its handle, so whatever holds it (menu items, controls) needs no new one.
bool ReloadImageStrip(HIMAGELIST images, UINT bitmapId, int width, int height, int dpi);
