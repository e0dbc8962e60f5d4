#include "shell/default_browser.h"

#include <gtest/gtest.h>

#include <array>

using namespace brisova;

namespace {
constexpr const char* kProgram = "C:\\Program Files\\Brisova\\Brisova.exe";
constexpr const char* kOurCommand = "\"C:\\Program Files\\Brisova\\Brisova.exe\" \"%1\"";
constexpr std::array<const char*, 7> kAssociations = {"htmlfile\\shell", "InternetShortcut\\shell",
                                                      "mhtmlfile\\shell", "http\\shell",
                                                      "https\\shell",    "file\\shell",
                                                      "ftp\\shell"};

std::string Path(const std::string& key, const char* rest) {
    return key + rest;
}

// The classes of a machine where another browser handles everything.
class DefaultBrowserTest : public ::testing::Test {
protected:
    DefaultBrowserTest() {
        for (const char* key : kAssociations) {
            classes.WriteString(key, "", "open");
            classes.WriteString(Path(key, "\\open\\command"), "", OldCommand(key));
        }
        classes.WriteString(".htm", "", "OtherHTML");
        classes.WriteString(".html", "", "OtherHTML");
        classes.WriteString(".url", "", "OtherShortcut");
        classes.WriteString(".mht", "", "OtherArchive");
        classes.WriteString(".mhtml", "", "OtherArchive");
        classes.WriteString(".shtm", "", "OtherHTML");
        classes.WriteString(".shtml", "", "OtherHTML");
    }

    static std::string OldCommand(const std::string& key) { return "\"C:\\Other\\other.exe\" -for " + key + " \"%1\""; }

    ToggleResult Toggle() { return ToggleDefaultBrowser(classes, software, profile, kProgram); }
    std::string Value(const std::string& path, const char* name = "") { return classes.ReadString(path, name).value_or("<none>"); }

    MemoryRegistry classes;
    MemoryRegistry software;
    MemoryProfile profile;
};
}  // namespace

TEST(AssociationCommandLine, QuotesThePathAndRefusesWhatCannotBeNamedWhole) {
    EXPECT_EQ(AssociationCommandLine(kProgram), kOurCommand);
    const std::string longest = "C:\\" + std::string(kMaxProgramPath - 7, 'a') + ".exe";
    ASSERT_EQ(longest.size(), kMaxProgramPath);
    EXPECT_EQ(AssociationCommandLine(longest), "\"" + longest + "\" \"%1\"");
    EXPECT_FALSE(AssociationCommandLine(longest + "x"));
    // Characters count, not bytes: 200 two-byte letters still fit.
    std::string wide = "C:\\";
    for (int i = 0; i < 200; ++i) wide += "\xC3\xA9";
    EXPECT_TRUE(AssociationCommandLine(wide + ".exe"));
    EXPECT_FALSE(AssociationCommandLine(""));
    EXPECT_FALSE(AssociationCommandLine("C:\\a\"b.exe"));
}

TEST_F(DefaultBrowserTest, RegisteringThenRestoringGivesBackEveryVerbAndOpenCommand) {
    EXPECT_FALSE(IsDefaultBrowser(classes));
    EXPECT_EQ(Toggle(), ToggleResult::Registered);
    EXPECT_TRUE(IsDefaultBrowser(classes));
    for (const std::string key : kAssociations) {
        EXPECT_EQ(Value(key), "Brisova") << key;
        EXPECT_EQ(Value(key + "\\open\\command"), kOurCommand) << key;
        EXPECT_EQ(Value(key + "\\Brisova\\command"), kOurCommand) << key;
        EXPECT_EQ(profile.ReadString(kOldBrowserSection, key, ""), "open");
    }
    EXPECT_EQ(Value(".htm"), "htmlfile");
    EXPECT_EQ(Value(".url"), "InternetShortcut");
    EXPECT_EQ(Value(".mhtml"), "mhtmlfile");
    EXPECT_EQ(Value(".shtml", "Content Type"), "text/html");
    // The system can offer the program in its own choice of browser.
    EXPECT_EQ(software.ReadString("RegisteredApplications", "Brisova"),
              "Software\\Clients\\StartMenuInternet\\Brisova\\Capabilities");
    EXPECT_EQ(software.ReadString("Clients\\StartMenuInternet\\Brisova\\Capabilities\\URLAssociations", "http"),
              std::string(kBrowserProgId));
    EXPECT_EQ(classes.ReadString("BrisovaHTML\\shell\\open\\command", ""), kOurCommand);

    EXPECT_EQ(Toggle(), ToggleResult::Restored);
    EXPECT_FALSE(IsDefaultBrowser(classes));
    for (const std::string key : kAssociations) {
        EXPECT_EQ(Value(key), "open") << key;
        EXPECT_EQ(Value(key + "\\open\\command"), OldCommand(key)) << key;
    }
    // The extension keys keep the program's types.
    EXPECT_EQ(Value(".html"), "htmlfile");
    EXPECT_EQ(Value(".url"), "InternetShortcut");
    EXPECT_EQ(Value(".mht"), "mhtmlfile");
}

TEST_F(DefaultBrowserTest, WebPagesWithoutADefaultVerbStayWithTheProgramAfterRestoring) {
    MemoryRegistry bare;
    bare.CreateKey("htmlfile\\shell");
    classes = bare;
    EXPECT_EQ(Toggle(), ToggleResult::Registered);
    EXPECT_FALSE(profile.Has(kOldBrowserSection, "htmlfile\\shell"));
    EXPECT_FALSE(profile.Has(kOldBrowserSection, "htmlfile\\shell\\open\\command"));
    // Keys that did not exist are not created.
    EXPECT_FALSE(classes.HasKey("http\\shell"));
    EXPECT_FALSE(classes.HasKey(".htm"));

    EXPECT_EQ(Toggle(), ToggleResult::Restored);
    EXPECT_EQ(Value("htmlfile\\shell"), "Brisova");
    EXPECT_TRUE(IsDefaultBrowser(classes));
}

TEST_F(DefaultBrowserTest, MissingShtmLeavesShtmlUntouched) {
    MemoryRegistry without;
    for (const auto& [entry, value] : classes.Values()) {
        if (entry.rfind(".shtm|", 0) == 0) continue;
        std::size_t bar = entry.find('|');
        without.WriteString(entry.substr(0, bar), entry.substr(bar + 1), value);
    }
    classes = without;
    Toggle();
    EXPECT_EQ(Value(".shtml"), "OtherHTML");
    EXPECT_EQ(Value(".shtml", "Content Type"), "<none>");
}

TEST_F(DefaultBrowserTest, AnotherProgramTakingWebPagesClearsTheMarkAndKeepsTheFirstHandlersRemembered) {
    Toggle();
    classes.WriteString("htmlfile\\shell", "", "Other");
    EXPECT_FALSE(IsDefaultBrowser(classes));

    // The command now registers again; the protocols that still name the program must not
    // replace the handlers remembered the first time.
    EXPECT_EQ(Toggle(), ToggleResult::Registered);
    EXPECT_EQ(profile.ReadString(kOldBrowserSection, "htmlfile\\shell", ""), "Other");
    EXPECT_EQ(profile.ReadString(kOldBrowserSection, "http\\shell", ""), "open");
    EXPECT_EQ(profile.ReadString(kOldBrowserSection, "http\\shell\\open\\command", ""), OldCommand("http\\shell"));

    Toggle();
    EXPECT_EQ(Value("htmlfile\\shell"), "Other");
    EXPECT_EQ(Value("http\\shell"), "open");
    EXPECT_EQ(Value("http\\shell\\open\\command"), OldCommand("http\\shell"));
}

// Registered from one folder, taken by another browser, registered again after the program
// moved: the command naming the old folder is the program's own, never a previous handler.
TEST_F(DefaultBrowserTest, AfterTheProgramMovedItsOldCommandIsNotRememberedAsThePreviousHandler) {
    ToggleDefaultBrowser(classes, software, profile, "C:\\Old\\Brisova.exe");
    classes.WriteString("htmlfile\\shell", "", "open");
    classes.WriteString("http\\shell", "", "open");
    EXPECT_EQ(ToggleDefaultBrowser(classes, software, profile, "D:\\Brisova\\Brisova.exe"), ToggleResult::Registered);
    EXPECT_EQ(ToggleDefaultBrowser(classes, software, profile, "D:\\Brisova\\Brisova.exe"), ToggleResult::Restored);
    EXPECT_EQ(Value("http\\shell\\open\\command"), OldCommand("http\\shell"));
    EXPECT_EQ(Value("htmlfile\\shell\\open\\command"), OldCommand("htmlfile\\shell"));
    // Another program's command that merely mentions the name is not the program.
    classes.WriteString("ftp\\shell\\open\\command", "", "\"C:\\Tools\\ftp.exe\" --not Brisova.exe \"%1\"");
    ToggleDefaultBrowser(classes, software, profile, kProgram);
    EXPECT_EQ(profile.ReadString(kOldBrowserSection, "ftp\\shell\\open\\command", ""),
              "\"C:\\Tools\\ftp.exe\" --not Brisova.exe \"%1\"");
}

TEST_F(DefaultBrowserTest, TooLongAPathChangesNothingAndTheSystemsOwnChoiceIsReported) {
    const auto before = classes.Values();
    EXPECT_EQ(ToggleDefaultBrowser(classes, software, profile, "C:\\" + std::string(300, 'a') + ".exe"),
              ToggleResult::PathTooLong);
    EXPECT_EQ(classes.Values(), before);
    EXPECT_TRUE(software.Values().empty());

    const std::string choice = "Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\UserChoice";
    software.WriteString(choice, "ProgId", "OtherURL");
    EXPECT_EQ(Toggle(), ToggleResult::RegisteredSystemChoosesOther);
    // The mark stays clear while the system opens another browser, so the next click asks for
    // the program again rather than giving web pages away.
    EXPECT_TRUE(IsDefaultBrowser(classes));
    EXPECT_FALSE(ShowsAsDefaultBrowser(classes, software));
    EXPECT_EQ(Toggle(), ToggleResult::RegisteredSystemChoosesOther);
    software.WriteString(choice, "ProgId", "brisovahtml");
    EXPECT_TRUE(ShowsAsDefaultBrowser(classes, software));
    // "https" counts as much as "http".
    software.WriteString("Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\https\\UserChoice", "ProgId",
                         "OtherURL");
    EXPECT_FALSE(ShowsAsDefaultBrowser(classes, software));
}

// Where the classes root does not merge the user's classes (Wine 8, or a system with the merge
// off), the associations are read value by value from the user's classes, then the machine's.
TEST_F(DefaultBrowserTest, AClassesRootThatDoesNotMergeStillSeesTheRegistrationAndTheRestore) {
    MemoryRegistry user;
    LayeredRegistry layered(user, classes);
    const auto machine = classes.Values();
    EXPECT_EQ(ToggleDefaultBrowser(layered, software, profile, kProgram), ToggleResult::Registered);
    EXPECT_EQ(classes.Values(), machine);
    EXPECT_TRUE(ShowsAsDefaultBrowser(layered, software));
    EXPECT_EQ(layered.ReadString("http\\shell\\open\\command", "").value_or(""), kOurCommand);
    EXPECT_EQ(profile.ReadString(kOldBrowserSection, "http\\shell\\open\\command", ""), OldCommand("http\\shell"));

    EXPECT_EQ(ToggleDefaultBrowser(layered, software, profile, kProgram), ToggleResult::Restored);
    EXPECT_FALSE(IsDefaultBrowser(layered));
    EXPECT_EQ(layered.ReadString("http\\shell\\open\\command", "").value_or(""), OldCommand("http\\shell"));

    // The uninstaller's restore: only where the program holds the associations.
    EXPECT_FALSE(RestorePreviousBrowser(layered, profile));
    ToggleDefaultBrowser(layered, software, profile, kProgram);
    EXPECT_TRUE(RestorePreviousBrowser(layered, profile));
    EXPECT_EQ(layered.ReadString("htmlfile\\shell", "").value_or(""), "open");
}
