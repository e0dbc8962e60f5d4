#include "infolib/complete_page.h"
#include "infolib/info_library_store.h"
#include "infolib/library_paths.h"
#include "library_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace brisova;
using namespace brisova::testing;

namespace {

using Strings = std::vector<std::string>;

const std::string kPng = "\x89PNG\r\n\x1a\n";
const std::string kGif = "GIF89a";

class FakeFetcher final : public ResourceFetcher {
public:
    std::optional<std::string> Fetch(const std::string& address) override {
        requests.push_back(address);
        auto found = bodies.find(address);
        if (found == bodies.end()) return std::nullopt;
        return found->second;
    }
    std::map<std::string, std::string> bodies;
    Strings requests;
};

class CompletePage : public ::testing::Test {
protected:
    bool Save(const std::string& html, const std::string& address, const std::string& fileName = "My Page.htm") {
        return SaveCompletePage(files, fetcher, html, address, dir.str(), fileName);
    }
    // A saved page's text after the mark of where it came from, which must name `address`.
    std::string SavedPage(const std::string& fileName, const std::string& address) const {
        std::string text = dir.ReadText(fileName);
        std::string mark = "<!-- saved from url=(00" + std::to_string(address.size()) + ")" + address + " -->\r\n";
        EXPECT_TRUE(text.starts_with(mark)) << text.substr(0, 80);
        return text.substr(std::min(text.size(), mark.size()));
    }
    Strings Listing(const std::string& relative) const {
        Strings names;
        for (const auto& entry : std::filesystem::directory_iterator(dir / relative)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TempLibraryRoot dir;
    DiskLibraryFiles files;
    FakeFetcher fetcher;
};

}  // namespace

TEST_F(CompletePage, WhatThePageLoadsIsSavedBesideItAndThePagePointsThere) {
    const std::string page = "http://site.test/dir/page.html";
    fetcher.bodies = {
        {"http://site.test/dir/css/main.css",
         "body{background:url(../img/bg.gif)} @import 'more.css'; .x{background:url(http://site.test/dir/img/a.png)}"
         " .y{b:url(nothing.png)}"},
        {"http://site.test/dir/css/more.css", "@import url(main.css); p{}"},
        {"http://site.test/js/app.js", "if (a<b) go();"},
        {"http://site.test/dir/img/a.png", kPng + "first"},
        {"http://site.test/shared/a.png", kPng + "second"},
        {"http://site.test/dir/img/bg.gif", kGif},
    };
    ASSERT_TRUE(Save("<html><head><link rel=stylesheet href=\"css/main.css\"><script src='/js/app.js'></script>\n"
                     "<style>p { background: url(img/a.png) }</style></head>\n"
                     "<body><img src=\"img/a.png\"><img src=\"../shared/a.png\"><IMG SRC=\"img/a.png#x\">\n"
                     "<img src=\"img/missing.png\"><div style=\"background:url('img/missing.png')\"></div>\n"
                     "<img src=\"data:image/png;base64,AA\"><a href=\"next.html?x=1&amp;y=2\">n</a>\n"
                     "<a href=\"#top\">t</a><a href=\"http://other.test/\">o</a><img src=http://cdn.test/gone.png>\n"
                     "</body></html>",
                     page));

    EXPECT_EQ(SavedPage("My Page.htm", page),
              "<html><head><link rel=stylesheet href=\"My%20Page_files/main.css\">"
              "<script src='My%20Page_files/app.js'></script>\n"
              "<style>p { background: url(My%20Page_files/a.png) }</style></head>\n"
              "<body><img src=\"My%20Page_files/a.png\"><img src=\"My%20Page_files/a_2.png\">"
              "<IMG SRC=\"My%20Page_files/a.png\">\n"
              "<img src=\"http://site.test/dir/img/missing.png\">"
              "<div style=\"background:url('http://site.test/dir/img/missing.png')\"></div>\n"
              "<img src=\"data:image/png;base64,AA\"><a href=\"http://site.test/dir/next.html?x=1&amp;y=2\">n</a>\n"
              "<a href=\"#top\">t</a><a href=\"http://other.test/\">o</a><img src=http://cdn.test/gone.png>\n"
              "</body></html>");
    EXPECT_EQ(Listing("My Page_files"), (Strings{"a.png", "a_2.png", "app.js", "bg.gif", "main.css", "more.css"}));
    EXPECT_EQ(dir.ReadText("My Page_files/a.png"), kPng + "first");
    EXPECT_EQ(dir.ReadText("My Page_files/a_2.png"), kPng + "second");
    // A style sheet's resources sit beside it; the sheets that import each other are fetched once.
    EXPECT_EQ(dir.ReadText("My Page_files/main.css"),
              "body{background:url(bg.gif)} @import 'more.css'; .x{background:url(a.png)}"
              " .y{b:url(http://site.test/dir/css/nothing.png)}");
    EXPECT_EQ(dir.ReadText("My Page_files/more.css"), "@import url(main.css); p{}");
    EXPECT_EQ(fetcher.requests,
              (Strings{"http://site.test/dir/css/main.css", "http://site.test/js/app.js",
                       "http://site.test/dir/img/a.png", "http://site.test/shared/a.png",
                       "http://site.test/dir/img/missing.png", "http://cdn.test/gone.png",
                       "http://site.test/dir/img/bg.gif", "http://site.test/dir/css/more.css",
                       "http://site.test/dir/css/nothing.png"}));
}

TEST_F(CompletePage, TheBaseAddressDecidesAndIsTakenOut) {
    fetcher.bodies = {{"http://cdn.test/assets/a.png", kPng}};
    ASSERT_TRUE(Save("<head><base target=_top href=\"http://cdn.test/assets/\"><BASE HREF=/other/></head>"
                     "<img src=a.png><a href=b.html>",
                     "http://site.test/p.html", "p.htm"));
    EXPECT_EQ(SavedPage("p.htm", "http://site.test/p.html"),
              "<head><base target=_top ><BASE ></head><img src=p_files/a.png><a href=http://cdn.test/assets/b.html>");
}

TEST_F(CompletePage, LocalFilesAreCopiedOnlyForLocalPages) {
    const std::string html = "<img src=\"file:///C:/pics/a.png\"><img src=b.png>";
    ASSERT_TRUE(Save(html, "https://site.test/p.html"));
    EXPECT_EQ(fetcher.requests, Strings{"https://site.test/b.png"});
    EXPECT_EQ(SavedPage("My Page.htm", "https://site.test/p.html"),
              "<img src=\"file:///C:/pics/a.png\"><img src=https://site.test/b.png>");
    // Nothing saved, no companion folder.
    EXPECT_FALSE(dir.Exists("My Page_files"));

    fetcher.requests.clear();
    ASSERT_TRUE(Save(html, "file:///C:/pages/p.htm"));
    EXPECT_EQ(fetcher.requests, (Strings{"file:///C:/pics/a.png", "file:///C:/pages/b.png"}));
}

TEST(SavedFromMark, NamesTheOriginAfterTheDocumentType) {
    EXPECT_EQ(WithSavedFromMark("<!DOCTYPE html>\n<p>x", "https://a.test/p?q=<1>"),
              "<!DOCTYPE html>\r\n<!-- saved from url=(0026)https://a.test/p?q=%3C1%3E -->\n<p>x");
    EXPECT_EQ(WithSavedFromMark("\xEF\xBB\xBF<p>", "http://a.test/Привет"),
              "\xEF\xBB\xBF<!-- saved from url=(0050)http://a.test/%D0%9F%D1%80%D0%B8%D0%B2%D0%B5%D1%82 -->\r\n<p>");
    EXPECT_EQ(WithSavedFromMark("<p>", ""), "<!-- saved from url=(0014)about:internet -->\r\n<p>");
    EXPECT_EQ(WithSavedFromMark("<p>", "http://a.test/" + std::string(10000, 'a')),
              "<!-- saved from url=(0014)about:internet -->\r\n<p>");
    const std::string utf16("\xFF\xFE<\0p\0>\0", 8);
    EXPECT_EQ(WithSavedFromMark(utf16, "http://a.test/"), utf16);
}

TEST_F(CompletePage, ResourcesStopAtTheBound) {
    std::string html;
    for (std::size_t i = 0; i < kMaxSavedResources + 100; ++i) {
        std::string name = "i" + std::to_string(i) + ".png";
        html += "<img src=" + name + ">";
        fetcher.bodies["http://site.test/" + name] = kPng;
    }
    ASSERT_TRUE(Save(html, "http://site.test/"));
    EXPECT_EQ(fetcher.requests.size(), kMaxSavedResources);
    EXPECT_EQ(Listing("My Page_files").size(), kMaxSavedResources);
    std::string saved = dir.ReadText("My Page.htm");
    EXPECT_NE(saved.find("<img src=My%20Page_files/i499.png><img src=http://site.test/i500.png>"), std::string::npos);
}

TEST(ResourceNames, NamesAreSafeUniqueWithoutRegardToCaseAndTyped) {
    ResourceNames names;
    const std::string jpeg = "\xFF\xD8\xFF\xE0";
    EXPECT_EQ(names.Take("http://h/a/Photo%20One.JPG?size=2", ReferenceKind::Image, jpeg), "Photo_One.jpg");
    EXPECT_EQ(names.Take("http://h/b/photo_one.jpeg", ReferenceKind::Image, jpeg), "photo_one.jpeg");
    EXPECT_EQ(names.Take("http://h/c/PHOTO_ONE.jpg", ReferenceKind::Image, jpeg), "PHOTO_ONE_2.jpg");
    EXPECT_EQ(names.Take("http://h/image?id=3", ReferenceKind::Image, kPng), "image.png");
    EXPECT_EQ(names.Take("http://h/x.png", ReferenceKind::Image, kGif), "x.png.gif");
    EXPECT_EQ(names.Take("http://h/pixel.php", ReferenceKind::Image, "???"), "pixel.php.img");
    EXPECT_EQ(names.Take("http://h/logo.svg", ReferenceKind::Image, "\xEF\xBB\xBF <svg>"), "logo.svg");
    EXPECT_EQ(names.Take("http://h/style.php?v=2", ReferenceKind::Stylesheet, "p{}"), "style.php.css");
    EXPECT_EQ(names.Take("http://h/", ReferenceKind::Script, ""), "file.js");
    EXPECT_EQ(names.Take("http://h/CON.png", ReferenceKind::Image, kPng), "_CON.png");
    EXPECT_EQ(names.Take("http://h/..%2F..%2Fx%5Cy%3Az.png.", ReferenceKind::Image, kPng), "_.._x_y_z.png");
    EXPECT_EQ(names.Take("http://h/%E6%97%A5 (1).png", ReferenceKind::Image, kPng), "_1_.png");
    EXPECT_EQ(names.Take("http://h/" + std::string(300, 'n') + ".png", ReferenceKind::Image, kPng),
              std::string(60, 'n') + ".png");
}

TEST(ResourceNames, TheCompanionFolderIsNamedAfterThePageFile) {
    EXPECT_EQ(CompanionFolderName("Weather report.htm"), "Weather report_files");
    EXPECT_EQ(CompanionFolderName("a(b)&c'd;e.HTML"), "a_b_c_d_e_files");
    EXPECT_EQ(CompanionFolderName("Caf\xE9 \x93\xfa\x96{.htm"), "Caf_ __files");
    EXPECT_EQ(CompanionFolderName(".htm"), "page_files");
}

TEST_F(CompletePage, TheLibraryFindsThePageFileBesideItsFolderAndDeletesBoth) {
    InfoLibraryStore store(files, dir.str(), [] { return 1; });
    store.Load();
    std::optional<std::string> pageDir = store.BeginPageSave();
    ASSERT_TRUE(pageDir);
    fetcher.bodies = {{"http://site.test/a.png", kPng}};
    ASSERT_TRUE(SaveCompletePage(files, fetcher, "<IMG src=a.png>", "http://site.test/", *pageDir, "News.htm"));
    ASSERT_TRUE(dir.Exists("1/News_files/a.png"));

    ASSERT_TRUE(store.FinishPageSave(store.root(), "News"));
    InfoNode* page = store.FindById(1);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->fileName, "News.htm");
    EXPECT_EQ(dir.ReadText("1/News.htm.dat"),
              "<!-- saved from url=(0017)http://site.test/ -->\r\n<img src=news_files/a.png>");

    EXPECT_TRUE(store.DeletePage(1));
    EXPECT_FALSE(dir.Exists("1"));
}
