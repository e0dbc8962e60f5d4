// The chevron menu of the frame's tool bar band, and the frame's measuring of owner-drawn menu
// items, under Wine.
#include "support/app_fixture_win.h"

#include <windows.h>
#include <commctrl.h>

#include "controls/icon_menu_win.h"
#include "framework/menu_helpers_win.h"
#include "resource.h"

namespace {
struct ShownItem {
    UINT id;
    UINT state;  // MFS_CHECKED and MFS_GRAYED only, whichever of the greyed bits is set
    bool ownerDrawn;
    HMENU popup;
    std::string text;  // the record's text for owner-drawn items, else the item's
    int image;
    HIMAGELIST images;
    bool separator;
};

std::vector<ShownItem> Items(HMENU menu) {
    std::vector<ShownItem> items;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        ::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        const UINT state = (info.fState & MFS_CHECKED) | ((info.fState & MFS_GRAYED) ? MFS_GRAYED : 0);
        ShownItem item{info.wID, state, (info.fType & MFT_OWNERDRAW) != 0,
                       info.hSubMenu, text, -1, nullptr, (info.fType & MFT_SEPARATOR) != 0};
        if (item.ownerDrawn) {
            const CIconMenuItem* record = IconMenuItemAt(menu, i);
            EXPECT_NE(record, nullptr) << "item " << i << " has no record";
            if (record) {
                item.text = record->text();
                item.image = record->image;
                item.images = record->images;
            }
        }
        items.push_back(item);
    }
    return items;
}
}  // namespace

class ChevronMenu : public AppFixture {
protected:
    // Home, a separator, Back, Search, a separator, Font, New.
    void StartWithToolBar() {
        WriteSetting("EnableHomePage", "0");
        const std::string ini = directory_ + "Brisova.ini";
        const char* sequence[] = {"6", "1", "2", "8", "1", "13", "0", "-1"};
        for (int i = 0; i < 8; ++i)
            ::WritePrivateProfileStringA("ToolBar", ("B" + std::to_string(i)).c_str(), sequence[i], ini.c_str());
        ASSERT_TRUE(Start());
    }
    ScopedIconMenu BuildMenu() {
        return frame().topRebar().BuildChevronMenu(frame().topRebar().IndexOf(ID_BAR_TOOLBARS));
    }
    RECT ButtonRect(UINT command) {
        RECT r{};
        int index = static_cast<int>(frame().toolBar().SendMessage(TB_COMMANDTOINDEX, command));
        frame().toolBar().SendMessage(TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    // Runs the command and returns where the menu it opened showed on the screen.
    RECT MenuOpenedBy(UINT command) {
        static RECT shown;
        shown = {};
        ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
            ::KillTimer(nullptr, id);
            ::EnumThreadWindows(
                ::GetCurrentThreadId(),
                [](HWND hwnd, LPARAM) -> BOOL {
                    char name[16] = {};
                    ::GetClassNameA(hwnd, name, sizeof name);
                    if (!::IsWindowVisible(hwnd) || lstrcmpA(name, "#32768") != 0) return TRUE;
                    ::GetWindowRect(hwnd, &shown);
                    return FALSE;
                },
                0);
            ::EndMenu();
        });
        ::SetForegroundWindow(frame().m_hWnd);
        Command(command);
        return shown;
    }
};

TEST_F(ChevronMenu, ListsTheButtonsThatDoNotFitWithTheirImagesStatesAndMenus) {
    StartWithToolBar();
    // As narrow as the frame goes: the band keeps room for its first button only.
    SetClientWidth(100);
    const int barWidth = frame().toolBar().GetClientRect().right;
    ASSERT_LT(ButtonRect(ID_GO_START_PAGE).right, barWidth);
    ASSERT_GT(ButtonRect(ID_GO_BACK).right, barWidth);
    ASSERT_EQ(frame().toolBar().SendMessage(TB_ISBUTTONENABLED, ID_GO_BACK), 0);
    frame().toolBar().SendMessage(TB_CHECKBUTTON, ID_VIEW_SEARCH, TRUE);
    HMENU fonts = FindSubMenu(FindSubMenu(frame().menuBar().menu(), "&View"), "Fo&nts");
    ::CheckMenuItem(fonts, ID_FONT_MEDIUM, MF_BYCOMMAND | MF_CHECKED);

    ScopedIconMenu menu = BuildMenu();
    ASSERT_TRUE(menu);
    std::vector<ShownItem> items = Items(menu.get());
    // The separator between Home and Back comes before anything was listed and is left out.
    ASSERT_EQ(items.size(), 5u);
    HIMAGELIST images = frame().toolBar().normalImages();
    EXPECT_EQ(items[0].id, static_cast<UINT>(ID_GO_BACK));
    EXPECT_EQ(items[0].text, "Back");
    EXPECT_EQ(items[0].image, 0);
    EXPECT_EQ(items[0].state, static_cast<UINT>(MFS_GRAYED));
    EXPECT_EQ(items[1].id, static_cast<UINT>(ID_VIEW_SEARCH));
    EXPECT_EQ(items[1].text, "Search");
    EXPECT_EQ(items[1].image, 5);
    EXPECT_EQ(items[1].state, static_cast<UINT>(MFS_CHECKED));
    EXPECT_TRUE(items[2].separator);
    EXPECT_EQ(items[3].text, "Font");
    EXPECT_EQ(items[3].image, 8);
    EXPECT_EQ(items[4].text, "New");
    EXPECT_EQ(items[4].image, 9);
    for (int i : {0, 1, 3, 4}) {
        EXPECT_TRUE(items[i].ownerDrawn) << i;
        EXPECT_EQ(items[i].images, images) << i;
    }

    // Font and New open copies of the main menu's pop-ups, with their items' states.
    ASSERT_NE(items[3].popup, nullptr);
    ASSERT_NE(items[3].popup, fonts);
    std::vector<ShownItem> sizes = Items(items[3].popup);
    ASSERT_EQ(sizes.size(), 5u);
    EXPECT_EQ(sizes[0].text, "Largest");
    EXPECT_EQ(sizes[0].id, static_cast<UINT>(ID_FONT_LARGEST));
    EXPECT_EQ(sizes[2].id, static_cast<UINT>(ID_FONT_MEDIUM));
    EXPECT_EQ(sizes[2].state, static_cast<UINT>(MFS_CHECKED));
    EXPECT_EQ(sizes[4].text, "Smallest");
    ASSERT_NE(items[4].popup, nullptr);
    std::vector<ShownItem> news = Items(items[4].popup);
    ASSERT_EQ(news.size(), 3u);
    EXPECT_EQ(news[0].id, static_cast<UINT>(ID_FILE_NEW_BLANK));

    // A pressed button shows checked, and greyed as well while disabled.
    frame().toolBar().SendMessage(TB_PRESSBUTTON, ID_GO_BACK, TRUE);
    EXPECT_EQ(Items(BuildMenu().get())[0].state, static_cast<UINT>(MFS_CHECKED | MFS_GRAYED));

    // A button that ends exactly at the bar's edge is whole and stays off the menu.
    const int height = frame().toolBar().GetClientRect().bottom;
    ::SetWindowPos(frame().toolBar().m_hWnd, nullptr, 0, 0, ButtonRect(ID_VIEW_SEARCH).right, height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    std::vector<ShownItem> rest = Items(BuildMenu().get());
    ASSERT_EQ(rest.size(), 2u);
    EXPECT_EQ(rest[0].text, "Font");
    EXPECT_EQ(rest[1].text, "New");
}

TEST_F(ChevronMenu, IsEmptyWhenEveryButtonFits) {
    StartWithToolBar();
    SetClientWidth(1000);
    EXPECT_FALSE(BuildMenu());
}

TEST_F(ChevronMenu, FrameMeasuresOwnerDrawnMenuItemsOnly) {
    StartWithToolBar();
    ScopedImageList images(::ImageList_Create(30, 40, ILC_COLOR24, 1, 0));
    CIconMenuItem item(images.get(), 0);
    auto measure = [&](UINT type, const CIconMenuItem* data) {
        MEASUREITEMSTRUCT m{};
        m.CtlType = type;
        m.itemData = data ? data->ItemData() : 0;
        frame().SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&m));
        return SIZE{static_cast<LONG>(m.itemWidth), static_cast<LONG>(m.itemHeight)};
    };
    // Two image widths and one pixel beside the text; the taller of image and text, and 4.
    SIZE imageOnly = measure(ODT_MENU, &item);
    EXPECT_EQ(imageOnly.cx, 61);
    EXPECT_EQ(imageOnly.cy, 44);
    item.SetText("Texthgp");
    SIZE withText = measure(ODT_MENU, &item);
    EXPECT_GT(withText.cx, 61);
    EXPECT_EQ(withText.cy, 44);
    EXPECT_EQ(measure(ODT_MENU, nullptr).cx, 0);
    EXPECT_EQ(measure(ODT_LISTBOX, &item).cx, 0);
}

TEST_F(ChevronMenu, OtherBandsOfferTheirPlainButtonsOnly) {
    StartWithToolBar();
    HWND bar = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN,
                                 0, 0, 0, 0, frame().topRebar().m_hWnd, reinterpret_cast<HMENU>(77), nullptr, nullptr);
    ::SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBBUTTON buttons[] = {{0, ID_FONT_BUTTON, TBSTATE_ENABLED, BTNS_DROPDOWN, {}, 0, 0},
                          {1, ID_VIEW_STOP, 0, BTNS_BUTTON, {}, 0, 0}};
    ::SendMessageA(bar, TB_ADDBUTTONSA, 2, reinterpret_cast<LPARAM>(buttons));
    CChevBar::Band band;
    band.child = bar;
    band.id = 77;
    band.style = RBBS_BREAK | RBBS_USECHEVRON;
    ASSERT_TRUE(frame().topRebar().AddBand(band));
    ::SetWindowPos(bar, nullptr, 0, 0, 1, 20, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    ScopedIconMenu menu = frame().topRebar().BuildChevronMenu(frame().topRebar().IndexOf(77));
    ASSERT_TRUE(menu);
    std::vector<ShownItem> items = Items(menu.get());
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].id, static_cast<UINT>(ID_VIEW_STOP));
    EXPECT_EQ(items[0].text, "Stop");
    EXPECT_FALSE(items[0].ownerDrawn);
    EXPECT_EQ(items[0].state, static_cast<UINT>(MFS_GRAYED));
}

TEST_F(ChevronMenu, MenuBarOffersItsHiddenMenusWhole) {
    StartWithToolBar();
    SetClientWidth(108);
    ScopedIconMenu menu = frame().topRebar().BuildChevronMenu(frame().topRebar().IndexOf(1));
    ASSERT_TRUE(menu);
    std::vector<ShownItem> items = Items(menu.get());
    ASSERT_FALSE(items.empty());
    // Each hidden menu is named by its own title, whatever string shares its position's number.
    for (const ShownItem& item : items) {
        EXPECT_NE(item.text, "Go");
        EXPECT_NE(item.popup, nullptr) << item.text;
    }
    // The last menu of the bar is always among the hidden ones, as a copy of itself.
    const ShownItem& help = items.back();
    EXPECT_EQ(help.text, "&Help");
    ASSERT_NE(help.popup, nullptr);
    HMENU original = FindSubMenu(frame().menuBar().menu(), "&Help");
    EXPECT_NE(help.popup, original);
    ASSERT_EQ(::GetMenuItemCount(help.popup), ::GetMenuItemCount(original));
    EXPECT_EQ(::GetMenuItemID(help.popup, 0), ::GetMenuItemID(original, 0));
    // Destroying the chevron menu leaves the menu bar's own menus alone.
    menu.reset();
    EXPECT_TRUE(::IsMenu(original));
}

TEST_F(ChevronMenu, AButtonsMenuOpensUnderItUnderTheChevronWhenCutOffOrAtTheTopInFullScreen) {
    StartWithToolBar();
    SetClientWidth(1000);
    RECT font = ButtonRect(ID_FONT_BUTTON);
    ::MapWindowPoints(frame().toolBar().m_hWnd, nullptr, reinterpret_cast<POINT*>(&font), 2);
    RECT menu = MenuOpenedBy(ID_FONT_BUTTON);
    EXPECT_EQ(menu.left, font.left);
    EXPECT_EQ(menu.top, font.bottom + 1);

    SetClientWidth(100);
    const RECT bar = frame().toolBar().GetWindowRect();
    menu = MenuOpenedBy(ID_FONT_BUTTON);
    EXPECT_EQ(menu.right, bar.right);
    EXPECT_EQ(menu.top, bar.bottom);

    Command(ID_VIEW_FULLSCREEN);
    PumpPending();
    ASSERT_FALSE(frame().toolBar().IsWindowVisible());
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    menu = MenuOpenedBy(ID_FONT_BUTTON);
    EXPECT_EQ(menu.left, work.left);
    EXPECT_EQ(menu.top, work.top);
}
