#include "infolib/web_address.h"

#include <gtest/gtest.h>

#include <ctime>

using namespace brisova;

namespace {

std::string Resolved(std::string_view base, std::string_view reference) {
    return ResolveAddress(base, reference).value_or("<none>");
}

}  // namespace

TEST(WebAddress, RelativeReferencesResolveAgainstTheBase) {
    // The resolution examples of RFC 3986, fragments dropped.
    const std::string base = "http://a/b/c/d;p?q";
    const std::pair<const char*, const char*> cases[] = {
        {"g", "http://a/b/c/g"},          {"./g", "http://a/b/c/g"},
        {"g/", "http://a/b/c/g/"},        {"/g", "http://a/g"},
        {"//g", "http://g/"},             {"?y", "http://a/b/c/d;p?y"},
        {"g?y", "http://a/b/c/g?y"},      {"#s", "http://a/b/c/d;p?q"},
        {"g#s", "http://a/b/c/g"},        {";x", "http://a/b/c/;x"},
        {"", "http://a/b/c/d;p?q"},       {".", "http://a/b/c/"},
        {"..", "http://a/b/"},            {"../g", "http://a/b/g"},
        {"../..", "http://a/"},           {"../../g", "http://a/g"},
        {"../../../g", "http://a/g"},     {"/./g", "http://a/g"},
        {"/../g", "http://a/g"},          {"g.", "http://a/b/c/g."},
        {"..g", "http://a/b/c/..g"},      {"./../g", "http://a/b/g"},
        {"./g/.", "http://a/b/c/g/"},     {"g/./h", "http://a/b/c/g/h"},
        {"g/../h", "http://a/b/c/h"},     {"g;x=1/../y", "http://a/b/c/y"},
        {"HTTP://Other/x/../y", "http://Other/y"},
    };
    for (auto [reference, expected] : cases) EXPECT_EQ(Resolved(base, reference), expected) << reference;
}

TEST(WebAddress, ReferencesAreReadTheWayTheBrowserReadsThem) {
    const std::string base = "https://site.test/dir/page.html";
    EXPECT_EQ(Resolved(base, "//cdn.test/a.png"), "https://cdn.test/a.png");
    EXPECT_EQ(Resolved(base, "  img\\sub\\a.png\n"), "https://site.test/dir/img/sub/a.png");
    EXPECT_EQ(Resolved(base, "im\tg/a\n.png"), "https://site.test/dir/img/a.png");
    EXPECT_EQ(Resolved(base, "a b\"<>.png?q=\xC3\xA9"), "https://site.test/dir/a%20b%22%3C%3E.png?q=%C3%A9");
    // Same scheme without "//": relative; another scheme: a host.
    EXPECT_EQ(Resolved(base, "https:x.png"), "https://site.test/dir/x.png");
    EXPECT_EQ(Resolved(base, "http:other.test/x.png"), "http://other.test/x.png");
    EXPECT_EQ(Resolved("http://host", "a.png"), "http://host/a.png");

    // Local pages, including the library's own "file://C:\..." addresses.
    EXPECT_EQ(Resolved("file:///C:/My%20Pages/p.htm", "../img/a.png"), "file:///C:/img/a.png");
    EXPECT_EQ(Resolved("file://C:\\lib\\data\\1\\p.htm", "p_files\\a.png"), "file://C:/lib/data/1/p_files/a.png");
    EXPECT_EQ(Resolved(base, "D:\\pictures\\a.png"), "file:///D:/pictures/a.png");

    // Addresses that are not fetched are handed back as they are; nothing is relative to them.
    EXPECT_EQ(Resolved(base, "javascript:go('a b')"), "javascript:go('a b')");
    EXPECT_EQ(Resolved(base, "data:image/png;base64,AAAA"), "data:image/png;base64,AAAA");
    EXPECT_EQ(Resolved("about:blank", "a.png"), "<none>");
    EXPECT_EQ(Resolved("site.test/page.html", "a.png"), "<none>");
    EXPECT_EQ(Resolved("", "a.png"), "<none>");

    // Without an authority in the base, a path that comes out as "//g" stays a path, and the
    // base's own dot segments never survive into the result.
    EXPECT_EQ(Resolved("http:page", ".///g/a.png"), "http:/.//g/a.png");
    EXPECT_EQ(Resolved("http://a/b/../c/./d", "?q"), "http://a/c/d?q");
    EXPECT_EQ(Resolved("http://a/b/../c/./d", "x"), "http://a/c/x");
}

TEST(WebAddress, LongRunsOfDotSegmentsCostTheirLength) {
    std::string climb;
    for (int i = 0; i < 200000; ++i) climb += "../";
    // Processor time, so that a busy machine does not fail it: a quadratic reading takes minutes.
    std::clock_t start = std::clock();
    EXPECT_EQ(Resolved("http://a/b/c/d", climb + "x"), "http://a/x");
    std::string stay;
    for (int i = 0; i < 200000; ++i) stay += "./";
    EXPECT_EQ(Resolved("http://a/b/", stay + "x"), "http://a/b/x");
    EXPECT_LT(static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC, 2.0);
}

TEST(WebAddress, FileAddressesNameLocalDrivePathsOnly) {
    EXPECT_EQ(LocalPathFromFileAddress("file:///C:/My%20Pages/a.png"), "C:\\My Pages\\a.png");
    EXPECT_EQ(LocalPathFromFileAddress("FILE://c:\\lib\\a.png?x#y"), "c:\\lib\\a.png");
    EXPECT_EQ(LocalPathFromFileAddress("file://localhost/D|/a.png"), "D:\\a.png");
    EXPECT_EQ(LocalPathFromFileAddress("file://server/share/a.png"), std::nullopt);
    EXPECT_EQ(LocalPathFromFileAddress("file:///a.png"), std::nullopt);
    EXPECT_EQ(LocalPathFromFileAddress("file:///C:/a/%2E%2E/%2e%2e/secret"), std::nullopt);
    EXPECT_EQ(LocalPathFromFileAddress("file:///C:/a%00.png"), std::nullopt);
    EXPECT_EQ(LocalPathFromFileAddress("file:///C:/a%3A.png"), std::nullopt);
    EXPECT_EQ(LocalPathFromFileAddress("http://host/C:/a.png"), std::nullopt);
}
