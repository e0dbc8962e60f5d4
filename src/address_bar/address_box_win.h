// What the two boxes that hold typed addresses share (the address bar's and the Open File
// dialog's): extended combo boxes whose items carry the web page image.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/handles_win.h"

// The image of every address item: image 1 of the address images.
inline constexpr int kAddressItemImage = 1;

// The small images' size at 96 DPI.
inline constexpr int kSmallImageSize = 16;

// A strip of small images from a bitmap resource, magenta transparent, made for `dpi`.
ScopedImageList LoadSmallImageStrip(UINT bitmapId, int initialCount, int dpi);
// The address images (bitmap 131).
ScopedImageList LoadAddressImages(int dpi);
// The address images made again for `dpi` into the list that holds them.
bool ReloadAddressImages(HIMAGELIST images, int dpi);

// Gives the box its images and lifts the length limit of its field.
void PrepareAddressBox(HWND box, HIMAGELIST images);

// The system's completion of addresses from the history and the typed list (shlwapi's
// SHAutoComplete, looked up when needed); silently nothing where the system lacks it.
void ApplySystemCompletion(HWND edit);

void InsertAddressItem(HWND box, int index, const std::string& text);
std::string AddressItemText(HWND box, int index);
std::vector<std::string> AddressItems(HWND box);
HWND AddressBoxEdit(HWND box);
