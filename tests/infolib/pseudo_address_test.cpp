#include "infolib/library_paths.h"
#include "infolib/library_requests.h"
#include "infolib/pseudo_address.h"
#include "infolib/tree_file.h"
#include "library_test_support.h"

#include <gtest/gtest.h>

using namespace brisova;
using namespace brisova::testing;

TEST(PseudoAddress, ShowFolderLinkPostsTheFolderIdAndThePrefixIsCaseSensitive) {
    PseudoAddressCheck c = CheckPseudoAddress("http://$I5.html");
    EXPECT_TRUE(c.handled);
    EXPECT_EQ(c.request, LibraryRequestType::ShowFolder);
    EXPECT_EQ(c.folderId, 5);
    EXPECT_FALSE(c.askFirst);
    EXPECT_FALSE(CheckPseudoAddress("HTTP://$I5.html").handled);
    EXPECT_FALSE(CheckPseudoAddress("http://$i5.html").handled);
}

TEST(PseudoAddress, NumbersAreStrict) {
    EXPECT_EQ(ParseLibraryNumber("0"), 0);
    EXPECT_EQ(ParseLibraryNumber("2147483647"), 2147483647);
    for (std::string_view bad : {"", "-1", "+1", " 1", "1 ", "1x", "0x10", "2147483648", "99999999999999999999"}) {
        EXPECT_FALSE(ParseLibraryNumber(bad)) << bad;
    }
    // A malformed pseudo-address is still never loaded, but nothing is requested.
    for (std::string_view bad : {"http://$I.html", "http://$I../../x.html", "http://$D5.html", "http://$D_1.html",
                                 "http://$D5_-1.html", "http://$D..\\..\\x_0.html", "http://$S/?Node=0",
                                 "http://$S/?NeiRong=a&Node=x", "http://$S/?NeiRong=a"}) {
        PseudoAddressCheck c = CheckPseudoAddress(bad);
        EXPECT_TRUE(c.handled) << bad;
        EXPECT_FALSE(c.request) << bad;
        EXPECT_FALSE(c.askFirst) << bad;
    }
}

TEST(PseudoAddress, SearchFormSubmissionCarriesWordsAndFolder) {
    PseudoAddressCheck c = CheckPseudoAddress("http://$S/?NeiRong=foo+bar&Node=0&x=1");
    EXPECT_EQ(c.request, LibraryRequestType::Search);
    EXPECT_EQ(c.argument, "/?NeiRong=foo+bar&Node=0&x=1");
    std::optional<SearchArgument> s = ParseSearchArgument(c.argument);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->encodedWords, "foo+bar");
    EXPECT_EQ(s->folderId, 0);
    // The folder number may end the address; "&Node=" is looked for after the words.
    s = ParseSearchArgument("x?NeiRong=a%26Node%3D1&Node=12");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->encodedWords, "a%26Node%3D1");
    EXPECT_EQ(s->folderId, 12);
}

TEST(PseudoAddress, DeleteAsksFirstAndCarriesPageAndPageNumber) {
    PseudoAddressCheck c = CheckPseudoAddress("http://$D17_2.html");
    EXPECT_EQ(c.request, LibraryRequestType::DeletePage);
    EXPECT_TRUE(c.askFirst);
    std::optional<DeleteArgument> d = ParseDeleteArgument(c.argument);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->pageId, 17);
    EXPECT_EQ(d->pageNumber, 2);
}

TEST(RowCut, RemovesOneRowWithItsMarkers) {
    std::string page = "head<!--B1-->one<!--E1--><!--B12-->twelve<!--E12-->tail";
    EXPECT_EQ(CutPageRow(page, 1), "head<!--B12-->twelve<!--E12-->tail");
    EXPECT_EQ(CutPageRow(page, 12), "head<!--B1-->one<!--E1-->tail");
    EXPECT_FALSE(CutPageRow(page, 2));
    EXPECT_FALSE(CutPageRow("<!--E3-->x<!--B3-->", 3));
}

namespace {

class Requests : public ::testing::Test {
protected:
    Requests() {
        dir.Write("frame", "<body>***BODY***</body>");
        store.Load();
    }
    std::int32_t SavedPage(InfoNode* folder, const std::string& name) {
        std::optional<std::string> pageDir = store.BeginPageSave();
        std::ofstream(JoinPath(*pageDir, "p.htm")) << name;
        std::int32_t id = store.nextId();
        store.FinishPageSave(folder, name);
        return id;
    }

    TempLibraryRoot dir;
    DiskLibraryFiles files;
    InfoLibraryStore store{files, dir.str()};
    IndexPageWriter writer{store};
};

}  // namespace

TEST_F(Requests, ViewCommandTakesOverTheSettingAndShowsTheRoot) {
    SavedPage(store.root(), "a");
    EXPECT_EQ(ViewLibrary(writer, true), "file://" + dir.str() + "\\webtmp\\0.html");
    EXPECT_TRUE(writer.openInNewWindow());
    EXPECT_NE(dir.ReadText("webtmp/0.html").find("target=_blank"), std::string::npos);
}

TEST_F(Requests, SearchRequestSearchesTheWholeLibraryFromTheRoot) {
    InfoNode* sub = store.AddNode(store.root(), "Sub", "", NodeType::Folder);
    SavedPage(sub, "foo and bar");
    SavedPage(store.root(), "only foo");
    EXPECT_TRUE(SearchRequest(writer, "/?NeiRong=foo+bar&Node=0&x=1"));
    std::string page = dir.ReadText("webtmp/0.html");
    EXPECT_NE(page.find(">foo and bar</a>"), std::string::npos);
    EXPECT_EQ(page.find(">only foo</a>"), std::string::npos);
    EXPECT_FALSE(SearchRequest(writer, "/?q=1"));
}

TEST_F(Requests, DeleteCutsTheRowRemovesThePageAndRewritesTheTree) {
    std::int32_t keep = SavedPage(store.root(), "keep");
    std::int32_t gone = SavedPage(store.root(), "gone");
    ShowFolderRequest(writer, 0);
    std::string arg = std::to_string(gone) + "_0.html";

    EXPECT_EQ(DeletePageRequest(store, arg), "file://" + dir.str() + "\\webtmp\\0.html");
    std::string page = dir.ReadText("webtmp/0.html");
    EXPECT_EQ(page.find(">gone</a>"), std::string::npos);
    EXPECT_NE(page.find(">keep</a>"), std::string::npos);
    EXPECT_FALSE(dir.Exists(std::to_string(gone)));
    EXPECT_TRUE(dir.Exists(std::to_string(keep) + "/p.htm"));
    TreeFileContent disk = ParseTreeFile(dir.ReadText("MyInfoLib"));
    ASSERT_EQ(disk.topLevel.size(), 1u);
    ASSERT_EQ(disk.topLevel[0]->children.size(), 1u);
    EXPECT_EQ(disk.topLevel[0]->children[0]->id, keep);
}

TEST_F(Requests, DeleteNeverRemovesFoldersOrAnythingOutsideTheLibrary) {
    InfoNode* sub = store.AddNode(store.root(), "Sub", "", NodeType::Folder);
    std::int32_t subId = sub->id;
    std::int32_t inSub = SavedPage(sub, "x");
    dir.Write("webtmp/0.html", "<!--B0-->root<!--E0-->");
    // The root folder's and a sub-folder's ids name no saved page.
    EXPECT_TRUE(DeletePageRequest(store, "0_0.html"));
    EXPECT_TRUE(DeletePageRequest(store, std::to_string(subId) + "_0.html"));
    EXPECT_EQ(dir.ReadText("webtmp/0.html"), "<!--B0-->root<!--E0-->");
    EXPECT_NE(store.FindById(subId), nullptr);
    EXPECT_TRUE(dir.Exists(std::to_string(inSub) + "/p.htm"));
    // A page that is gone already: the library is reloaded and the page reopened all the same.
    EXPECT_EQ(DeletePageRequest(store, "999_3.html"), "file://" + dir.str() + "\\webtmp\\3.html");
    EXPECT_FALSE(DeletePageRequest(store, "..\\..\\x_0.html"));
    EXPECT_TRUE(dir.Exists("MyInfoLib"));
}
