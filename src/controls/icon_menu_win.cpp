#include "controls/icon_menu_win.h"

#include "framework/text_win.h"
#include "platform/ui_fonts_win.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {
// The records alive now, by their item data. Menus and their records belong to the
// user-interface thread.
std::unordered_map<ULONG_PTR, CIconMenuItem*>& LiveRecords() {
    static std::unordered_map<ULONG_PTR, CIconMenuItem*> records;
    return records;
}

CIconMenuItem* RecordOf(ULONG_PTR data) {
    return CIconMenuItem::FromItemData(data);
}

// A device context of the screen for measuring.
class ScreenDC {
public:
    ScreenDC() : dc_(::GetDC(nullptr)) {}
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    ~ScreenDC() {
        if (dc_) ::ReleaseDC(nullptr, dc_);
    }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// Selects an object into a device context and puts the previous one back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(dc && object ? ::SelectObject(dc, object) : nullptr) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() {
        if (old_) ::SelectObject(dc_, old_);
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// The text colour and background mode of a device context, put back at the end.
class TextState {
public:
    explicit TextState(HDC dc) : dc_(dc), colour_(::GetTextColor(dc)), mode_(::GetBkMode(dc)) {}
    TextState(const TextState&) = delete;
    TextState& operator=(const TextState&) = delete;
    ~TextState() {
        ::SetTextColor(dc_, colour_);
        ::SetBkMode(dc_, mode_);
    }

private:
    HDC dc_;
    COLORREF colour_;
    int mode_;
};

SIZE ImageSize(HIMAGELIST images) {
    int cx = 0, cy = 0;
    if (images) ::ImageList_GetIconSize(images, &cx, &cy);
    return SIZE{cx, cy};
}

// Items are drawn with DrawText, which shows "&" as an underline: measured the same way.
SIZE TextSize(HDC dc, const std::string& text) {
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc, &metrics);
    RECT r{0, 0, 0, 0};
    if (!text.empty())
        ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_CALCRECT);
    return SIZE{r.right - r.left, metrics.tmHeight};
}

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
    COLORREF old = ::SetBkColor(dc, colour);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    ::SetBkColor(dc, old);
}

// A one-pixel frame just inside `r`: `topLeft` along the top and left, `bottomRight` along the
// other two sides.
void Frame3d(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    FillSolid(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    FillSolid(dc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    FillSolid(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    FillSolid(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
}

std::string MenuText(HMENU menu, int position) {
    int length = ::GetMenuStringA(menu, static_cast<UINT>(position), nullptr, 0, MF_BYPOSITION);
    if (length <= 0) return {};
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    ::GetMenuStringA(menu, static_cast<UINT>(position), text.data(), length + 1, MF_BYPOSITION);
    return text.data();
}

bool AppendItem(HMENU menu, MENUITEMINFOA& info) {
    return ::InsertMenuItemA(menu, static_cast<UINT>(::GetMenuItemCount(menu)), TRUE, &info) != 0;
}

bool AppendOwnerDrawn(HMENU menu, UINT state, UINT id, std::unique_ptr<CIconMenuItem> item, HMENU popup) {
    if (!menu || !item) return false;
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | (popup ? MIIM_SUBMENU : 0);
    info.fType = MFT_OWNERDRAW;
    info.fState = state;
    info.wID = id;
    info.hSubMenu = popup;
    info.dwItemData = item->ItemData();
    if (!AppendItem(menu, info)) return false;
    item.release();
    return true;
}

bool AppendText(HMENU menu, UINT type, UINT state, UINT id, const std::string& text, HMENU popup) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | (popup ? MIIM_SUBMENU : 0);
    info.fType = type;
    info.fState = state;
    info.wID = id;
    info.hSubMenu = popup;
    info.dwTypeData = const_cast<char*>(text.c_str());
    return AppendItem(menu, info);
}
}  // namespace

void CIconMenuItem::SetText(const char* text) {
    if (!text || !*text) return;
    text_ = text;
    UpdateAccessibleText();
}

void CIconMenuItem::SetTarget(const char* target) {
    if (target && *target) target_ = target;
}

CIconMenuItem::CIconMenuItem() {
    LiveRecords()[ItemData()] = this;
    UpdateAccessibleText();
}

CIconMenuItem::CIconMenuItem(HIMAGELIST images, int image) : images(images), image(image) {
    LiveRecords()[ItemData()] = this;
    UpdateAccessibleText();
}

CIconMenuItem::CIconMenuItem(const CIconMenuItem& other)
    : loaded(other.loaded), images(other.images), image(other.image), text_(other.text_), target_(other.target_) {
    LiveRecords()[ItemData()] = this;
    UpdateAccessibleText();
}

CIconMenuItem& CIconMenuItem::operator=(const CIconMenuItem& other) {
    loaded = other.loaded;
    images = other.images;
    image = other.image;
    text_ = other.text_;
    target_ = other.target_;
    UpdateAccessibleText();
    return *this;
}

CIconMenuItem::~CIconMenuItem() {
    LiveRecords().erase(ItemData());
}

CIconMenuItem* CIconMenuItem::FromItemData(ULONG_PTR data) {
    auto found = data ? LiveRecords().find(data) : LiveRecords().end();
    return found != LiveRecords().end() ? found->second : nullptr;
}

void CIconMenuItem::UpdateAccessibleText() {
    accessibleText_ = WideFromNarrow(text_);
    accessible_.dwMSAASignature = MSAA_MENU_SIG;
    accessible_.cchWText = static_cast<DWORD>(accessibleText_.size());
    accessible_.pszWText = accessibleText_.data();
}

int FreeOwnerDrawData(HMENU menu) {
    if (!menu || !::IsMenu(menu)) return 0;
    int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_SUBMENU;
        if (!::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        if (CIconMenuItem* record = (info.fType & MFT_OWNERDRAW) ? RecordOf(info.dwItemData) : nullptr) {
            delete record;
            MENUITEMINFOA cleared{};
            cleared.cbSize = sizeof cleared;
            cleared.fMask = MIIM_DATA;
            ::SetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &cleared);
        }
        if (info.hSubMenu) FreeOwnerDrawData(info.hSubMenu);
    }
    return 1;
}

CIconMenuItem* IconMenuItemAt(HMENU menu, int position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    if (!::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info) || !(info.fType & MFT_OWNERDRAW))
        return nullptr;
    return RecordOf(info.dwItemData);
}

bool AppendIconItem(HMENU menu, UINT state, UINT id, std::unique_ptr<CIconMenuItem> item) {
    return AppendOwnerDrawn(menu, state, id, std::move(item), nullptr);
}

bool AppendIconPopup(HMENU menu, UINT state, std::unique_ptr<CIconMenuItem> item, ScopedIconMenu popup) {
    if (!popup || !AppendOwnerDrawn(menu, state, 0, std::move(item), popup.get())) return false;
    popup.release();
    return true;
}

ScopedIconMenu CopyIconMenu(HMENU source) {
    if (!source || !::IsMenu(source)) return ScopedIconMenu();
    ScopedIconMenu copy(::CreatePopupMenu());
    if (!copy) return copy;
    int count = ::GetMenuItemCount(source);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
        if (!::GetMenuItemInfoA(source, static_cast<UINT>(i), TRUE, &info)) continue;
        if (info.fType & MFT_SEPARATOR) {
            ::AppendMenuA(copy.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT state = info.fState & (MFS_CHECKED | MFS_GRAYED);
        const auto* record =
            (info.fType & MFT_OWNERDRAW) ? RecordOf(info.dwItemData) : nullptr;
        if (info.hSubMenu) {
            ScopedIconMenu sub = CopyIconMenu(info.hSubMenu);
            if (record) AppendIconPopup(copy.get(), state, std::make_unique<CIconMenuItem>(*record), std::move(sub));
            else if (AppendText(copy.get(), MFT_STRING, state, 0, MenuText(source, i), sub.get())) sub.release();
        } else if (record) {
            AppendIconItem(copy.get(), state, info.wID, std::make_unique<CIconMenuItem>(*record));
        } else {
            AppendText(copy.get(), MFT_STRING | (info.fType & MFT_RADIOCHECK), state, info.wID, MenuText(source, i),
                       nullptr);
        }
    }
    return copy;
}

bool CIconMenu::MeasureItem(MEASUREITEMSTRUCT& measure, int dpi) const {
    const CIconMenuItem* item = RecordOf(measure.itemData);
    if (!item) return false;
    const SIZE image = ImageSize(item->images);
    ScreenDC dc;
    ScopedFont font = MakeUiFont(UiFont::Menu, dpi);
    Selection selected(dc.get(), font.get());
    const SIZE text = TextSize(dc.get(), item->text());
    measure.itemWidth = static_cast<UINT>(text.cx + 2 * image.cx + 1);
    measure.itemHeight = static_cast<UINT>(std::max(image.cy + 4, text.cy + 4));
    return true;
}

bool CIconMenu::DrawItem(const DRAWITEMSTRUCT& draw, int dpi) const {
    const CIconMenuItem* item = RecordOf(draw.itemData);
    if (!item) return false;
    HDC dc = draw.hDC;
    const RECT& r = draw.rcItem;
    const bool highlighted = (draw.itemState & ODS_SELECTED) && (draw.itemAction & (ODA_DRAWENTIRE | ODA_SELECT));
    const bool greyed = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const COLORREF back = ::GetSysColor(highlighted ? COLOR_HIGHLIGHT : COLOR_MENU);
    const COLORREF fore = ::GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    FillSolid(dc, r, back);

    const SIZE image = ImageSize(item->images);
    if (item->images && item->image >= 0) {
        const int x = r.left + 4;
        const int y = r.top + 2;
        ::ImageList_DrawEx(item->images, item->image, dc, x, y, image.cx, image.cy, back,
                           greyed ? CLR_NONE : CLR_DEFAULT, greyed ? ILD_BLEND25 : ILD_NORMAL);
        // A checked item shows its image pressed in.
        if (draw.itemState & ODS_CHECKED)
            Frame3d(dc, RECT{x - 2, y - 2, x + image.cx + 2, y + image.cy + 2}, ::GetSysColor(COLOR_BTNSHADOW),
                    ::GetSysColor(COLOR_BTNHIGHLIGHT));
    }

    if (!item->HasText()) return true;
    ScopedFont font = MakeUiFont(UiFont::Menu, dpi);
    Selection selected(dc, font.get());
    TextState state(dc);
    ::SetBkMode(dc, TRANSPARENT);
    RECT text{r.left + image.cx + 14, r.top + 2, r.right - 4, r.bottom - 2};
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    const std::string& s = item->text();
    const int length = static_cast<int>(s.size());
    if (greyed) {
        // Engraved: a light copy one pixel down and right, unless the item is highlighted.
        if (!highlighted) {
            RECT shadow{text.left + 1, text.top + 1, text.right + 1, text.bottom + 1};
            ::SetTextColor(dc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
            ::DrawTextA(dc, s.c_str(), length, &shadow, format);
        }
        ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
    } else {
        ::SetTextColor(dc, fore);
    }
    ::DrawTextA(dc, s.c_str(), length, &text, format);
    return true;
}
