#include "commands/mail_rules.h"

#include <gtest/gtest.h>

using namespace brisova;

TEST(LinkMail, SubjectAndBodyAreEncodedSoTheAddressKeepsItsQueryAndFragment) {
    EXPECT_EQ(LinkMailAddress("http://shop.example/a?x=1&y=2#top", "Fish & Chips?"),
              "mailto:?subject=Fish%20%26%20Chips%3F.htm&body=http%3A%2F%2Fshop.example%2Fa%3Fx%3D1%26y%3D2%23top");
    // A title that is an address names the page by its last segment.
    EXPECT_EQ(LinkMailAddress("http://a.example/dir/", "http://a.example/dir/"),
              "mailto:?subject=dir.htm&body=http%3A%2F%2Fa.example%2Fdir%2F");
    EXPECT_EQ(LinkMailAddress("http://a.example/", "http://host:8080"), "mailto:?subject=host_8080.htm&body=http%3A%2F%2Fa.example%2F");
    // A local page is named by its path; UTF-8 and "%" are encoded byte by byte.
    EXPECT_EQ(LinkMailAddress("file:///C:/Pages/caf%C3%A9.htm", "ignored"),
              "mailto:?subject=C%3A%5CPages%5Ccaf%C3%A9.htm&body=file%3A%2F%2F%2FC%3A%2FPages%2Fcaf%25C3%25A9.htm");
}

TEST(LocalPage, TheAttachmentIsTheFileItself) {
    EXPECT_EQ(LocalPagePath("file:///C:/My%20Pages/a%20b.htm"), "C:\\My Pages\\a b.htm");
    EXPECT_EQ(LocalPagePath("file://server/share/x.htm"), "\\\\server\\share\\x.htm");
    // A broken escape stays as it is.
    EXPECT_EQ(LocalPagePath("file:///C:/100%/a%2"), "C:\\100%\\a%2");
    EXPECT_FALSE(LocalPagePath("http://a.example/x.htm"));
    EXPECT_FALSE(LocalPagePath("File:///C:/a.htm"));
    EXPECT_FALSE(LocalPagePath("file:///"));
    EXPECT_FALSE(LocalPagePath("file://"));
    // A decoded NUL or control character would name another file.
    EXPECT_FALSE(LocalPagePath("file:///C:/docs/a.htm%00.txt"));
    EXPECT_FALSE(LocalPagePath("file:///C:/docs/a%0A.htm"));
    EXPECT_FALSE(LocalPagePath("file:///C:/docs/a%7F.htm"));
    // ';' separates attachments: such a page is attached through a copy.
    EXPECT_EQ(LocalPagePath("file:///C:/docs/a;b.htm"), "C:\\docs\\a;b.htm");
    EXPECT_FALSE(LocalAttachmentPath("file:///C:/docs/a;b.htm"));
    EXPECT_FALSE(LocalAttachmentPath("file:///C:/docs/a%3Bb.htm"));
    EXPECT_EQ(LocalAttachmentPath("file:///C:/docs/ab.htm"), "C:\\docs\\ab.htm");
}

TEST(AttachmentName, HostileTitlesStayOneHarmlessFileName) {
    EXPECT_EQ(SafeAttachmentName("News of the day"), "News of the day");
    EXPECT_EQ(SafeAttachmentName("..\\..\\Windows\\evil"), ".._.._Windows_evil");
    EXPECT_EQ(SafeAttachmentName("a/b:c*d?e\"f<g>h|i;j\tk"), "a_b_c_d_e_f_g_h_i_j_k");
    EXPECT_EQ(SafeAttachmentName(".."), "page");
    EXPECT_EQ(SafeAttachmentName(""), "page");
    EXPECT_EQ(SafeAttachmentName("   ...  "), "page");
    EXPECT_EQ(SafeAttachmentName("CON"), "_CON");
    EXPECT_EQ(SafeAttachmentName("lpt1.report"), "_lpt1.report");
    // An address as title: its last segment, even when that is "..".
    EXPECT_EQ(SafeAttachmentName("http://a.example/x/.."), "page");
    EXPECT_EQ(SafeAttachmentName("file:///C:/dir/nul"), "_nul");

    std::string longTitle(300, 'x');
    EXPECT_EQ(SafeAttachmentName(longTitle), std::string(64, 'x'));
    // Cut before a character that does not fit whole: 63 bytes, then a 2-byte "é".
    std::string accented = std::string(63, 'a') + "\xC3\xA9" + "tail";
    EXPECT_EQ(SafeAttachmentName(accented), std::string(63, 'a'));
    // A device name's mark counts against the bound.
    const std::string device = SafeAttachmentName("CON." + std::string(70, 'x'));
    EXPECT_EQ(device, "_CON." + std::string(59, 'x'));
    EXPECT_LE(SafeAttachmentName("nul" + std::string(80, ' ') + "x").size(), 64u);
}

TEST(AttachmentName, TheBaseLinePointsAtThePagesDirectory) {
    EXPECT_EQ(BaseHrefLine("http://a.example/dir/page.htm?q=1"), "<BASE HREF=\"http://a.example/dir/\">\n");
    EXPECT_EQ(BaseHrefLine("about:blank"), "<BASE HREF=\"\">\n");
}

TEST(MailCommand, QuotedAndPlainProgramsAndTheAddressPlaceholder) {
    CommandLine quoted = MailCommandLine("\"C:\\Program Files\\Mail\\mail.exe\" /compose \"%1\"", "mailto:?subject=a");
    EXPECT_EQ(quoted.program, "C:\\Program Files\\Mail\\mail.exe");
    EXPECT_EQ(quoted.arguments, "/compose \"mailto:?subject=a\"");

    CommandLine plain = MailCommandLine("C:\\mail.exe -m %1 -n %1", "mailto:");
    EXPECT_EQ(plain.program, "C:\\mail.exe");
    EXPECT_EQ(plain.arguments, "-m mailto: -n %1");

    // A quote inside the arguments does not make them the program.
    CommandLine inner = MailCommandLine("C:\\mail.exe /mailurl:\"%1\"", "mailto:x");
    EXPECT_EQ(inner.program, "C:\\mail.exe");
    EXPECT_EQ(inner.arguments, "/mailurl:\"mailto:x\"");

    // Without "%1" the address still reaches the program, as its last argument.
    EXPECT_EQ(MailCommandLine("\"C:\\mail.exe\" -compose", "mailto:").arguments, "-compose mailto:");
    EXPECT_EQ(MailCommandLine("C:\\mail.exe", "mailto:").arguments, "mailto:");

    CommandLine unclosed = SplitCommandLine("  \"C:\\mail.exe -x");
    EXPECT_EQ(unclosed.program, "C:\\mail.exe -x");
    EXPECT_EQ(unclosed.arguments, "");
}
