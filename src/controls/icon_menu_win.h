// Menu items drawn by the program: an image from an image list beside the item's text. Each such
// item carries a CIconMenuItem on the heap in its item data and owns it; whoever empties or
// destroys a menu with such items frees their records first (FreeOwnerDrawData). The item data
// points at the record's accessible text, where the system's accessibility layer looks for the
// text of an item it cannot read from the menu (screen readers name owner-drawn items by it).
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <memory>
#include <string>

#include "platform/handles_win.h"

// Each record knows it is alive: the item data of an owner-drawn item in a menu someone else
// built is never taken for one (IconMenuItemAt and the functions below read only live records).
class CIconMenuItem {
public:
    CIconMenuItem();
    CIconMenuItem(HIMAGELIST images, int image);
    CIconMenuItem(const CIconMenuItem& other);
    CIconMenuItem& operator=(const CIconMenuItem& other);
    virtual ~CIconMenuItem();

    // 0 only on the placeholder of a favourites folder not yet filled.
    int loaded = 1;
    // Not owned: the list belongs to the bar or the frame that made the item.
    HIMAGELIST images = nullptr;
    // -1 for no image.
    int image = -1;

    // Null and empty strings leave the field as it was.
    void SetText(const char* text);
    void SetTarget(const char* target);
    bool HasText() const { return !text_.empty(); }
    bool HasTarget() const { return !target_.empty(); }
    const std::string& text() const { return text_; }
    const std::string& target() const { return target_; }
    // What an owner-drawn item's data holds for this record.
    ULONG_PTR ItemData() const { return reinterpret_cast<ULONG_PTR>(&accessible_); }
    // The record an item's data names; null for data that is no live record.
    static CIconMenuItem* FromItemData(ULONG_PTR data);

private:
    void UpdateAccessibleText();

    std::string text_;
    std::string target_;
    // The accessibility layer's view of the item: a signature, then the text in UTF-16.
    MSAAMENUINFO accessible_{};
    std::wstring accessibleText_;
};

// Releases the records of every owner-drawn item of `menu` and of its sub-menus, and clears the
// items' data. 0 for an absent or invalid menu, else 1.
int FreeOwnerDrawData(HMENU menu);

inline void DestroyIconMenu(HMENU menu) {
    FreeOwnerDrawData(menu);
    ::DestroyMenu(menu);
}
// A menu whose owner-drawn items' records go with it.
using ScopedIconMenu = UniqueHandle<NullIsInvalid<HMENU, DestroyIconMenu>>;

// The record of the item at `position`; null for an item the program does not draw or one
// whose data is not a live record.
CIconMenuItem* IconMenuItemAt(HMENU menu, int position);

// Appends an owner-drawn item with command `id` carrying `item`. `state` takes MFS_ values. The
// menu owns the record once this succeeds; on failure the record is deleted.
bool AppendIconItem(HMENU menu, UINT state, UINT id, std::unique_ptr<CIconMenuItem> item);
// The same as an owner-drawn sub-menu item: the menu then owns `popup` too.
bool AppendIconPopup(HMENU menu, UINT state, std::unique_ptr<CIconMenuItem> item, ScopedIconMenu popup);

// A new pop-up with the items of `source`, in order: sub-menus copied the same way, separators,
// owner-drawn items with a copy of their record, and every other item with its id, text, check
// and enabled state. Null for an absent source.
ScopedIconMenu CopyIconMenu(HMENU source);

// Measures and draws the owner-drawn items for the window that owns their menus: the image at
// the left, the text beside it in the system's menu font.
class CIconMenu {
public:
    // Both are false, and touch nothing, for an item without a record. The text is in the menu
    // font made for `dpi`, the DPI of the window the menu opens from.
    bool MeasureItem(MEASUREITEMSTRUCT& measure, int dpi) const;
    bool DrawItem(const DRAWITEMSTRUCT& draw, int dpi) const;
};
