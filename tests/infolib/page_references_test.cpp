#include "infolib/page_references.h"

#include <gtest/gtest.h>

#include <ctime>

using namespace brisova;

namespace {

using Strings = std::vector<std::string>;

const char* KindName(ReferenceKind kind) {
    switch (kind) {
    case ReferenceKind::Image: return "image";
    case ReferenceKind::Stylesheet: return "stylesheet";
    case ReferenceKind::Script: return "script";
    case ReferenceKind::Icon: return "icon";
    case ReferenceKind::Link: return "link";
    case ReferenceKind::Base: return "base";
    }
    return "?";
}

// "kind value" for each reference, after checking that its position holds its raw value.
Strings Found(std::string_view html) {
    Strings found;
    for (const TextReference& reference : FindHtmlReferences(html)) {
        std::string_view raw = html.substr(reference.begin, reference.end - reference.begin);
        if (reference.syntax == ReferenceSyntax::HtmlAttribute) {
            EXPECT_EQ(DecodeAttributeValue(raw), reference.value);
            if (reference.quote) {
                EXPECT_EQ(html[reference.begin - 1], reference.quote);
                EXPECT_EQ(html[reference.end], reference.quote);
                EXPECT_EQ(reference.attributeEnd, reference.end + 1);
            }
        } else {
            EXPECT_EQ(raw, reference.value);
        }
        found.push_back(std::string(KindName(reference.kind)) + " " + reference.value);
    }
    return found;
}

}  // namespace

TEST(PageReferences, AttributesThatLoadOrLeadSomewhere) {
    EXPECT_EQ(Found("<html><head><base href='http://base.test/'>"
                    "<link href=s.css rel=stylesheet><link rel='alternate StyleSheet' href=alt.css>"
                    "<LINK REL=\"shortcut icon\" HREF=\"fav.ico\"><link rel=preload href=no.js>"
                    "<script src=a.js></script></head>"
                    "<body background=\"bg.gif\"><table background=t.gif><tr><td background=td.gif>"
                    "<img alt=x src=\"i.png\"><input type=IMAGE src=b.png><input type=text src=no.png>"
                    "<a name=x>no href</a><a href=next.html>n</a><area href=map.html><frame src=f.html>"
                    "<iframe src=if.html></iframe><form action=/post></form><div src=no.png></div>"),
              (Strings{"base http://base.test/", "stylesheet s.css", "stylesheet alt.css", "icon fav.ico",
                       "script a.js", "image bg.gif", "image t.gif", "image td.gif", "image i.png",
                       "image b.png", "link next.html", "link map.html", "link f.html", "link if.html",
                       "link /post"}));
}

TEST(PageReferences, ValuesAreReadInEveryQuotingAsTheBrowserReadsThem) {
    EXPECT_EQ(Found("<img src=\"a b.png\"><img src='it\"s>.png'><img src=bare.png/><img\nsrc = spaced.png >"
                    "<IMG SRC=\"x.php?a=1&amp;b=2&#38;c=&#x33;\"><img src=first.png src=second.png>"
                    "<img/src=slash.png><img src><img src=\"\">"),
              (Strings{"image a b.png", "image it\"s>.png", "image bare.png/", "image spaced.png",
                       "image x.php?a=1&b=2&c=3", "image first.png", "image slash.png", "image "}));
}

TEST(PageReferences, TextThatIsNotMarkupIsNotTakenForTags) {
    EXPECT_EQ(Found("<!-- <img src=comment.png> --><!--><img src=after-empty-comment.png>"
                    "<script>document.write('<img src=script.png>'); x = '</scr' + 'ipt>';</script>"
                    "<SCRIPT type=x>if (a<b) {}</Script ><img src=after-script.png>"
                    "<title><img src=title.png></title><textarea><img src=textarea.png></textarea>"
                    "<!DOCTYPE html><?xml x?></p x='<img src=end.png>'>a < b <3 <img src=last.png>"),
              (Strings{"image after-empty-comment.png", "image after-script.png", "image last.png"}));
}

TEST(PageReferences, StyleTextInElementsAndAttributes) {
    std::string html =
        "<style>/* url(comment.png) */ @import \"imp.css\"; @import url(imp2.css);"
        " body { background: URL( 'bg.png' ) } .a { b: url(bare.png) } .c { content: 'url(str.png)' }"
        " .d { e: xurl(no.png) }</style>"
        "<div style=\"background:url(div.png)\"></div><p style='background:url(\"p.png\")'>"
        "<span style=\"background:url(&quot;hidden.png&quot;)\"></span>"
        "<img style=\"background:url(first.png)\" src=\"second.png\">";
    EXPECT_EQ(Found(html), (Strings{"stylesheet imp.css", "stylesheet imp2.css", "image bg.png", "image bare.png",
                                    "image div.png", "image p.png", "image first.png", "image second.png"}));
    std::vector<TextReference> references = FindHtmlReferences(html);
    EXPECT_EQ(references[0].syntax, ReferenceSyntax::StyleText);
    EXPECT_EQ(references[2].quote, '\'');
    EXPECT_EQ(references[4].syntax, ReferenceSyntax::StyleAttribute);
}

TEST(PageReferences, BrokenOrHugeInputEndsQuietly) {
    EXPECT_EQ(Found("<img src='never closed.png"), Strings{});
    EXPECT_EQ(Found("<img src=a.png><style>url(x.png"), (Strings{"image a.png"}));
    EXPECT_EQ(Found("<!-- never closed <img src=a.png>"), Strings{});
    EXPECT_EQ(Found("<img src=ok.png><img src"), (Strings{"image ok.png"}));
    EXPECT_EQ(Found("<"), Strings{});
    EXPECT_EQ(FindStyleReferences("url(").size(), 0u);
    EXPECT_EQ(FindStyleReferences("@import").size(), 0u);

    std::string huge;
    for (int i = 0; i < 100000; ++i) huge += "<img src=a.png><</<!x><a href=b>";
    // Processor time, so that a busy machine does not fail it: a quadratic reading takes minutes.
    std::clock_t start = std::clock();
    EXPECT_EQ(FindHtmlReferences(huge).size(), 200000u);
    EXPECT_EQ(FindHtmlReferences(std::string(5'000'000, '<')).size(), 0u);
    EXPECT_EQ(FindHtmlReferences("<script>" + std::string(5'000'000, '<')).size(), 0u);
    EXPECT_LT(static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC, 10.0);
}

TEST(PageReferences, CharacterReferencesInValues) {
    EXPECT_EQ(DecodeAttributeValue("a&amp;b&AMP;c&lt;&gt;&quot;&apos;"), "a&b&c<>\"'");
    EXPECT_EQ(DecodeAttributeValue("&#233;&#xE9;&#X1F600;&#65"), "\xC3\xA9\xC3\xA9\xF0\x9F\x98\x80" "A");
    EXPECT_EQ(DecodeAttributeValue("&#0;&#xD800;&#99999999999999999999;"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(DecodeAttributeValue("&copy=1&amp&#;&#x;&"), "&copy=1&amp&#;&#x;&");
}
