// The installation's content under Wine: the tips and donation dialogs answered from inside
// their modal loops, at start-up and from the Help menu, and the Shop&Travel menu with the
// address bar's shortcuts.
#include "infolib/library_fixture_win.h"

#include <cstring>

#include "content_ids.h"
#include "framework/menu_helpers_win.h"
#include "platform/handles_win.h"
#include "resource.h"
#include "shared/startup_rules.h"

using Strings = std::vector<std::string>;

namespace {
std::string EditText(HWND dialog) {
    HWND box = ::GetDlgItem(dialog, IDC_CONTENT_TEXT);
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(box)) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(box, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool Checked(HWND dialog) {
    return ::IsDlgButtonChecked(dialog, IDC_SHOW_AT_START) == BST_CHECKED;
}

void Uncheck(HWND dialog) {
    ::CheckDlgButton(dialog, IDC_SHOW_AT_START, BST_UNCHECKED);
}

Strings ComboItems(HWND dialog, int id) {
    Strings items;
    HWND box = ::GetDlgItem(dialog, id);
    auto count = ::SendMessageA(box, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        ::SendMessageA(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

// The items of a pop-up: their texts, "-" for a separator.
Strings MenuTexts(HMENU menu) {
    Strings texts;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        if (::GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION) <= 0) texts.push_back("-");
        else texts.push_back(text);
    }
    return texts;
}
}  // namespace

class Content : public AppFixture {
protected:
    HMENU MainMenu() { return frame().menuBar().menu(); }
    HMENU ShopMenu() { return FindSubMenu(MainMenu(), "&Shop&&Travel"); }
    void WriteDonation() {
        ::CreateDirectoryA((directory_ + "data\\donate").c_str(), nullptr);
        WriteProgramFile("data\\donate\\info", "Please help.\nEvery bit counts.");
        WriteProgramFile("data\\donate\\data",
                         "Five euros\nhttp://give.example/5\nTen euros\nhttp://give.example/10\nEnd\n");
    }
    void WriteTips(const Strings& tips, int count) {
        ::CreateDirectoryA((directory_ + "data\\mosttips").c_str(), nullptr);
        WriteProgramFile("data\\mosttips\\info", std::to_string(count) + "\n");
        for (std::size_t i = 0; i < tips.size(); ++i) WriteProgramFile("data\\mosttips\\t" + std::to_string(i), tips[i]);
    }
};

TEST_F(Content, StartUpShowsTheOnlyTipThenTheDonationThenTheStartPage) {
    WriteTips({"The only tip"}, 1);
    WriteDonation();
    WriteSetting("IsShowMostTips", "1");
    DialogScript script;
    script
        .Then("Most Useful Tips",
              [&](HWND dialog) {
                  EXPECT_TRUE(Windows().empty());
                  EXPECT_EQ(EditText(dialog), "The only tip");
                  EXPECT_FALSE(DialogScript::Enabled(dialog, IDC_TIP_NEXT));
                  EXPECT_FALSE(DialogScript::Enabled(dialog, IDC_TIP_PREVIOUS));
                  EXPECT_TRUE(Checked(dialog));
                  Uncheck(dialog);
                  DialogScript::Click(dialog, IDOK);
              })
        .Then("Keep Brisova Alive Powerful", [&](HWND dialog) {
            EXPECT_TRUE(Windows().empty());
            EXPECT_EQ(EditText(dialog), "Please help.\r\nEvery bit counts.");
            EXPECT_EQ(ComboItems(dialog, IDC_DONATE_CHOICES), (Strings{"Five euros", "Ten euros"}));
            Uncheck(dialog);
            DialogScript::Click(dialog, IDCANCEL);
        });
    ASSERT_TRUE(Start());
    ASSERT_TRUE(script.completed()) << script.failure();
    EXPECT_EQ(frame().settings().isShowMostTips, 0);
    EXPECT_EQ(frame().settings().isShowDonate, 0);
    // "Close" chooses nothing; the start page opens only after both dialogs.
    EXPECT_EQ(Windows().size(), 1u);
    frame().SendMessage(WM_CLOSE);
    EXPECT_EQ(ReadSetting("IsShowMostTips"), "0");
    EXPECT_EQ(ReadSetting("IsShowDonate"), "0");
}

// An address handed over while a start-up dialog shows waits for the restore: the question
// comes with the record of the interrupted run, and the handed page opens once, after it.
TEST_F(Content, AnAddressHandedOverDuringTheStartUpTipsOpensAfterTheRestore) {
    WriteTips({"The only tip"}, 1);
    WriteSetting("IsShowMostTips", "1");
    WriteSetting("EnableHomePage", "0");
    const brisova::Bytes record = brisova::EncodeWindowRecord({"http://a.example/", "http://b.example/"});
    WriteSetting("lastvisit", brisova::EncodeProfileBinary(record));
    prompter_.Queue(brisova::PromptAnswer::Yes);
    ScopedHandle mapping(::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                              brisova::kHandOffBlockSize, "BRISOVASHARE"));
    ASSERT_TRUE(mapping);
    ScopedMappedView view(::MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
    const std::string block = *brisova::HandOffBlock("http://handed.example/", 44);
    std::memcpy(view.get(), block.data(), block.size());
    DialogScript script;
    script.Then("Most Useful Tips", [&](HWND dialog) {
        frame().SendMessage(WM_HAND_OFF, 44, 0);
        EXPECT_TRUE(Windows().empty());
        DialogScript::Click(dialog, IDOK);
    });
    ASSERT_TRUE(Start());
    ASSERT_TRUE(script.completed()) << script.failure();
    EXPECT_EQ(prompter_.questions(), Strings{"Do you continue from last time?"});
    PumpPending();
    EXPECT_EQ(Addresses(), (Strings{"http://a.example/", "http://b.example/", "http://handed.example/"}));
}

TEST_F(Content, NextAndPreviousWalkTheTipsAndOnlyCloseStoresTheCheckBox) {
    WriteTips({"Tip zero", "Tip one\nsecond line"}, 3);  // the third tip's file is missing
    WriteSetting("EnableHomePage", "0");
    ASSERT_TRUE(Start());
    DialogScript script;
    script
        .Then("Most Useful Tips",
              [](HWND dialog) {
                  EXPECT_EQ(EditText(dialog), "Tip zero");
                  EXPECT_FALSE(DialogScript::Enabled(dialog, IDC_TIP_PREVIOUS));
                  EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog, IDOK));
                  DialogScript::Click(dialog, IDC_TIP_NEXT);
              })
        .Then("Most Useful Tips",
              [](HWND dialog) {
                  EXPECT_EQ(EditText(dialog), "Tip one\r\nsecond line");
                  EXPECT_TRUE(DialogScript::Enabled(dialog, IDC_TIP_PREVIOUS));
                  EXPECT_TRUE(DialogScript::Enabled(dialog, IDC_TIP_NEXT));
                  DialogScript::Click(dialog, IDC_TIP_NEXT);
              })
        .Then("Most Useful Tips",
              [](HWND dialog) {
                  EXPECT_EQ(EditText(dialog), "");
                  EXPECT_FALSE(DialogScript::Enabled(dialog, IDC_TIP_NEXT));
                  DialogScript::Click(dialog, IDC_TIP_PREVIOUS);
              })
        .Then("Most Useful Tips",
              [](HWND dialog) {
                  EXPECT_EQ(EditText(dialog), "Tip one\r\nsecond line");
                  EXPECT_FALSE(Checked(dialog));  // the fixture turned the start-up tips off
                  ::CheckDlgButton(dialog, IDC_SHOW_AT_START, BST_CHECKED);
                  ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);  // Esc
              })
        .Then("Most Useful Tips", [](HWND dialog) {
            EXPECT_FALSE(Checked(dialog));
            ::CheckDlgButton(dialog, IDC_SHOW_AT_START, BST_CHECKED);
            DialogScript::Click(dialog, IDOK);
        });
    Command(ID_HELP_TIPS);
    EXPECT_EQ(frame().settings().isShowMostTips, 0);
    Command(ID_HELP_TIPS);
    ASSERT_TRUE(script.completed()) << script.failure();
    EXPECT_EQ(frame().settings().isShowMostTips, 1);
}

TEST_F(Content, DonateOpensTheChosenAddressInANewWindowInFront) {
    WriteDonation();
    WriteSetting("IsShowDonate", "0");
    WriteSetting("EnableHomePage", "0");
    ASSERT_TRUE(Start());
    const std::string first = "http://reading.example/";
    frame().OpenWindow(false, &first, true);
    EXPECT_TRUE(CommandEnabled(ID_HELP_DONATE));
    DialogScript script;
    script.Then("Keep Brisova Alive Powerful", [](HWND dialog) {
        EXPECT_FALSE(Checked(dialog));
        ::SendDlgItemMessageA(dialog, IDC_DONATE_CHOICES, CB_SETCURSEL, 1, 0);
        ::CheckDlgButton(dialog, IDC_SHOW_AT_START, BST_CHECKED);
        DialogScript::Click(dialog, IDOK);
    });
    Command(ID_HELP_DONATE);
    ASSERT_TRUE(script.completed()) << script.failure();
    EXPECT_EQ(Addresses(), (Strings{first, "http://give.example/10"}));
    EXPECT_EQ(ActiveWindow(), Windows()[1]);
    EXPECT_EQ(frame().settings().isShowDonate, 1);
}

TEST_F(Content, WithoutDonationDataTheMenuHasNoDonateAndStartUpNoDialog) {
    WriteSetting("EnableHomePage", "0");
    ASSERT_TRUE(Start());  // would wait for a dialog if one opened
    EXPECT_EQ(::GetMenuState(MainMenu(), ID_HELP_DONATE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(::GetMenuState(MainMenu(), ID_HELP_TIPS, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_TRUE(CommandEnabled(ID_HELP_HOMEPAGE));
    EXPECT_EQ(frame().settings().isShowDonate, 1);
}

TEST_F(Content, ShopEntriesThenASeparatorThenTravelEntriesOpenTheirAddresses) {
    WriteProgramFile("data\\shop", "&Books shop\nhttp://books.example/\nbooks\n");
    WriteProgramFile("data\\travel", "&Flights\nhttp://fly.example/\nfly\nTrain tickets\nhttp://rail.example/");
    WriteProgramFile("data\\vendor", "HomePage=http://vendor.example/\nComments=talk@vendor.example\n");
    WriteSetting("EnableHomePage", "0");
    ASSERT_TRUE(Start());
    EXPECT_EQ(MenuTexts(ShopMenu()), (Strings{"&Books shop", "-", "&Flights", "Train tickets"}));
    EXPECT_EQ(::GetMenuItemID(ShopMenu(), 3), static_cast<UINT>(ID_SHOP_FIRST + 2));
    EXPECT_TRUE(CommandEnabled(ID_SHOP_FIRST + 2));
    EXPECT_FALSE(CommandEnabled(ID_SHOP_FIRST + 3));

    // Without a window an entry opens one; with one, that window goes there.
    Command(ID_SHOP_FIRST + 2);
    EXPECT_EQ(Addresses(), Strings{"http://rail.example/"});
    Command(ID_SHOP_FIRST);
    EXPECT_EQ(Addresses(), Strings{"http://books.example/"});
    Command(ID_SHOP_FIRST + 50);
    EXPECT_EQ(Windows().size(), 1u);

    // A typed key stands for its entry's address.
    frame().addressBar().ShowAddress("www.fly");
    frame().addressBar().EnterAddress({});
    EXPECT_EQ(Addresses(), Strings{"http://fly.example/"});

    Command(ID_HELP_HOMEPAGE);
    EXPECT_EQ(Addresses(), (Strings{"http://fly.example/", "http://vendor.example/"}));
    std::string mailed;
    frame().content()->startMail = [&](const std::string& address) { mailed = address; };
    Command(ID_HELP_COMMENTS);
    EXPECT_EQ(mailed, "mailto:talk@vendor.example");
}

// Send Comments starts mail as the Mail commands do: through the registered mailto handler, or
// with "mail client not found" when there is none.
TEST_F(Content, SendCommentsGoesThroughTheMailLauncher) {
    WriteProgramFile("data\\vendor", "Comments=talk@vendor.example\n");
    WriteSetting("EnableHomePage", "0");
    ASSERT_TRUE(Start());
    Strings started;
    frame().mail().SetProgramStarter([&](const brisova::CommandLine& line) { started.push_back(line.arguments); });
    Command(ID_HELP_COMMENTS);
    if (prompter_.questions().empty()) {
        ASSERT_EQ(started.size(), 1u);
        EXPECT_NE(started[0].find("mailto:talk@vendor.example"), std::string::npos) << started[0];
    } else {
        EXPECT_EQ(prompter_.questions(), Strings{"mail client not found\n"});
        EXPECT_TRUE(started.empty());
    }
}

TEST_F(Content, AnEmptyShopAddsNoSeparatorBeforeTheTravelEntries) {
    WriteProgramFile("data\\shop", "");
    WriteProgramFile("data\\travel", "&Hotels\nhttp://hotels.example/\nhotels\n");
    WriteSetting("EnableHomePage", "0");
    ASSERT_TRUE(Start());
    EXPECT_EQ(MenuTexts(ShopMenu()), Strings{"&Hotels"});
}

TEST_F(Content, ShopEntriesAloneEndWithoutASeparator) {
    WriteProgramFile("data\\shop", "&Books shop\nhttp://books.example/\nbooks\n");
    WriteProgramFile("data\\travel", "");
    WriteSetting("EnableHomePage", "0");
    ASSERT_TRUE(Start());
    EXPECT_EQ(MenuTexts(ShopMenu()), Strings{"&Books shop"});
}

TEST_F(Content, WithoutEntriesTheMenuShowsOneDisabledItem) {
    WriteProgramFile("data\\shop", "");
    WriteProgramFile("data\\travel", "");
    WriteSetting("EnableHomePage", "0");
    ASSERT_TRUE(Start());
    EXPECT_EQ(MenuTexts(ShopMenu()), Strings{"(empty)"});
    EXPECT_TRUE(::GetMenuState(ShopMenu(), 0, MF_BYPOSITION) & MF_GRAYED);
}
