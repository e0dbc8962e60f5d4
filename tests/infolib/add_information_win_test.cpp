// Add to ZaDededorizev under Wine: the Add Information and Create New Folder dialogs, answered
// from inside their modal loops, and what reaches the library's files.
#include "library_fixture_win.h"

#include "infolib/add_information_dialog_win.h"
#include "infolib_ids.h"
#include "resource.h"

using Strings = std::vector<std::string>;

// The folders of MakeLibrary's library as the dialog's tree shows them.
const Strings kLibraryFolders{"My Information", " Travel", "  Europe"};

class AddInformation : public LibraryFixture {
protected:
    // A browser window showing a page with this title.
    CChildFrame* OpenPage(const std::string& title) {
        const std::string address = "http://page.example/";
        CChildFrame* window = frame().OpenWindow(false, &address, true);
        BrowserOf(window)->RaiseTitle(title);
        return window;
    }
    static HWND Tree(HWND dialog) { return ::GetDlgItem(dialog, IDC_INFO_TREE); }
};

TEST_F(AddInformation, FirstPageOfANewLibraryGoesIntoDirectoryOne) {
    StartLibrary();
    EXPECT_FALSE(CommandEnabled(ID_INFO_ADD));
    OpenPage("Weather: today");
    EXPECT_TRUE(CommandEnabled(ID_INFO_ADD));

    DialogScript script;
    script.Then("Add Information", [](HWND dialog) {
        EXPECT_EQ(DialogScript::ItemText(dialog, IDC_INFO_NAME), "Weather: today");
        EXPECT_EQ(DialogScript::TreeItems(Tree(dialog)), Strings{"My Information"});
        EXPECT_EQ(DialogScript::SelectedTreeItem(Tree(dialog)), "My Information");
        EXPECT_FALSE(DialogScript::Enabled(dialog, IDC_INFO_DELETE_FOLDER));
        ::SetDlgItemTextA(dialog, IDC_INFO_NAME, "   ");
        EXPECT_FALSE(DialogScript::Enabled(dialog, IDOK));
        ::SetDlgItemTextA(dialog, IDC_INFO_NAME, "  Today's weather ");
        DialogScript::Click(dialog, IDOK);
    });
    Command(ID_INFO_ADD);
    ASSERT_TRUE(script.completed()) << script.failure();

    EXPECT_EQ(saver_->titles, Strings{"Weather: today"});
    EXPECT_EQ(ReadLibraryFile("1\\Weather_ today.htm"), "<HTML><BODY>Hello WORLD</BODY></HTML>");
    EXPECT_EQ(ReadLibraryFile("1\\Weather_ today.htm.dat"), "<html><body>hello world</body></html>");
    auto stored = StoredLibrary();
    EXPECT_EQ(stored->nextId(), 2);
    const brisova::InfoNode* page = stored->FindById(1);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->name, "Today's weather");
    EXPECT_EQ(page->fileName, "Weather_ today.htm");
    EXPECT_EQ(page->parent, stored->root());
    // The frame's library has read the change.
    EXPECT_NE(commands_->library().store().FindById(1), nullptr);
}

TEST_F(AddInformation, TreeShowsFoldersOnlyAndANewFolderStaysAfterCancel) {
    MakeLibrary();
    StartLibrary();
    OpenPage("Recipe");

    DialogScript script;
    script
        .Then("Add Information",
              [](HWND dialog) {
                  EXPECT_EQ(DialogScript::TreeItems(Tree(dialog)), kLibraryFolders);
                  ASSERT_TRUE(DialogScript::SelectTreeItem(Tree(dialog), "Travel"));
                  DialogScript::Click(dialog, IDC_INFO_NEW_FOLDER);
              })
        .Then("Create New Folder",
              [](HWND dialog) {
                  EXPECT_EQ(DialogScript::ItemText(dialog, IDC_FOLDER_NAME), "");
                  EXPECT_FALSE(DialogScript::Enabled(dialog, IDOK));
                  ::SetDlgItemTextA(dialog, IDC_FOLDER_NAME, "Asia");
                  DialogScript::Click(dialog, IDOK);
              })
        .Then("Add Information", [](HWND dialog) {
            EXPECT_EQ(DialogScript::TreeItems(Tree(dialog)),
                      (Strings{"My Information", " Travel", "  Europe", "  Asia"}));
            EXPECT_EQ(DialogScript::SelectedTreeItem(Tree(dialog)), "Asia");
            DialogScript::Click(dialog, IDCANCEL);
        });
    Command(ID_INFO_ADD);
    ASSERT_TRUE(script.completed()) << script.failure();

    EXPECT_TRUE(saver_->titles.empty());
    auto stored = StoredLibrary();
    const brisova::InfoNode* asia = stored->FindById(7);
    ASSERT_NE(asia, nullptr);
    EXPECT_EQ(asia->name, "Asia");
    EXPECT_TRUE(asia->IsFolder());
    EXPECT_EQ(asia->parent, stored->FindById(3));
    EXPECT_EQ(asia->parent->children.back().get(), asia);
    EXPECT_FALSE(LibraryPathExists("7"));
}

TEST_F(AddInformation, DeletingAFolderAsksAndRemovesThePagesBelowIt) {
    MakeLibrary();
    StartLibrary();
    OpenPage("Anything");
    prompter_.Queue(brisova::PromptAnswer::No);
    prompter_.Queue(brisova::PromptAnswer::Yes);

    DialogScript script;
    script
        .Then("Add Information",
              [](HWND dialog) {
                  ASSERT_TRUE(DialogScript::SelectTreeItem(Tree(dialog), "Travel"));
                  DialogScript::Click(dialog, IDC_INFO_DELETE_FOLDER);
              })
        .Then("Add Information",
              [](HWND dialog) {
                  EXPECT_EQ(DialogScript::TreeItems(Tree(dialog)), kLibraryFolders);
                  DialogScript::Click(dialog, IDC_INFO_DELETE_FOLDER);
              })
        .Then("Add Information", [](HWND dialog) {
            EXPECT_EQ(DialogScript::TreeItems(Tree(dialog)), Strings{"My Information"});
            DialogScript::Click(dialog, IDCANCEL);
        });
    Command(ID_INFO_ADD);
    ASSERT_TRUE(script.completed()) << script.failure();

    EXPECT_EQ(prompter_.questions(), (Strings{kDeleteFolderQuestion, kDeleteFolderQuestion}));
    EXPECT_EQ(prompter_.captions(), (Strings{"Delete Folder", "Delete Folder"}));
    EXPECT_FALSE(LibraryPathExists("4"));
    EXPECT_FALSE(LibraryPathExists("6"));
    EXPECT_TRUE(LibraryPathExists("2\\Alpha.htm"));
    auto stored = StoredLibrary();
    EXPECT_EQ(stored->FindById(3), nullptr);
    EXPECT_EQ(stored->FindById(6), nullptr);
    EXPECT_NE(stored->FindById(1), nullptr);
    EXPECT_EQ(commands_->library().store().FindById(3), nullptr);
}

TEST_F(AddInformation, APageThatCannotBeSavedIsReportedAndLeavesNothingBehind) {
    StartLibrary();
    OpenPage("Unsaveable");
    saver_->writes = false;

    DialogScript script;
    script.Then("Add Information", [](HWND dialog) { DialogScript::Click(dialog, IDOK); });
    Command(ID_INFO_ADD);
    ASSERT_TRUE(script.completed()) << script.failure();

    EXPECT_EQ(prompter_.questions(), Strings{kPageNotSavedMessage});
    EXPECT_EQ(prompter_.captions(), Strings{"Brisova"});
    EXPECT_FALSE(LibraryPathExists("1"));
    EXPECT_EQ(StoredLibrary()->nextId(), 1);
    EXPECT_EQ(commands_->library().store().root()->children.size(), 0u);
}

TEST_F(AddInformation, ALibraryRequestArrivingDuringTheDialogWaitsUntilItCloses) {
    MakeLibrary();
    StartLibrary();
    CChildFrame* window = OpenPage("Anything");
    prompter_.Queue(brisova::PromptAnswer::Yes);
    commands_->HandleLibraryAddress(window, "http://$D2_0.html");
    MSG request;
    ASSERT_TRUE(::PeekMessageA(&request, frame().m_hWnd, WM_LIBRARY_REQUEST, WM_LIBRARY_REQUEST, PM_REMOVE));

    DialogScript script;
    script.Then("Add Information", [&](HWND dialog) {
        commands_->OnLibraryRequest(request.wParam, request.lParam);
        EXPECT_TRUE(LibraryPathExists("2"));
        DialogScript::Click(dialog, IDC_INFO_NEW_FOLDER);
    });
    script.Then("Create New Folder", [](HWND dialog) {
        ::SetDlgItemTextA(dialog, IDC_FOLDER_NAME, "Later");
        DialogScript::Click(dialog, IDOK);
    });
    script.Then("Add Information", [](HWND dialog) { DialogScript::Click(dialog, IDCANCEL); });
    frame().SendMessage(WM_COMMAND, ID_INFO_ADD);
    ASSERT_TRUE(script.completed()) << script.failure();
    ASSERT_TRUE(DeliverLibraryRequests());

    EXPECT_FALSE(LibraryPathExists("2"));
    auto stored = StoredLibrary();
    EXPECT_EQ(stored->FindById(2), nullptr);
    ASSERT_NE(stored->FindById(7), nullptr);
    EXPECT_EQ(stored->FindById(7)->name, "Later");
}

TEST_F(AddInformation, APageWithACjkTitleIsSavedUnderItAndFoundBySearch) {
    StartLibrary();
    saver_->html = "<HTML><BODY>東京の天気は晴れ</BODY></HTML>";
    CChildFrame* window = OpenPage("東京 天気");
    DialogScript script;
    script.Then("Add Information", [](HWND dialog) {
        EXPECT_EQ(DialogScript::ItemText(dialog, IDC_INFO_NAME), "東京 天気");
        DialogScript::Click(dialog, IDOK);
    });
    Command(ID_INFO_ADD);
    ASSERT_TRUE(script.completed()) << script.failure();
    EXPECT_EQ(ReadLibraryFile("1\\東京 天気.htm"), saver_->html);

    commands_->HandleLibraryAddress(window, "http://$S/?NeiRong=%E5%A4%A9%E6%B0%97&Node=0");
    ASSERT_TRUE(DeliverLibraryRequests());
    std::string results = ReadLibraryFile("webtmp\\0.html");
    EXPECT_NE(results.find(">東京 天気</a>"), std::string::npos) << results;
}
