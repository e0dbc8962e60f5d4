// The library's addresses and the View command under Wine: what a click in a generated page
// does to the pages on disk, the tree file and the browser windows.
#include "library_fixture_win.h"

#include "infolib/pseudo_address.h"
#include "resource.h"

using Strings = std::vector<std::string>;

class LibraryRequests : public LibraryFixture {
protected:
    void SetUp() override { MakeLibrary(); }
    CChildFrame* Open(const std::string& address, bool activate = true) {
        return frame().OpenWindow(false, &address, activate);
    }
    static std::string LastCall(CChildFrame* window) {
        ScriptedBrowser* browser = BrowserOf(window);
        return browser && !browser->calls.empty() ? browser->calls.back() : "<none>";
    }
    static bool Contains(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }
};

TEST_F(LibraryRequests, FolderLinkShowsTheFolderInTheSameWindowEvenWithInfoNewWindow) {
    WriteSetting("InfoNewWindow", "1");
    StartLibrary();
    CChildFrame* window = Open("http://reader.example/");
    commands_->HandleLibraryAddress(window, "http://$I5.html");
    ASSERT_TRUE(DeliverLibraryRequests());

    EXPECT_EQ(Windows().size(), 1u);
    EXPECT_EQ(LastCall(window), "navigate " + PageAddress(0));
    std::string page = ReadLibraryFile("webtmp\\0.html");
    EXPECT_TRUE(Contains(page, "<b>Europe</b>")) << page;
    EXPECT_TRUE(Contains(page, ">Rome</a>")) << page;
    EXPECT_FALSE(Contains(page, "Paris")) << page;
}

TEST_F(LibraryRequests, RequestAnswersTheWindowItCameFromNotTheActiveOne) {
    StartLibrary();
    CChildFrame* library = Open("http://reader.example/");
    CChildFrame* other = Open("http://other.example/");
    ASSERT_EQ(ActiveWindow(), other);
    commands_->HandleLibraryAddress(library, "http://$I3.html");
    ASSERT_TRUE(DeliverLibraryRequests());
    EXPECT_EQ(LastCall(library), "navigate " + PageAddress(0));
    EXPECT_EQ(LastCall(other), "navigate http://other.example/");
    EXPECT_EQ(ActiveWindow(), other);

    // Once that window is gone, the active one shows the answer.
    commands_->HandleLibraryAddress(library, "http://$I0.html");
    MSG request;
    ASSERT_TRUE(::PeekMessageA(&request, frame().m_hWnd, WM_LIBRARY_REQUEST, WM_LIBRARY_REQUEST, PM_REMOVE));
    library->PostMessage(WM_CLOSE);
    ASSERT_TRUE(PumpUntil([&] { return Windows().size() == 1; }));
    commands_->OnLibraryRequest(request.wParam, request.lParam);
    EXPECT_EQ(LastCall(other), "navigate " + PageAddress(0));
}

TEST_F(LibraryRequests, SearchFromTheRootSearchesTheWholeLibrary) {
    StartLibrary();
    CChildFrame* window = Open("http://reader.example/");
    commands_->HandleLibraryAddress(window, "http://$S/?NeiRong=Apples&Node=0&x=1");
    ASSERT_TRUE(DeliverLibraryRequests());

    EXPECT_EQ(LastCall(window), "navigate " + PageAddress(0));
    std::string page = ReadLibraryFile("webtmp\\0.html");
    EXPECT_TRUE(Contains(page, ">Alpha</a>")) << page;
    EXPECT_TRUE(Contains(page, ">Rome</a>")) << page;
    EXPECT_FALSE(Contains(page, ">Bravo</a>")) << page;
}

TEST_F(LibraryRequests, DeleteAsksCutsTheRowRemovesThePageAndRewritesTheTree) {
    StartLibrary();
    Command(ID_INFO_VIEW);
    ASSERT_EQ(Windows().size(), 1u);
    CChildFrame* window = Windows()[0];
    std::size_t calls = BrowserOf(window)->calls.size();
    ASSERT_TRUE(Contains(ReadLibraryFile("webtmp\\0.html"), "<!--B2-->"));
    ASSERT_TRUE(LibraryPathExists("2\\Alpha.htm"));

    prompter_.Queue(brisova::PromptAnswer::No);
    commands_->HandleLibraryAddress(window, "http://$D2_0.html");
    EXPECT_FALSE(DeliverLibraryRequests());
    EXPECT_TRUE(LibraryPathExists("2"));

    prompter_.Queue(brisova::PromptAnswer::Yes);
    commands_->HandleLibraryAddress(window, "http://$D2_0.html");
    const std::string question(brisova::kDeleteQuestion);
    EXPECT_EQ(prompter_.questions(), (Strings{question, question}));
    EXPECT_EQ(prompter_.captions(), (Strings{"Delete Information", "Delete Information"}));
    ASSERT_TRUE(DeliverLibraryRequests());

    std::string page = ReadLibraryFile("webtmp\\0.html");
    EXPECT_FALSE(Contains(page, "<!--B2-->")) << page;
    EXPECT_FALSE(Contains(page, "Alpha")) << page;
    EXPECT_TRUE(Contains(page, "<!--B1-->")) << page;
    EXPECT_FALSE(LibraryPathExists("2"));
    EXPECT_TRUE(LibraryPathExists("1\\Bravo.htm"));
    auto stored = StoredLibrary();
    EXPECT_EQ(stored->FindById(2), nullptr);
    ASSERT_NE(stored->FindById(1), nullptr);
    EXPECT_NE(commands_->library().store().FindById(6), nullptr);
    EXPECT_EQ(BrowserOf(window)->calls.size(), calls + 1);
    EXPECT_EQ(LastCall(window), "navigate " + PageAddress(0));
}

TEST_F(LibraryRequests, AddressesThatAreNotTheLibrarysAreLoadedNormally) {
    StartLibrary();
    CChildFrame* window = Open("about:blank");
    EXPECT_FALSE(BrowserOf(window)->RaiseBeforeNavigate("HTTP://$I5.html", ScriptedBrowser::TopFrame()));
    EXPECT_EQ(window->view()->address(), "HTTP://$I5.html");
    commands_->HandleLibraryAddress(window, "HTTP://$I5.html");
    commands_->HandleLibraryAddress(window, "http://$I5x.html");
    EXPECT_FALSE(DeliverLibraryRequests());
}

TEST_F(LibraryRequests, RequestNumbersComeOnlyFromTheLibrary) {
    StartLibrary();
    CChildFrame* window = Open("about:blank");
    std::size_t calls = BrowserOf(window)->calls.size();
    // What another program could post to the frame: numbers never handed out, a wrong type.
    commands_->OnLibraryRequest(1, 12345);
    commands_->OnLibraryRequest(2, -1);
    commands_->HandleLibraryAddress(window, "http://$I5.html");
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, frame().m_hWnd, WM_LIBRARY_REQUEST, WM_LIBRARY_REQUEST, PM_REMOVE));
    commands_->OnLibraryRequest(2, msg.lParam);
    EXPECT_EQ(BrowserOf(window)->calls.size(), calls);
    EXPECT_FALSE(LibraryPathExists("webtmp\\0.html"));
}

TEST_F(LibraryRequests, ViewCommandFollowsInfoNewWindowAndActiveNewWindow) {
    WriteSetting("InfoNewWindow", "1");
    WriteSetting("ActiveNewWindow", "0");
    StartLibrary();
    CChildFrame* first = Open("http://first.example/");
    Command(ID_INFO_VIEW);
    ASSERT_EQ(Windows().size(), 2u);
    EXPECT_EQ(ActiveWindow(), first);
    EXPECT_EQ(Windows()[1]->view()->address(), PageAddress(0));
    // The saved pages' links open a new window too.
    EXPECT_TRUE(Contains(ReadLibraryFile("webtmp\\0.html"), "\\Alpha.htm\" target=_blank>"));
}
