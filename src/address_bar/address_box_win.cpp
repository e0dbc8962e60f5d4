#include "address_bar/address_box_win.h"

#include <commctrl.h>

#include <cstring>

#include "controls/image_strip_win.h"
#include "framework/wnd_win.h"
#include "platform/window_dpi_win.h"
#include "resource.h"

namespace {
// SHACF_URLHISTORY | SHACF_URLMRU | SHACF_USETAB
constexpr DWORD kCompletionFlags = 0x2 | 0x4 | 0x8;
using AutoCompleteFn = HRESULT(WINAPI*)(HWND, DWORD);
}  // namespace

ScopedImageList LoadSmallImageStrip(UINT bitmapId, int initialCount, int dpi) {
    return LoadImageStrip(bitmapId, kSmallImageSize, kSmallImageSize, initialCount, dpi);
}

ScopedImageList LoadAddressImages(int dpi) {
    return LoadSmallImageStrip(IDB_MENUBAR, 7, dpi);
}

bool ReloadAddressImages(HIMAGELIST images, int dpi) {
    return ReloadImageStrip(images, IDB_MENUBAR, kSmallImageSize, kSmallImageSize, dpi);
}

void PrepareAddressBox(HWND box, HIMAGELIST images) {
    ::SendMessageA(box, CBEM_SETEXTENDEDSTYLE, CBES_EX_NOSIZELIMIT, CBES_EX_NOSIZELIMIT);
    ::SendMessageA(box, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
}

void ApplySystemCompletion(HWND edit) {
    if (!edit) return;
    ScopedModule shlwapi = LoadSystemModule("shlwapi.dll");
    if (!shlwapi) return;
    auto autoComplete = reinterpret_cast<AutoCompleteFn>(::GetProcAddress(shlwapi.get(), "SHAutoComplete"));
    if (autoComplete) autoComplete(edit, kCompletionFlags);
}

void InsertAddressItem(HWND box, int index, const std::string& text) {
    COMBOBOXEXITEMA item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = index;
    item.pszText = const_cast<char*>(text.c_str());
    item.iImage = kAddressItemImage;
    item.iSelectedImage = kAddressItemImage;
    ::SendMessageA(box, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

std::string AddressItemText(HWND box, int index) {
    // The box cannot tell a text's length: read until the buffer has room to spare.
    for (std::size_t capacity = 512;; capacity *= 2) {
        std::string buffer(capacity, '\0');
        COMBOBOXEXITEMA item{};
        item.mask = CBEIF_TEXT;
        item.iItem = index;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(capacity);
        if (!::SendMessageA(box, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return {};
        std::size_t length = ::strnlen(buffer.data(), capacity);
        if (length + 1 < capacity || capacity >= (1u << 24)) return buffer.substr(0, length);
    }
}

std::vector<std::string> AddressItems(HWND box) {
    std::vector<std::string> items;
    int count = static_cast<int>(::SendMessageA(box, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) items.push_back(AddressItemText(box, i));
    return items;
}

HWND AddressBoxEdit(HWND box) {
    return reinterpret_cast<HWND>(::SendMessageA(box, CBEM_GETEDITCONTROL, 0, 0));
}
