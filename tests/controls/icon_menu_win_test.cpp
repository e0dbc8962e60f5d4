// Owner-drawn icon menu items: who owns their records, copies of menus, drawing.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include <oleacc.h>

#include "controls/icon_menu_win.h"
#include "controls/menu_bar_win.h"
#include "resource.h"

namespace {
int liveRecords = 0;

// A record that counts how many of its kind are alive.
class CountedItem : public CIconMenuItem {
public:
    explicit CountedItem(const char* text) {
        SetText(text);
        ++liveRecords;
    }
    ~CountedItem() override { --liveRecords; }
};

std::string Text(HMENU menu, int position) {
    char text[64] = {};
    ::GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

UINT State(HMENU menu, int position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_FTYPE;
    ::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
    return (info.fState & MFS_CHECKED) | ((info.fState & MFS_GRAYED) ? MFS_GRAYED : 0) | (info.fType & MFT_RADIOCHECK);
}

// Items with records at the top, in an owner-drawn sub-menu and in a plain sub-menu.
ScopedMenu MenuWithRecords() {
    ScopedMenu menu(::CreatePopupMenu());
    AppendIconItem(menu.get(), 0, 10, std::make_unique<CountedItem>("top"));
    ::AppendMenuA(menu.get(), MF_STRING | MF_CHECKED, 11, "plain");
    ScopedIconMenu drawnSub(::CreatePopupMenu());
    AppendIconItem(drawnSub.get(), MFS_GRAYED, 20, std::make_unique<CountedItem>("inner"));
    ::AppendMenuA(drawnSub.get(), MF_SEPARATOR, 0, nullptr);
    ScopedIconMenu plainSub(::CreatePopupMenu());
    AppendIconItem(plainSub.get(), 0, 30, std::make_unique<CountedItem>("deep"));
    ::AppendMenuA(drawnSub.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(plainSub.release()), "&Plain sub");
    AppendIconPopup(menu.get(), 0, std::make_unique<CountedItem>("sub"), std::move(drawnSub));
    return menu;
}
}  // namespace

TEST(IconMenu, FreeOwnerDrawDataReleasesEveryRecordOfTheTreeOnce) {
    liveRecords = 0;
    ScopedMenu menu = MenuWithRecords();
    ASSERT_EQ(liveRecords, 4);
    EXPECT_EQ(FreeOwnerDrawData(menu.get()), 1);
    EXPECT_EQ(liveRecords, 0);
    HMENU drawnSub = ::GetSubMenu(menu.get(), 2);
    EXPECT_EQ(IconMenuItemAt(menu.get(), 0), nullptr);
    EXPECT_EQ(IconMenuItemAt(menu.get(), 2), nullptr);
    EXPECT_EQ(IconMenuItemAt(drawnSub, 0), nullptr);
    EXPECT_EQ(IconMenuItemAt(::GetSubMenu(drawnSub, 2), 0), nullptr);
    // The items themselves stay; a second pass finds nothing to release.
    EXPECT_EQ(::GetMenuItemCount(menu.get()), 3);
    EXPECT_EQ(Text(menu.get(), 1), "plain");
    EXPECT_EQ(FreeOwnerDrawData(menu.get()), 1);

    EXPECT_EQ(FreeOwnerDrawData(nullptr), 0);
    HMENU gone = ::CreatePopupMenu();
    ::DestroyMenu(gone);
    EXPECT_EQ(FreeOwnerDrawData(gone), 0);
}

// An owner-drawn item of a menu another part built carries data of its own: it is never read,
// copied, drawn or freed as a record.
TEST(IconMenu, ItemDataOfMenusOthersBuiltIsNeverTakenForARecord) {
    ScopedMenu menu(::CreatePopupMenu());
    int foreign = 7;
    ASSERT_TRUE(::AppendMenuA(menu.get(), MF_OWNERDRAW, 1, reinterpret_cast<LPCSTR>(&foreign)));
    EXPECT_EQ(IconMenuItemAt(menu.get(), 0), nullptr);
    CIconMenu drawer;
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, 1, 0, 0, reinterpret_cast<ULONG_PTR>(&foreign)};
    EXPECT_FALSE(drawer.MeasureItem(measure, 96));
    ScopedIconMenu copy = CopyIconMenu(menu.get());
    ASSERT_TRUE(copy);
    EXPECT_EQ(IconMenuItemAt(copy.get(), 0), nullptr);
    EXPECT_EQ(FreeOwnerDrawData(menu.get()), 1);
    EXPECT_EQ(foreign, 7);
}

TEST(IconMenu, TheMenuBarFreesTheRecordsOfItsMenuWhenTheMenuGoes) {
    liveRecords = 0;
    HWND parent = ::CreateWindowA("STATIC", "", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    {
        CMenuBar bar;
        ASSERT_TRUE(bar.Create(parent, 1, parent));
        ASSERT_TRUE(bar.LoadMenu(IDR_MAINFRAME));
        AppendIconItem(::GetSubMenu(bar.menu(), 0), 0, 10, std::make_unique<CountedItem>("favourite"));
        ASSERT_TRUE(bar.LoadMenu(IDR_MAINFRAME));
        EXPECT_EQ(liveRecords, 0);
        AppendIconItem(::GetSubMenu(bar.menu(), 0), 0, 10, std::make_unique<CountedItem>("favourite"));
    }
    EXPECT_EQ(liveRecords, 0);
    ::DestroyWindow(parent);
}

// A screen reader reads an owner-drawn item by the text its item data points at.
TEST(IconMenu, ItemDataCarriesTheTextForTheAccessibilityLayerInCopiesToo) {
    const auto accessibleText = [](HMENU menu, int position) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA;
        ::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
        const auto* msaa = reinterpret_cast<const MSAAMENUINFO*>(info.dwItemData);
        if (!msaa || msaa->dwMSAASignature != MSAA_MENU_SIG) return std::wstring(L"<none>");
        return std::wstring(msaa->pszWText, msaa->cchWText);
    };
    ScopedIconMenu menu(::CreatePopupMenu());
    auto item = std::make_unique<CIconMenuItem>();
    item->SetText("Caf\xC3\xA9 & more");
    AppendIconItem(menu.get(), 0, 10, std::move(item));
    EXPECT_EQ(accessibleText(menu.get(), 0), L"Caf\u00E9 & more");
    IconMenuItemAt(menu.get(), 0)->SetText("Renamed");
    EXPECT_EQ(accessibleText(menu.get(), 0), L"Renamed");
    ScopedIconMenu copy = CopyIconMenu(menu.get());
    EXPECT_EQ(accessibleText(copy.get(), 0), L"Renamed");
    EXPECT_NE(IconMenuItemAt(copy.get(), 0), IconMenuItemAt(menu.get(), 0));
}

TEST(IconMenu, CopyKeepsItemsAndStatesWithRecordsOfItsOwn) {
    liveRecords = 0;
    ScopedIconMenu source(MenuWithRecords().release());
    ::AppendMenuA(source.get(), MF_STRING | MF_GRAYED, 12, "disabled");
    ::AppendMenuA(source.get(), MF_STRING, 13, "radio");
    ::CheckMenuRadioItem(source.get(), 13, 13, 13, MF_BYCOMMAND);
    {
        ScopedIconMenu copy = CopyIconMenu(source.get());
        ASSERT_EQ(::GetMenuItemCount(copy.get()), 5);
        CIconMenuItem* top = IconMenuItemAt(copy.get(), 0);
        ASSERT_NE(top, nullptr);
        EXPECT_NE(top, IconMenuItemAt(source.get(), 0));
        EXPECT_EQ(top->text(), "top");
        EXPECT_EQ(::GetMenuItemID(copy.get(), 0), 10u);
        EXPECT_EQ(Text(copy.get(), 1), "plain");
        EXPECT_EQ(State(copy.get(), 1), static_cast<UINT>(MFS_CHECKED));
        EXPECT_EQ(State(copy.get(), 3), static_cast<UINT>(MFS_GRAYED));
        EXPECT_EQ(::GetMenuItemID(copy.get(), 4), 13u);
        EXPECT_EQ(State(copy.get(), 4), static_cast<UINT>(MFS_CHECKED | MFT_RADIOCHECK));

        HMENU drawnSub = ::GetSubMenu(copy.get(), 2);
        ASSERT_NE(drawnSub, nullptr);
        EXPECT_NE(drawnSub, ::GetSubMenu(source.get(), 2));
        EXPECT_EQ(IconMenuItemAt(copy.get(), 2)->text(), "sub");
        EXPECT_EQ(IconMenuItemAt(drawnSub, 0)->text(), "inner");
        EXPECT_EQ(State(drawnSub, 0), static_cast<UINT>(MFS_GRAYED));
        EXPECT_EQ(::GetMenuState(drawnSub, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
        EXPECT_EQ(Text(drawnSub, 2), "&Plain sub");
        EXPECT_EQ(IconMenuItemAt(::GetSubMenu(drawnSub, 2), 0)->text(), "deep");
    }
    // The copy's records were its own: the source's are all alive.
    EXPECT_EQ(liveRecords, 4);
    EXPECT_EQ(IconMenuItemAt(source.get(), 0)->text(), "top");
    source.reset();
    EXPECT_EQ(liveRecords, 0);
    EXPECT_FALSE(CopyIconMenu(nullptr));
}

namespace {
// A 32-bit drawing surface filled with white.
class Canvas {
public:
    Canvas(int cx, int cy) : dc_(::CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_.reset(::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        old_ = ::SelectObject(dc_, bitmap_.get());
        RECT all{0, 0, cx, cy};
        ::FillRect(dc_, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    }
    ~Canvas() {
        ::SelectObject(dc_, old_);
        ::DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    COLORREF At(int x, int y) const { return ::GetPixel(dc_, x, y); }
    bool Has(COLORREF colour, const RECT& r) const {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (At(x, y) == colour) return true;
        return false;
    }

private:
    HDC dc_;
    ScopedBitmap bitmap_;
    HGDIOBJ old_;
};

constexpr COLORREF kRed = RGB(255, 0, 0);

// One 16x16 image, all red; masked, as the tool bars' images are.
ScopedImageList RedImage() {
    ScopedImageList images(::ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 0));
    HDC dc = ::CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, 16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    ScopedBitmap strip(::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    HGDIOBJ old = ::SelectObject(dc, strip.get());
    UniqueHandle<NullIsInvalid<HBRUSH, DeleteGdiObject>> brush(::CreateSolidBrush(kRed));
    RECT all{0, 0, 16, 16};
    ::FillRect(dc, &all, brush.get());
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::ImageList_AddMasked(images.get(), strip.get(), RGB(255, 0, 255));
    return images;
}
}  // namespace

TEST(IconMenu, DrawsImageFrameTextAndGreyedStates) {
    ScopedImageList images = RedImage();
    CIconMenuItem item(images.get(), 0);
    item.SetText("Search");
    CIconMenu drawer;
    auto draw = [&](UINT state) {
        auto canvas = std::make_unique<Canvas>(200, 30);
        DRAWITEMSTRUCT d{};
        d.CtlType = ODT_MENU;
        d.itemAction = ODA_DRAWENTIRE;
        d.itemState = state;
        d.hDC = canvas->dc();
        d.rcItem = RECT{10, 5, 190, 29};
        d.itemData = item.ItemData();
        EXPECT_TRUE(drawer.DrawItem(d, 96));
        return canvas;
    };
    // The image at (left + 4, top + 2), framed two pixels out when checked: dark at the top left,
    // light at the bottom right.
    auto checked = draw(ODS_CHECKED);
    EXPECT_EQ(checked->At(11, 6), ::GetSysColor(COLOR_MENU));
    EXPECT_EQ(checked->At(14, 7), kRed);
    EXPECT_EQ(checked->At(29, 22), kRed);
    EXPECT_EQ(checked->At(12, 5), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(checked->At(31, 24), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    // The text starts 14 pixels right of the image.
    EXPECT_TRUE(checked->Has(::GetSysColor(COLOR_MENUTEXT), RECT{40, 7, 186, 27}));
    EXPECT_FALSE(checked->Has(::GetSysColor(COLOR_MENUTEXT), RECT{32, 5, 40, 29}));

    auto selected = draw(ODS_SELECTED);
    EXPECT_EQ(selected->At(11, 6), ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(selected->At(12, 5), ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_TRUE(selected->Has(::GetSysColor(COLOR_HIGHLIGHTTEXT), RECT{40, 7, 186, 27}));

    // Greyed: the image blended, the text grey over a light copy.
    auto greyed = draw(ODS_GRAYED);
    EXPECT_NE(greyed->At(14, 7), kRed);
    EXPECT_TRUE(greyed->Has(::GetSysColor(COLOR_GRAYTEXT), RECT{40, 7, 186, 27}));
    EXPECT_TRUE(greyed->Has(::GetSysColor(COLOR_BTNHIGHLIGHT), RECT{40, 7, 187, 28}));

    // Without a record nothing is drawn.
    Canvas blank(200, 30);
    DRAWITEMSTRUCT none{};
    none.CtlType = ODT_MENU;
    none.hDC = blank.dc();
    none.rcItem = RECT{10, 5, 190, 29};
    EXPECT_FALSE(drawer.DrawItem(none, 96));
    EXPECT_EQ(blank.At(11, 6), RGB(255, 255, 255));
}
