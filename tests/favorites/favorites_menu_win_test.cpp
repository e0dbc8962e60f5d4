// The Favorites menu under Wine, built from a Favorites folder and stored orders of the test's own.
#include "support/app_fixture_win.h"
#include "support/shortcut_files_win.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <new>
#include <set>

#include "controls/icon_menu_win.h"
#include "framework/text_win.h"
#include "platform/handles_win.h"
#include "resource.h"

// Every allocation of the test program is counted, so that a test can see records that are never
// freed.
namespace {
std::atomic<long long> liveAllocations{0};
}  // namespace

void* operator new(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) throw std::bad_alloc();
    ++liveAllocations;
    return p;
}
void operator delete(void* p) noexcept {
    if (!p) return;
    --liveAllocations;
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {
struct Shown {
    std::string text;
    UINT id = 0;
    int image = -1;
    HMENU popup = nullptr;
    bool greyed = false;
    bool columnBreak = false;
};

std::vector<Shown> ItemsOf(HMENU menu, int from = 0) {
    std::vector<Shown> items;
    for (int i = from; i < ::GetMenuItemCount(menu); ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
        ::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        Shown item;
        item.id = info.wID;
        item.popup = info.hSubMenu;
        item.greyed = (info.fState & MFS_GRAYED) != 0;
        item.columnBreak = (info.fType & MFT_MENUBARBREAK) != 0;
        if (const CIconMenuItem* record = IconMenuItemAt(menu, i)) {
            item.text = record->text();
            item.image = record->image;
        }
        items.push_back(item);
    }
    return items;
}

std::vector<std::string> TextsOf(const std::vector<Shown>& items) {
    std::vector<std::string> texts;
    for (const Shown& item : items) texts.push_back(item.text);
    return texts;
}

const Shown& Named(const std::vector<Shown>& items, const std::string& text) {
    for (const Shown& item : items)
        if (item.text == text) return item;
    static const Shown none;
    ADD_FAILURE() << "no item " << text;
    return none;
}
}  // namespace

class FavoritesMenu : public AppFixture {
protected:
    // The program starts without a window.
    FavoritesMenu() { WriteSetting("EnableHomePage", "0"); }
    std::string FavoritePath(const std::string& relative) const { return favorites_.folder + "\\" + relative; }
    void WriteUrl(const std::string& relative, const std::string& address) const {
        WriteInternetShortcut(FavoritePath(relative), address);
    }
    void MakeFolder(const std::string& relative) const { ::CreateDirectoryA(FavoritePath(relative).c_str(), nullptr); }
    void WriteLink(const std::string& relative, const std::string& target) const {
        WriteShellLink(FavoritePath(relative), target);
    }
    // A stored order for the folder at `relative` (empty for the Favorites folder): narrow names,
    // each with its attributes, in the order given.
    void WriteOrder(const std::string& relative, const std::vector<std::pair<std::uint16_t, std::string>>& entries) {
        std::vector<BYTE> value(8, 0);
        const auto put = [&](std::uint32_t v, int bytes) {
            for (int i = 0; i < bytes; ++i) value.push_back(static_cast<BYTE>(v >> (8 * i)));
        };
        put(0x0C, 4);
        put(1, 4);
        put(static_cast<std::uint32_t>(entries.size()), 4);
        for (std::size_t p = 0; p < entries.size(); ++p) {
            const std::size_t start = value.size();
            put(0, 4);
            put(static_cast<std::uint32_t>(p), 4);
            put(0, 2 + 2 + 4 + 2 + 2);
            put(entries[p].first, 2);
            value.insert(value.end(), entries[p].second.begin(), entries[p].second.end());
            put(0, 2);
            const auto size = static_cast<std::uint32_t>(value.size() - start);
            for (int i = 0; i < 4; ++i) value[start + i] = static_cast<BYTE>(size >> (8 * i));
        }
        std::string key = favorites_.orderKey + relative;
        while (key.back() == '\\') key.pop_back();
        HKEY raw = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw,
                                    nullptr),
                  ERROR_SUCCESS);
        ScopedKey opened(raw);
        ::RegSetValueExA(opened.get(), "Order", 0, REG_BINARY, value.data(), static_cast<DWORD>(value.size()));
    }
    HMENU Favorites() { return frame().favorites().Popup(); }
    // What the frame does when the menu opens.
    void Open(HMENU popup) { frame().SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0); }
};

TEST_F(FavoritesMenu, ShowsTheFolderInItsStoredOrderAndFillsSubFoldersOnceOnOpening) {
    WriteUrl("News Site.url", "http://news.example/");
    WriteUrl("apple.url", "http://apple.example/");
    WriteUrl("Zeta.url", "http://zeta.example/");
    WriteUrl("abcdefghijklmnopqrstuvwxyz1234.url", "http://long.example/");
    WriteUrl("notes.txt", "http://notes.example/");
    WriteUrl("secret.url", "http://secret.example/");
    ::SetFileAttributesA(FavoritePath("secret.url").c_str(), FILE_ATTRIBUTE_HIDDEN);
    MakeFolder("beta");
    WriteUrl("beta\\inner.url", "http://inner.example/");
    MakeFolder("beta\\deeper");
    MakeFolder("Alpha");
    std::ofstream(FavoritePath("Alpha\\kestufolder.kcf")) << "[Kestu]\r\nMostFav=10\r\n";
    MakeFolder("Hidden");
    ::SetFileAttributesA(FavoritePath("Hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
    WriteOrder("", {{0x20, "ZETA.url"}, {0x10, "beta"}, {0x20, "gone.url"}});
    ASSERT_TRUE(Start());

    std::vector<Shown> root = ItemsOf(Favorites(), 3);
    EXPECT_EQ(TextsOf(root), (std::vector<std::string>{"Zeta", "beta", "Alpha", "Hidden", "abcdefghijklmnopqrstuvw...",
                                                      "apple", "News Site"}));
    const std::vector<int> images = {1, 0, 5, 0, 1, 1, 1};
    std::set<UINT> rootIds;
    for (std::size_t i = 0; i < root.size(); ++i) {
        EXPECT_EQ(root[i].image, images[i]) << root[i].text;
        EXPECT_EQ(root[i].popup != nullptr, images[i] != 1) << root[i].text;
        if (!root[i].popup) rootIds.insert(root[i].id);
    }
    // Four links, numbered from the first favourite command on in whatever order the folder lists them.
    EXPECT_EQ(rootIds, (std::set<UINT>{ID_FAV_FIRST, ID_FAV_FIRST + 1, ID_FAV_FIRST + 2, ID_FAV_FIRST + 3}));

    // A sub-folder holds its placeholder until it opens; it is filled once.
    HMENU beta = Named(root, "beta").popup;
    ASSERT_EQ(ItemsOf(beta).size(), 1u);
    EXPECT_TRUE(ItemsOf(beta)[0].greyed);
    Open(beta);
    Open(beta);
    std::vector<Shown> inside = ItemsOf(beta);
    EXPECT_EQ(TextsOf(inside), (std::vector<std::string>{"deeper", "inner"}));
    EXPECT_EQ(inside[1].id, ID_FAV_FIRST + 4u);

    // Choosing: with no window the page opens in a new one; then in the active window.
    Command(Named(root, "News Site").id);
    EXPECT_EQ(Addresses(), (std::vector<std::string>{"http://news.example/"}));
    Command(inside[1].id);
    EXPECT_EQ(Addresses(), (std::vector<std::string>{"http://inner.example/"}));

    // A copy of the menu, as the menu bar's chevron shows it, fills its own sub-folder and its
    // links open what they name.
    ScopedIconMenu copy = CopyIconMenu(Favorites());
    HMENU copiedAlpha = nullptr;
    for (const Shown& item : ItemsOf(copy.get()))
        if (item.text == "Alpha") copiedAlpha = item.popup;
    ASSERT_NE(copiedAlpha, nullptr);
    WriteUrl("Alpha\\from copy.url", "http://copy.example/");
    Open(copiedAlpha);
    ASSERT_EQ(ItemsOf(copiedAlpha).size(), 1u);
    copy.reset();
    Command(ID_FAV_FIRST + 5);
    EXPECT_EQ(Addresses(), (std::vector<std::string>{"http://copy.example/"}));
}

TEST_F(FavoritesMenu, LinksOpenWhatTheyNameInANewWindowWhenAskedAndEmptyOrFolderLinksOpenNothingUseful) {
    WriteSetting("FavNewWindow", "1");
    WriteSetting("ActiveNewWindow", "0");
    WriteUrl("site.url", "http://site.example/");
    WriteUrl("no address.url", "");
    std::ofstream(directory_ + "page.htm") << "<p>saved</p>";
    WriteLink("page.lnk", directory_ + "page.htm");
    WriteLink("folder.lnk", favorites_.folder);
    ASSERT_TRUE(Start());
    const std::vector<Shown> root = ItemsOf(Favorites(), 3);
    ASSERT_EQ(TextsOf(root), (std::vector<std::string>{"folder", "no address", "page", "site"}));

    Command(Named(root, "site").id);
    ASSERT_EQ(Windows().size(), 1u);
    CChildFrame* first = ActiveWindow();
    // A new window behind the active one.
    Command(Named(root, "page").id);
    EXPECT_EQ(Addresses(), (std::vector<std::string>{"http://site.example/", directory_ + "page.htm"}));
    EXPECT_EQ(ActiveWindow(), first);
    // A shortcut without an address opens an empty window; a link to a folder opens nothing.
    Command(Named(root, "no address").id);
    Command(Named(root, "folder").id);
    EXPECT_EQ(Addresses(), (std::vector<std::string>{"http://site.example/", directory_ + "page.htm", ""}));
}

TEST_F(FavoritesMenu, AddAndOrganizeRebuildTheMenuAndFreeTheOldItems) {
    int added = 0;
    favorites_.addFavorite = [&](HWND, const std::string& address, const std::string&) {
        WriteUrl("added.url", address);
        ++added;
        return true;
    };
    std::string organized;
    favorites_.organize = [&](HWND, const std::string& folder) {
        organized = folder;
        WriteUrl("organized.url", "http://organized.example/");
    };
    for (const char* name : {"a.url", "b.url", "c.url"}) WriteUrl(name, "http://x.example/");
    MakeFolder("One");
    MakeFolder("Two");
    ASSERT_TRUE(Start());
    EXPECT_FALSE(CommandEnabled(ID_FAV_ADD));
    EXPECT_TRUE(CommandEnabled(ID_FAV_ORGANIZE));
    Command(ID_FAV_ADD);
    EXPECT_EQ(added, 0);

    const std::string page = "http://page.example/";
    frame().OpenWindow(false, &page, true);
    PumpPending();
    EXPECT_TRUE(CommandEnabled(ID_FAV_ADD));
    Command(ID_FAV_ADD);
    EXPECT_EQ(TextsOf(ItemsOf(Favorites(), 3)), (std::vector<std::string>{"One", "Two", "a", "added", "b", "c"}));
    Command(ID_FAV_ORGANIZE);
    EXPECT_EQ(organized, favorites_.folder);
    EXPECT_EQ(ItemsOf(Favorites(), 3).size(), 7u);

    // Each rebuild makes nine records (and the strings they hold); none of the old ones stays.
    Open(ItemsOf(Favorites(), 3)[0].popup);
    const long long before = liveAllocations;
    for (int i = 0; i < 100; ++i) Command(ID_FAV_ADD);
    EXPECT_LT(liveAllocations - before, 100);
    EXPECT_EQ(ItemsOf(Favorites(), 3).size(), 7u);
}

TEST_F(FavoritesMenu, TallFoldersBreakIntoEqualColumnsAndLinksPastTheLastCommandAreGreyed) {
    for (int i = 0; i < 300; ++i) WriteUrl("link " + std::to_string(1000 + i) + ".url", "http://x.example/");
    MakeFolder("More");
    for (int i = 0; i < 350; ++i) WriteUrl("More\\more " + std::to_string(1000 + i) + ".url", "http://x.example/");
    MakeFolder("Most");
    for (int i = 0; i < 400; ++i) WriteUrl("Most\\most " + std::to_string(1000 + i) + ".url", "http://x.example/");
    ASSERT_TRUE(Start());
    const std::vector<Shown> items = ItemsOf(Favorites());
    ASSERT_EQ(items.size(), 305u);
    std::vector<int> breaks;
    for (std::size_t i = 5; i < items.size(); ++i) {
        if (!items[i].columnBreak) continue;
        breaks.push_back(static_cast<int>(i));
        EXPECT_EQ(items[i].text, "link " + std::to_string(1000 + i - 5)) << "the break keeps the item's record";
    }
    ASSERT_GE(breaks.size(), 1u);
    for (std::size_t i = 1; i < breaks.size(); ++i) EXPECT_EQ(breaks[i] - breaks[i - 1], breaks[0] + 1);

    const auto highestId = [](const std::vector<Shown>& filled) {
        return std::max_element(filled.begin(), filled.end(), [](const Shown& a, const Shown& b) {
                   return a.id < b.id;
               })->id;
    };
    // Copies of the menu fill "More" with indices 300-649 however often the chevron copies it,
    // and the menu's own "More" takes the same ones.
    for (int round = 0; round < 2; ++round) {
        ScopedIconMenu copy = CopyIconMenu(Favorites());
        HMENU more = ItemsOf(copy.get())[3].popup;
        Open(more);
        EXPECT_EQ(highestId(ItemsOf(more)), ID_FAV_FIRST + 649u);
    }
    HMENU more = items[3].popup;
    Open(more);
    EXPECT_EQ(highestId(ItemsOf(more)), ID_FAV_FIRST + 649u);

    // "Most" takes 650-1049: its links past the last command are greyed, without one.
    HMENU most = items[4].popup;
    Open(most);
    const std::vector<Shown> mostLinks = ItemsOf(most);
    ASSERT_EQ(mostLinks.size(), 400u);
    EXPECT_EQ(highestId(mostLinks), static_cast<UINT>(ID_FAV_LAST));
    const std::vector<Shown> past(mostLinks.begin() + 350, mostLinks.end());
    for (const Shown& link : past) {
        EXPECT_EQ(link.id, 0u);
        EXPECT_TRUE(link.greyed);
    }
    EXPECT_TRUE(std::any_of(past.begin(), past.end(), [](const Shown& link) { return link.columnBreak; }));
}

// A pop-up someone else built, whose first item is owner-drawn with data of its own: opening it
// through the frame must not take that data for a favourites folder.
TEST_F(FavoritesMenu, AForeignOwnerDrawnPopupIsLeftAlone) {
    ASSERT_TRUE(Start());
    ScopedMenu popup(::CreatePopupMenu());
    int foreign = 7;
    ASSERT_TRUE(::AppendMenuA(popup.get(), MF_OWNERDRAW, 1, reinterpret_cast<LPCSTR>(&foreign)));
    Open(popup.get());
    EXPECT_EQ(::GetMenuItemCount(popup.get()), 1);
    EXPECT_EQ(::GetMenuItemID(popup.get(), 0), 1u);
    EXPECT_EQ(foreign, 7);
}

// The chevron copies the menu each time it opens: a sub-folder filled again through a copy keeps
// the commands it had, so that copies never use up the commands of the real menu. A shortcut
// another program saves shows the next time the menu opens.
TEST_F(FavoritesMenu, CopiesReuseAFoldersCommandsAndAChangedFolderShowsWhenTheMenuOpens) {
    MakeFolder("Alpha");
    WriteUrl("Alpha\\a.url", "http://a.example/");
    WriteUrl("root.url", "http://root.example/");
    ASSERT_TRUE(Start());
    std::set<UINT> ids;
    for (int round = 0; round < 5; ++round) {
        ScopedIconMenu copy = CopyIconMenu(Favorites());
        HMENU alpha = Named(ItemsOf(copy.get()), "Alpha").popup;
        ASSERT_NE(alpha, nullptr);
        Open(alpha);
        ids.insert(Named(ItemsOf(alpha), "a").id);
    }
    EXPECT_EQ(ids, std::set<UINT>{ID_FAV_FIRST + 1});

    Open(Favorites());
    EXPECT_EQ(TextsOf(ItemsOf(Favorites(), 3)), (std::vector<std::string>{"Alpha", "root"}));
    WriteUrl("later.url", "http://later.example/");
    EXPECT_TRUE(PumpUntil([&] {
        Open(Favorites());
        return TextsOf(ItemsOf(Favorites(), 3)) == std::vector<std::string>{"Alpha", "later", "root"};
    }));
    Command(Named(ItemsOf(Favorites(), 3), "later").id);
    EXPECT_EQ(Addresses(), std::vector<std::string>{"http://later.example/"});
}

// The favourites are drawn by the program: a typed letter reaches them through the frame's
// answer to WM_MENUCHAR, the next match selected, a unique one run.
TEST_F(FavoritesMenu, ALetterSelectsTheNextFavouriteStartingWithItAndRunsAUniqueOne) {
    WriteUrl("apple.url", "http://apple.example/");
    WriteUrl("avocado.url", "http://avocado.example/");
    WriteUrl("banana.url", "http://banana.example/");
    ASSERT_TRUE(Start());
    const auto answer = [&](char letter) {
        return frame().SendMessage(WM_MENUCHAR, MAKEWPARAM(letter, MF_POPUP), reinterpret_cast<LPARAM>(Favorites()));
    };
    const std::vector<Shown> items = ItemsOf(Favorites());
    const auto position = [&](const std::string& text) {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].text == text) return static_cast<WORD>(i);
        return WORD(0xFFFF);
    };
    EXPECT_EQ(answer('A'), MAKELRESULT(position("apple"), MNC_SELECT));
    EXPECT_EQ(answer('b'), MAKELRESULT(position("banana"), MNC_EXECUTE));
    EXPECT_EQ(HIWORD(answer('z')), MNC_IGNORE);
}
