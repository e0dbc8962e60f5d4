#include <gtest/gtest.h>

#include "favorites/favorite_text.h"
#include "favorites/folder_menu.h"
#include "favorites/menu_columns.h"

using namespace brisova;

namespace {
DirectoryEntry File(const std::string& name, bool hidden = false, bool system = false) {
    return {name, false, hidden, system};
}
DirectoryEntry Folder(const std::string& name, bool hidden = false) {
    return {name, true, hidden, false};
}
MenuEntry LinkAt(const std::string& name, int index) {
    return {MenuEntry::Kind::Link, name, index};
}
MenuEntry FolderNamed(const std::string& name) {
    return {MenuEntry::Kind::Folder, name, 0};
}

MenuOrderEntry Ordered(std::uint16_t attributes, std::optional<std::string> name) {
    MenuOrderEntry e;
    e.attributes = attributes;
    e.name = std::move(name);
    return e;
}
// An order whose entries are shown in the given sequence.
MenuOrder OrderOf(std::vector<MenuOrderEntry> entries) {
    MenuOrder order;
    order.entries = std::move(entries);
    for (std::size_t i = 0; i < order.entries.size(); ++i) order.shown.push_back(static_cast<int>(i));
    return order;
}
}  // namespace

TEST(FavoritesFolder, LinksTakeTheirIndicesInListingOrderAndOnlyLinkFilesCount) {
    FolderContents contents = SortOutEntries({Folder("."), Folder(".."), File("b.URL"), Folder("Sub"),
                                              File("notes.txt"), File("secret.url", true),
                                              File("system.lnk", false, true), File("a.lnk"), Folder("Hidden", true),
                                              File("url"), File(".url")},
                                             7);
    std::vector<std::pair<std::string, int>> links;
    for (const LinkFile& l : contents.links) links.emplace_back(l.name, l.index);
    EXPECT_EQ(links, (std::vector<std::pair<std::string, int>>{{"b.URL", 7}, {"a.lnk", 8}, {".url", 9}}));
    EXPECT_EQ(contents.folders, (std::vector<std::string>{"Sub", "Hidden"}));
    EXPECT_EQ(contents.nextIndex, 10);
}

TEST(FavoritesFolder, WithoutAStoredOrderFoldersComeFirstSortedWithCaseThenLinksWithout) {
    FolderContents contents = SortOutEntries(
        {File("beta.url"), Folder("b"), File("Alpha.url"), Folder("C"), File("gamma.lnk"), Folder("a")}, 0);
    EXPECT_EQ(PlanFolderMenu(contents, nullptr, ByteCollation()),
              (std::vector<MenuEntry>{FolderNamed("C"), FolderNamed("a"), FolderNamed("b"), LinkAt("Alpha.url", 1),
                                      LinkAt("beta.url", 0), LinkAt("gamma.lnk", 2)}));
}

TEST(FavoritesFolder, TheStoredOrderComesFirstAndTheRestFollowsSorted) {
    FolderContents contents = SortOutEntries({File("zeta.url"), File("Apple.url"), File("mango.url"), Folder("News"),
                                              Folder("Tools"), Folder("Same"), File("same.url")},
                                             0);
    // A link (named in another case), a folder, a link that is gone, a second link, an entry
    // without a name, then a name with no attributes that a file and a folder both carry.
    MenuOrder order = OrderOf({Ordered(kOrderFile, "ZETA.URL"), Ordered(kOrderSystemFolder, "news"),
                               Ordered(kOrderFile, "deleted.url"), Ordered(kOrderFile, "Apple.url"),
                               Ordered(kOrderFile, std::nullopt), Ordered(kOrderNoAttributes, "same.url"),
                               Ordered(kOrderFolder, "zeta.url")});
    EXPECT_EQ(PlanFolderMenu(contents, &order, ByteCollation()),
              (std::vector<MenuEntry>{LinkAt("zeta.url", 0), FolderNamed("News"), LinkAt("Apple.url", 1),
                                      LinkAt("same.url", 3), FolderNamed("Same"), FolderNamed("Tools"),
                                      LinkAt("mango.url", 2)}));
    // Gaps in the order and a file entry claim nothing twice.
    order.shown = {-1, 0, 0, 3};
    EXPECT_EQ(PlanFolderMenu(contents, &order, ByteCollation()),
              (std::vector<MenuEntry>{LinkAt("zeta.url", 0), LinkAt("Apple.url", 1), FolderNamed("News"),
                                      FolderNamed("Same"), FolderNamed("Tools"), LinkAt("mango.url", 2),
                                      LinkAt("same.url", 3)}));
}

TEST(FavoritesText, LinksLoseTheirExtensionLongNamesAreCutAtCharactersAndAmpersandsShow) {
    EXPECT_EQ(LinkItemText("News Site.url"), "News Site");
    EXPECT_EQ(FolderItemText("Tom & Jerry"), "Tom && Jerry");
    EXPECT_EQ(LinkItemText("abcdefghijklmnopqrstuvwxyz.lnk"), "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(LinkItemText("abcdefghijklmnopqrstuvwxyz1234.url"), "abcdefghijklmnopqrstuvw...");
    // 30 two-byte characters: 23 of them whole, then "...".
    std::string cyrillic;
    for (int i = 0; i < 30; ++i) cyrillic += "\xD0\x96";
    std::string kept;
    for (int i = 0; i < 23; ++i) kept += "\xD0\x96";
    EXPECT_EQ(FolderItemText(cyrillic), kept + "...");
    // Bytes that start no character count one each and are never joined to what follows.
    EXPECT_EQ(ShortenMenuText(std::string(22, 'x') + "\xE2\x82" + std::string(5, 'y')),
              std::string(22, 'x') + "\xE2...");
    EXPECT_EQ(ShortenMenuText(std::string(22, 'x') + "\xF0\x9F\x98\x80" + std::string(4, 'y')),
              std::string(22, 'x') + "\xF0\x9F\x98\x80...");
}

TEST(FavoritesColumns, TallMenusBreakIntoColumnsThatEachFitTheScreen) {
    EXPECT_EQ(FavoritesRowHeight(13), 20);
    EXPECT_EQ(FavoritesRowHeight(19), 23);
    // At 150 % the rows' images are 24 pixels: each row is at least 30.
    EXPECT_EQ(FavoritesRowHeight(19, 144), 30);
    EXPECT_EQ(FavoritesRowHeight(28, 144), 32);
    // 100 items, rows of 20 pixels, 700 pixels of screen.
    EXPECT_EQ(MenuColumnBreaks(100, 20, 700), (std::vector<int>{32, 65, 98}));
    EXPECT_TRUE(MenuColumnBreaks(32, 20, 700).empty());
    EXPECT_EQ(MenuColumnBreaks(33, 20, 700), (std::vector<int>{32}));
    // A screen with room for three rows or fewer gets no columns rather than endless ones.
    EXPECT_TRUE(MenuColumnBreaks(1000, 20, 79).empty());
    EXPECT_TRUE(MenuColumnBreaks(1000, 0, 700).empty());
}
