// The main menu resource against the command table the program documents.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "resource.h"

namespace {
struct Item {
    std::string text;
    UINT id;  // 0: separator; kPopup: a sub-menu, whose items follow
};
constexpr UINT kPopup = 0xFFFFFFFF;

// The menu flattened: each pop-up's text, then its items, then "<end>".
void Flatten(HMENU menu, std::vector<Item>& out) {
    int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        ::GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        if (HMENU sub = ::GetSubMenu(menu, i)) {
            out.push_back({text, kPopup});
            Flatten(sub, out);
            out.push_back({"<end>", kPopup});
        } else {
            out.push_back({text, ::GetMenuItemID(menu, i)});
        }
    }
}
}  // namespace

TEST(MainMenu, EveryItemHasItsTextAndCommand) {
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(menu, nullptr);
    std::vector<Item> items;
    Flatten(menu, items);
    ::DestroyMenu(menu);

    const std::vector<Item> expected = {
        {"&File", kPopup}, {"&New\tCtrl+N", kPopup}, {"&Blank", 1000}, {"&Home Page", 32773},
        {"&Current Page", 32774}, {"<end>", kPopup}, {"&Open...\tCtrl+O", 32771}, {"", 0},
        {"&Save As...", 32776}, {"", 0}, {"&Print...\tCtrl+P", 57607}, {"Print Preview...", 32778},
        {"P&rint Setup...", 57606}, {"", 0}, {"&Close\tCtrl+W", 32779},
        {"Recently Clos&ed", kPopup}, {"&Reopen Closed Window\tCtrl+Shift+T", 33960}, {"<end>", kPopup},
        {"", 0}, {"Property...", 32780},
        {"S&end", kPopup}, {"Page by Email...", 32781}, {"Link by Email...", 32782}, {"<end>", kPopup},
        {"&Work Offline", 32783}, {"", 0}, {"E&xit", 57665}, {"<end>", kPopup},
        {"&Edit", kPopup}, {"C&ut\tCtrl+X", 57635}, {"&Copy\tCtrl+C", 57634}, {"&Paste\tCtrl+V", 57637},
        {"", 0}, {"Select All...\tCtrl+A", 57642}, {"&Find on this page...\tCtrl+F", 57636}, {"<end>", kPopup},
        {"&View", kPopup}, {"&Toolbar", kPopup}, {"&Tool Bar", 33950}, {"&Address Bar", 32785},
        {"Tas&k Bar", 33949}, {"", 0}, {"Tool &Bar Text Label", 32789}, {"Customize Tool Bar", 32790},
        {"<end>", kPopup}, {"&Status Bar", 59393}, {"Explore Bar", kPopup}, {"&History", 32791},
        {"&Search", 32792}, {"<end>", kPopup}, {"", 0}, {"Fo&nts", kPopup}, {"Largest", 32796},
        {"Large", 32797}, {"Medium", 32798}, {"Small", 32799}, {"Smallest", 32800}, {"<end>", kPopup},
        {"Enco&ding", kPopup}, {"Auto Select", 32801}, {"", 0}, {"English", 33919},
        {"Western Alphabet", 33920}, {"Central European Alphabet", 33921}, {"Korean(ISO)", 33922},
        {"Korean (EUC)", 33923}, {"Japanese (JIS)", 33924}, {"Japanese (EUC)", 33925},
        {"Chinese Simplified ", 33926}, {"Chinese Traditional", 33927}, {"Unicode UTF-7", 33928},
        {"Unicode UTF-8", 33929}, {"<end>", kPopup}, {"", 0}, {"&Go", kPopup},
        {"&Back\tAlt+Left Arrow", 32802}, {"&Forward\tAlt+Right Arrow", 32803}, {"", 0},
        {"&Start Page\tAlt+Home", 32804}, {"<end>", kPopup}, {"Sto&p\tEsc", 32805}, {"&Refresh\tF5", 32806},
        {"", 0}, {"S&ource", 32807}, {"&Full Screen\tF11", 32808}, {"<end>", kPopup},
        {"F&avorites", kPopup}, {"&Add To Favorites...\tCtrl+D", 32809}, {"Organize Favorites...", 32810},
        {"", 0}, {"<end>", kPopup},
        {"&Shop&&Travel", kPopup}, {"", 0}, {"<end>", kPopup},
        {"&ZaDededorizev", kPopup}, {"&Add to ZaDededorizev\tCtrl+S", 33815},
        {"&View ZaDededorizev\tCtrl+M", 33817}, {"<end>", kPopup},
        {"&Tools", kPopup}, {"&Mail", kPopup}, {"&New Message...", 33933}, {"&Send a Link...", 32782},
        {"S&end a Page...", 32781}, {"", 0}, {"&Read Mail", 33935}, {"<end>", kPopup},
        {"&Clear Records", kPopup}, {"&Clear Typed Address", 33936}, {"Cl&ear Cookies", 33938},
        {"Cle&ar History of Visited Web Sites", 33939}, {"Clea&r Temporary Internet Files", 33940}, {"", 0},
        {"Clear All Records", 33941}, {"<end>", kPopup}, {"", 0}, {"&Block Unwanted Pop-up Pages", 32812},
        {"Set as Default Browser...", 33952}, {"B&risova Options", 33942}, {"", 0},
        {"&Internet Options...", 32811}, {"<end>", kPopup},
        {"&Help", kPopup}, {"&Help\tF1", 33943}, {"&Most Useful Tips", 33944}, {"", 0},
        {"&Donate to Brisova", 33945}, {"&Visit Brisova Home Page", 33946},
        {"&Send Comments to the Developer", 33947}, {"", 0}, {"&About Brisova...", 57664}, {"<end>", kPopup},
    };
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].text, expected[i].text) << "item " << i;
        EXPECT_EQ(items[i].id, expected[i].id) << "item " << i << " " << expected[i].text;
    }
}

TEST(Accelerators, StartPageIsCtrlHomeAndEveryKeyHasItsCommand) {
    HACCEL table = ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(table, nullptr);
    ACCEL keys[32];
    int n = ::CopyAcceleratorTableA(table, keys, 32);
    ASSERT_EQ(n, 19);
    auto command = [&](WORD key, BYTE modifiers) -> int {
        for (int i = 0; i < n; ++i)
            if (keys[i].key == key && (keys[i].fVirt & (FCONTROL | FALT | FSHIFT)) == modifiers) return keys[i].cmd;
        return -1;
    };
    EXPECT_EQ(command(VK_HOME, FCONTROL), ID_GO_START_PAGE);
    EXPECT_EQ(command(VK_HOME, FALT), -1);
    EXPECT_EQ(command('N', FCONTROL), ID_NEW_BUTTON);
    EXPECT_EQ(command('H', FCONTROL), ID_VIEW_HISTORY);
    EXPECT_EQ(command('T', FCONTROL | FSHIFT), 33960);
    EXPECT_EQ(command('T', FCONTROL), ID_FILE_NEW_BLANK);
    EXPECT_EQ(command('S', FCONTROL), ID_INFO_ADD);
    EXPECT_EQ(command(VK_LEFT, FALT), ID_GO_BACK);
    EXPECT_EQ(command(VK_ESCAPE, 0), ID_VIEW_STOP);
    EXPECT_EQ(command(VK_F11, 0), ID_VIEW_FULLSCREEN);
}
