#include "infolib/html_fragments.h"
#include "infolib/index_pages.h"
#include "infolib/page_template.h"
#include "library_test_support.h"

#include <gtest/gtest.h>

using namespace brisova;
using namespace brisova::testing;

namespace {

const std::string kTemplate = "I[***INDEX***]L[***LEFT***]S[***SEARCHNO***]B[***BODY***]N[***PAGENO***]";

std::string Between(const std::string& page, const std::string& open, const std::string& close) {
    std::size_t start = page.find(open);
    if (start == std::string::npos) return "<missing>";
    start += open.size();
    return page.substr(start, page.rfind(close) - start);
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

class IndexPages : public ::testing::Test {
protected:
    IndexPages() {
        dir.Write("frame", kTemplate);
        store.Load();
    }
    void AddPages(InfoNode* folder, int count) {
        for (int i = 0; i < count; ++i) store.AddNode(folder, "page " + std::to_string(i), "p.htm", NodeType::Page);
    }
    std::string Page(int n) const { return dir.ReadText("webtmp/" + std::to_string(n) + ".html"); }
    bool HasPage(int n) const { return dir.Exists("webtmp/" + std::to_string(n) + ".html"); }
    std::string Body(int n) const { return Between(Page(n), "B[", "]N["); }
    std::string Numbers(int n) const { return Between(Page(n), "]N[", "]"); }
    std::string Link(int n) const {
        return " <a href=\"file://" + dir.str() + "\\webtmp\\" + std::to_string(n) + ".html\">" +
               std::to_string(n + 1) + "</a>";
    }

    TempLibraryRoot dir;
    DiskLibraryFiles files;
    InfoLibraryStore store{files, dir.str()};
    IndexPageWriter writer{store};
};

}  // namespace

TEST(HtmlFragments, PageRowIsExactAndEscapesWhatComesFromOutside) {
    std::string rows = "R";
    AppendPageRow(rows, "C:\\Lib", {17, "A <b>\"x\" & 'y'", "p&q.htm", 2}, false);
    EXPECT_EQ(rows,
              "R\r\n<!--B17--><tr><td>&nbsp;</td></tr><tr><td><a href=\"file://C:\\Lib\\17\\p&amp;q.htm\">"
              "A &lt;b&gt;&quot;x&quot; &amp; &#39;y&#39;</a></td><td><a href=\"http://$D17_2.html\">"
              "<img src=\"C:\\Lib\\delete.bmp\" border=0></a></td></tr><!--E17-->");
    std::string newWindow;
    AppendPageRow(newWindow, "C:\\Lib", {3, "n", "f", 0}, true);
    EXPECT_NE(newWindow.find("<a href=\"file://C:\\Lib\\3\\f\" target=_blank>n</a>"), std::string::npos);
}

TEST(PageTemplateFilling, EveryOccurrenceIsReplacedButNeverInsideFilledText) {
    PageTemplate t = PageTemplate::Prepare("***SEARCHNO***|***BODY***|***SEARCHNO***|**|***X***|***PAGENO***",
                                           "***BODY***", "", 7);
    EXPECT_EQ(t.Render("b", "n"), "7|b|7|**|***X***|n");
    PageTemplate fromName = PageTemplate::Prepare("***INDEX***/***BODY***", "***BODY******PAGENO***", "", 0);
    EXPECT_EQ(fromName.Render("body", "numbers"), "***BODY******PAGENO***/body");
}

TEST_F(IndexPages, SixtyPagesMakeTwoFullPagesAndALastPageWithTheLabel) {
    AddPages(store.root(), 60);
    ASSERT_TRUE(writer.ShowFolder(0));
    EXPECT_TRUE(HasPage(2));
    EXPECT_FALSE(HasPage(3));
    for (int n : {0, 1}) {
        EXPECT_EQ(Count(Body(n), "<!--B"), 25u);
        EXPECT_EQ(Body(n).find("<table>"), std::string::npos);
    }
    EXPECT_EQ(Count(Body(2), "<!--B"), 10u);
    EXPECT_TRUE(Body(2).starts_with("<table>\r\n<!--B"));
    EXPECT_TRUE(Body(2).ends_with("</table>"));
    EXPECT_EQ(Numbers(0), " 1" + Link(1) + Link(2));
    EXPECT_EQ(Numbers(1), Link(0) + " 2" + Link(2));
    EXPECT_EQ(Numbers(2), "Result&nbsp;Page:&nbsp;&nbsp;" + Link(0) + Link(1) + " 3");
    // The newest page comes first, and each row's delete address names the page it sits on.
    EXPECT_NE(Body(0).find(">page 59</a>"), std::string::npos);
    EXPECT_NE(Body(2).find("http://$D1_2.html"), std::string::npos);
}

TEST_F(IndexPages, ExactlyTwentyFivePagesMakeOneFullPage) {
    AddPages(store.root(), 25);
    ASSERT_TRUE(writer.ShowFolder(0));
    EXPECT_FALSE(HasPage(1));
    EXPECT_EQ(Count(Body(0), "<!--B"), 25u);
    EXPECT_EQ(Body(0).find("<table>"), std::string::npos);
    EXPECT_EQ(Numbers(0), " 1");
}

TEST_F(IndexPages, SubFoldersWithoutPagesFillOnlyTheLeftColumn) {
    InfoNode* y = store.AddNode(store.root(), "Y", "", NodeType::Folder);
    InfoNode* z = store.AddNode(y, "Z", "", NodeType::Folder);
    ASSERT_TRUE(writer.ShowFolder(y->id));
    EXPECT_EQ(Page(0), "I[<a href=\"http://$I0.html\">My Information</a> &gt; \r\n"
                       "<font face='Verdana, Arial, Helvetica, sans-serif' color=#cc6600 size=-1><b>Y</b></font>\r\n]"
                       "L[\r\n<tr>\r\n<td width=1></td>\r\n<td><a href=\"http://$I2.html\">Z</a></td></tr>\r\n]"
                       "S[1]B[ ]N[ ]");
    EXPECT_FALSE(HasPage(1));

    ASSERT_TRUE(writer.ShowFolder(z->id));
    EXPECT_EQ(Between(Page(0), "I[", "]L["),
              "<a href=\"http://$I0.html\">My Information</a> &gt; \r\n"
              "<a href=\"http://$I1.html\">Y</a> &gt; \r\n"
              "<font face='Verdana, Arial, Helvetica, sans-serif' color=#cc6600 size=-1><b>Z</b></font>\r\n");
    EXPECT_EQ(Between(Page(0), "L[", "]S["), " ");
}

TEST_F(IndexPages, NothingIsWrittenWithoutTheFolderOrTheTemplate) {
    AddPages(store.root(), 3);
    ASSERT_TRUE(writer.ShowFolder(0));
    EXPECT_FALSE(writer.ShowFolder(42));
    EXPECT_FALSE(HasPage(0));
    std::filesystem::remove(dir / "frame");
    EXPECT_FALSE(writer.ShowFolder(0));
    EXPECT_FALSE(HasPage(0));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "webtmp"));
}

TEST_F(IndexPages, SearchWritesResultsWithTheTemplateOfTheFolderShownLast) {
    InfoNode* sub = store.AddNode(store.root(), "Sub", "", NodeType::Folder);
    InfoNode* deep = store.AddNode(sub, "Deep", "", NodeType::Folder);
    store.AddNode(deep, "Foo deep", "d.htm", NodeType::Page);
    InfoNode* inSub = store.AddNode(sub, "Foo in sub", "s.htm", NodeType::Page);
    dir.Write(std::to_string(inSub->id) + "/s.htm.dat", "nothing here");

    ASSERT_TRUE(writer.ShowFolder(sub->id));
    ASSERT_TRUE(writer.Search(sub->id, "FOO"));
    EXPECT_EQ(Count(Body(0), "<!--B"), 1u);
    EXPECT_NE(Body(0).find(">Foo in sub</a>"), std::string::npos);
    EXPECT_EQ(Numbers(0), "Result&nbsp;Page:&nbsp;&nbsp; 1");

    ASSERT_TRUE(writer.Search(0, "foo"));
    EXPECT_EQ(Count(Body(0), "<!--B"), 2u);
    EXPECT_EQ(Between(Page(0), "S[", "]B["), std::to_string(sub->id));

    ASSERT_TRUE(writer.Search(0, "absent"));
    EXPECT_EQ(Body(0), "No Find");
    EXPECT_EQ(Numbers(0), " ");
    ASSERT_TRUE(writer.Search(999, "foo"));
    EXPECT_EQ(Body(0), "No Find");
}

TEST_F(IndexPages, SearchBeforeAnyFolderWasShownUsesTheSearchedFolder) {
    store.AddNode(store.root(), "foo", "f.htm", NodeType::Page);
    ASSERT_TRUE(writer.Search(0, "foo"));
    EXPECT_EQ(Between(Page(0), "S[", "]B["), "0");
    EXPECT_NE(Page(0).find("<b>My Information</b>"), std::string::npos);
}
