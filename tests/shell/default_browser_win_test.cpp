// "Set as Default Browser..." on the registry, under associations of the test's own.
#include <gtest/gtest.h>

#include "framework/menu_helpers_win.h"
#include "platform/registry_win.h"
#include "resource.h"
#include "support/app_fixture_win.h"

namespace {
class DefaultBrowser : public AppFixture {
protected:
    std::string Classes(const std::string& key) const { return browserKeys_.classes + "\\" + key; }
    std::string Default(const std::string& key) const {
        return ReadRegistryString(HKEY_CURRENT_USER, Classes(key).c_str(), "").value_or("<none>");
    }
    bool MenuChecked() {
        HMENU tools = FindSubMenu(frame().menuBar().menu(), "&Tools");
        UpdateMenuItems(tools, &frame());
        return (::GetMenuState(tools, ID_DEFAULT_BROWSER, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    static std::string RunningProgram() {
        char path[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, path, sizeof path);
        return path;
    }
};
}  // namespace

TEST_F(DefaultBrowser, TogglingRegistersTheProgramAndPutsThePreviousHandlerBack) {
    const std::string previous = "\"C:\\windows\\system32\\winebrowser.exe\" -nohome \"%1\"";
    for (const char* key : {"http\\shell", "htmlfile\\shell"}) {
        WriteRegistryString(HKEY_CURRENT_USER, Classes(key).c_str(), "", "open");
        WriteRegistryString(HKEY_CURRENT_USER, Classes(std::string(key) + "\\open\\command").c_str(), "", previous);
    }
    WriteRegistryString(HKEY_CURRENT_USER, Classes(".htm").c_str(), "", "OtherHTML");
    ASSERT_TRUE(Start());
    EXPECT_FALSE(MenuChecked());

    Command(ID_DEFAULT_BROWSER);
    const std::string ours = "\"" + RunningProgram() + "\" \"%1\"";
    EXPECT_EQ(Default("http\\shell\\open\\command"), ours);
    EXPECT_EQ(Default("http\\shell\\Brisova\\command"), ours);
    EXPECT_EQ(Default("http\\shell"), "Brisova");
    EXPECT_EQ(Default(".htm"), "htmlfile");
    // Keys the test's classes do not have are not created.
    EXPECT_EQ(Default("ftp\\shell"), "<none>");
    EXPECT_EQ(ReadSetting("http\\shell\\open\\command", "OldBrowser"), previous);
    EXPECT_TRUE(MenuChecked());
    EXPECT_TRUE(prompter_.questions().empty());

    Command(ID_DEFAULT_BROWSER);
    EXPECT_EQ(Default("http\\shell"), "open");
    EXPECT_EQ(Default("http\\shell\\open\\command"), previous);
    EXPECT_EQ(Default("htmlfile\\shell\\open\\command"), previous);
    EXPECT_FALSE(MenuChecked());

    // Registered again, then the uninstaller's "/unregister": the previous handler comes back and
    // no window opens.
    Command(ID_DEFAULT_BROWSER);
    ASSERT_EQ(Default("http\\shell"), "Brisova");
    frame().DestroyWindow();
    EXPECT_FALSE(Start({"/unregister"}));
    EXPECT_EQ(Default("http\\shell"), "open");
    EXPECT_EQ(Default("http\\shell\\open\\command"), previous);
}

TEST_F(DefaultBrowser, ALongPathIsRefusedWithAMessageAndTheSystemsOwnChoiceIsOpened) {
    WriteRegistryString(HKEY_CURRENT_USER, Classes("http\\shell").c_str(), "", "open");
    int opened = 0;
    brisova::MemoryProfile profile;
    CDefaultBrowserCommands longPath(profile, prompter_, browserKeys_, [&] { ++opened; },
                                     "C:\\" + std::string(300, 'a') + "\\Brisova.exe");
    longPath.OnCmdMsg(ID_DEFAULT_BROWSER, 0, nullptr, false);
    ASSERT_EQ(prompter_.questions().size(), 1u);
    EXPECT_NE(prompter_.questions()[0].find("longer than 260 characters"), std::string::npos);
    EXPECT_EQ(Default("http\\shell"), "open");

    WriteRegistryString(HKEY_CURRENT_USER,
                        (browserKeys_.software + "\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\UserChoice").c_str(),
                        "ProgId", "OtherURL");
    CDefaultBrowserCommands registering(profile, prompter_, browserKeys_, [&] { ++opened; }, "C:\\Brisova\\Brisova.exe");
    registering.OnCmdMsg(ID_DEFAULT_BROWSER, 0, nullptr, false);
    EXPECT_EQ(Default("http\\shell"), "Brisova");
    EXPECT_EQ(prompter_.questions().size(), 2u);
    EXPECT_EQ(opened, 1);
}

// A classes root that does not merge the user's classes: the old handlers live only in the
// machine's classes, and the program's writes only in the user's. The mark still follows the
// registration, a second click restores, and nothing is written to the machine's classes.
TEST_F(DefaultBrowser, AClassesRootThatDoesNotMergeStillShowsTheMarkAndRestores) {
    browserKeys_.classesViewPath = browserKeys_.classes + "Machine";
    const std::string machine = browserKeys_.classesViewPath + "\\";
    const std::string previous = "\"C:\\Other\\other.exe\" \"%1\"";
    for (const char* key : {"http\\shell", "htmlfile\\shell"}) {
        WriteRegistryString(HKEY_CURRENT_USER, (machine + key).c_str(), "", "open");
        WriteRegistryString(HKEY_CURRENT_USER, (machine + key + "\\open\\command").c_str(), "", previous);
    }
    ASSERT_TRUE(Start());
    EXPECT_FALSE(MenuChecked());

    Command(ID_DEFAULT_BROWSER);
    EXPECT_EQ(Default("http\\shell"), "Brisova");
    EXPECT_TRUE(MenuChecked());
    EXPECT_EQ(ReadSetting("http\\shell\\open\\command", "OldBrowser"), previous);

    Command(ID_DEFAULT_BROWSER);
    EXPECT_FALSE(MenuChecked());
    EXPECT_EQ(Default("http\\shell"), "open");
    EXPECT_EQ(Default("http\\shell\\open\\command"), previous);
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, (machine + "http\\shell").c_str(), "").value_or(""), "open");

    Command(ID_DEFAULT_BROWSER);
    frame().DestroyWindow();
    EXPECT_FALSE(Start({"/unregister"}));
    EXPECT_EQ(Default("http\\shell"), "open");
}
