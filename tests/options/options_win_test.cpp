// The options sheet run from the Tools menu of the running program.
#include <gtest/gtest.h>

#include "browser/brisova_view_win.h"
#include "options/sheet_script_win.h"
#include "options/startup_list.h"
#include "options_ids.h"
#include "platform/registry_win.h"
#include "resource.h"
#include "support/app_fixture_win.h"

using namespace sheet_script;

namespace {
class OptionsSheet : public AppFixture {
protected:
    // Runs the options command; `script` acts on the open sheet and closes it.
    void RunOptions(std::function<void(HWND)> script) {
        Arm([] { return ::FindWindowA("#32770", "Brisova Options"); }, std::move(script));
        Command(ID_OPTIONS);
        EXPECT_TRUE(t_ran);
    }
    static std::vector<std::string> ListItems(HWND list) {
        std::vector<std::string> items;
        int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[1024] = {};
            ::SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        return items;
    }
    static std::vector<std::string> TabTitles(HWND sheet) {
        HWND tabs = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
        std::vector<std::string> titles;
        for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
            char text[128] = {};
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            ::SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
            titles.push_back(text);
        }
        return titles;
    }
    static HWND FieldOf(HWND page, int id) {
        return reinterpret_cast<HWND>(::SendMessageA(::GetDlgItem(page, id), CBEM_GETEDITCONTROL, 0, 0));
    }
};
}  // namespace

TEST_F(OptionsSheet, OkWithoutChangesRewritesTheStartupPagesAndCancelChangesNothing) {
    WriteSetting("EnableHomePage", "0");
    const std::string startup = "http://one.example/\n\nhttp://two.example/\n";
    WriteProgramFile("data\\startup", startup);
    ASSERT_TRUE(Start());
    ASSERT_TRUE(Windows().empty());

    RunOptions([&](HWND sheet) {
        EXPECT_EQ(TabTitles(sheet), (std::vector<std::string>{"Home Page", "New Window", "Close Window", "Mouse Buttons"}));
        HWND page = Page(sheet);
        HWND tabs = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
        EXPECT_EQ(TabCtrl_GetCurSel(tabs), 0);
        EXPECT_EQ(Text(sheet), "Brisova Options");
        // No window is open: nothing to use, nothing offered to add.
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(page, IDC_USE_CURRENT)));
        EXPECT_EQ(Text(FieldOf(page, IDC_EXTRA_PAGE)), "");
        // The typed-address key is missing: the drop-downs are empty, the list is not.
        EXPECT_EQ(::SendMessageA(::GetDlgItem(page, IDC_HOME_PAGE), CB_GETCOUNT, 0, 0), 0);
        EXPECT_EQ(::SendMessageA(::GetDlgItem(page, IDC_EXTRA_PAGE), CB_GETCOUNT, 0, 0), 0);
        EXPECT_EQ(ListItems(::GetDlgItem(page, IDC_STARTUP_PAGES)),
                  (std::vector<std::string>{"http://one.example/", "", "http://two.example/"}));
        EXPECT_FALSE(Checked(page, IDC_ENABLE_HOME_PAGE));
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(brisova::ReadStartupList(ReadProgramFile("data\\startup")), brisova::ReadStartupList(startup));
    EXPECT_EQ(ReadSetting("EnableHomePage"), "0");
    EXPECT_EQ(ReadSetting("EnableStartup"), "0");
    // An empty home page text writes no start page.
    EXPECT_FALSE(ReadRegistryString(HKEY_CURRENT_USER, browserKeys_.main.c_str(), "Start Page"));

    WriteProgramFile("data\\startup", startup);
    WriteSetting("EnableStartup", "1");
    RunOptions([&](HWND sheet) {
        HWND page = Page(sheet);
        Click(page, IDC_DELETE_ALL_PAGES);
        EXPECT_TRUE(ListItems(::GetDlgItem(page, IDC_STARTUP_PAGES)).empty());
        Click(page, IDC_ENABLE_STARTUP);
        Press(sheet, PSBTN_CANCEL);
    });
    EXPECT_EQ(ReadProgramFile("data\\startup"), startup);
    EXPECT_EQ(ReadSetting("EnableStartup"), "1");
}

TEST_F(OptionsSheet, ChoicesReachTheFrameEveryOpenViewAndTheStartPage) {
    WriteSetting("EnableHomePage", "0");
    HKEY main = nullptr;
    ASSERT_EQ(::RegCreateKeyA(HKEY_CURRENT_USER, browserKeys_.main.c_str(), &main), ERROR_SUCCESS);
    ::RegCloseKey(main);
    WriteRegistryString(HKEY_CURRENT_USER, browserKeys_.typedUrls.c_str(), "url1", "http://typed.example/");
    WriteRegistryString(HKEY_CURRENT_USER, browserKeys_.typedUrls.c_str(), "url2", "http://second.example/");
    ASSERT_TRUE(Start({"http://first.example/"}));
    Command(ID_FILE_NEW_CURRENT);
    const std::string current = ActiveWindow()->view()->address();
    ASSERT_EQ(Windows().size(), 2u);
    ASSERT_EQ(current, "http://first.example/");

    RunOptions([&](HWND sheet) {
        HWND home = Page(sheet);
        EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(home, IDC_USE_CURRENT)));
        EXPECT_EQ(::SendMessageA(::GetDlgItem(home, IDC_HOME_PAGE), CB_GETCOUNT, 0, 0), 2);
        EXPECT_EQ(Text(FieldOf(home, IDC_EXTRA_PAGE)), current);
        Click(home, IDC_ADD_PAGE);
        ::SetWindowTextA(FieldOf(home, IDC_EXTRA_PAGE), "http://added.example/");
        Click(home, IDC_ADD_PAGE);
        ::SendMessageA(::GetDlgItem(home, IDC_STARTUP_PAGES), LB_SETCURSEL, 1, 0);
        Click(home, IDC_DELETE_PAGE);
        Click(home, IDC_USE_BLANK);
        EXPECT_EQ(Text(FieldOf(home, IDC_HOME_PAGE)), "about:blank");
        Click(home, IDC_USE_CURRENT);

        Select(sheet, 1);
        HWND newWindow = Page(sheet);
        EXPECT_TRUE(Checked(newWindow, IDC_NEW_BLANK_PAGE));
        EXPECT_TRUE(Checked(newWindow, IDC_FOREGROUND));
        Click(newWindow, IDC_BACKGROUND);
        Click(newWindow, IDC_NEW_HOME_PAGE);
        Click(newWindow, IDC_INFO_NEW_WINDOW);
        Select(sheet, 2);
        Click(Page(sheet), IDC_MOUSE_CLOSE_WINDOW);
        Select(sheet, 3);
        Click(Page(sheet), IDC_ENABLE_MOUSE_BACK);
        Press(sheet, PSBTN_OK);
    });

    const brisova::Settings& settings = frame().settings();
    EXPECT_EQ(settings.activeNewWindow, 0);
    EXPECT_EQ(settings.newButtonType, 2);
    EXPECT_EQ(settings.infoNewWindow, 1);
    EXPECT_EQ(settings.mouseCloseWindow, 0);
    EXPECT_EQ(settings.enableMouseBack, 0);
    EXPECT_EQ(settings.enableMouseMiddle, 1);
    for (CChildFrame* window : Windows()) {
        EXPECT_FALSE(window->view()->options().activateNewWindows);
        EXPECT_FALSE(window->view()->options().rightButtonBack);
        EXPECT_TRUE(window->view()->options().middleClickLinks);
    }
    EXPECT_EQ(brisova::ReadStartupList(ReadProgramFile("data\\startup")),
              (std::vector<std::string>{"http://added.example/"}));
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, browserKeys_.main.c_str(), "Start Page"), current);
    // The frame's values reach the file at exit, not before.
    EXPECT_EQ(ReadSetting("ActiveNewWindow"), "<absent>");
}
