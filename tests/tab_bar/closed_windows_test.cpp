#include "tab_bar/closed_windows.h"

#include <gtest/gtest.h>

using namespace brisova;

namespace {
ClosedWindow Window(int index) {
    return {index, "Page " + std::to_string(index), "http://" + std::to_string(index) + ".example/"};
}
}  // namespace

TEST(ClosedWindowList, NewestFirstBoundedAndTheSameAfterAReload) {
    ClosedWindows list;
    for (int i = 0; i < 12; ++i) list.Add(Window(i));
    ASSERT_EQ(list.windows().size(), 10u);
    EXPECT_EQ(list.windows().front(), Window(11));
    EXPECT_EQ(list.windows().back(), Window(2));
    EXPECT_EQ(ClosedWindows::Parse(list.Format()).windows(), list.windows());

    ClosedWindow taken;
    ASSERT_TRUE(list.Take(1, taken));
    EXPECT_EQ(taken, Window(10));
    EXPECT_EQ(list.windows()[1], Window(9));
    EXPECT_FALSE(list.Take(9, taken));

    // Tabs and line breaks in a title cannot split its line; a window without address is not kept.
    list.Add({-3, "a\tb\nc", "http://x.example/\r"});
    list.Add({0, "no address", ""});
    EXPECT_EQ(list.windows().front(), (ClosedWindow{0, "a b c", "http://x.example/ "}));
    EXPECT_EQ(ClosedWindows::Parse(list.Format()).windows(), list.windows());
}

TEST(ClosedWindowList, EachWindowKeepsItsBackAndForwardPagesWithinTheirBound) {
    ClosedWindows list;
    ClosedWindow window = Window(1);
    window.back = {"http://b1.example/", "", "http://b2.example/"};
    for (int i = 0; i < 60; ++i) window.forward.push_back("http://f" + std::to_string(i) + ".example/");
    list.Add(window);
    list.Add(Window(2));
    const ClosedWindow& kept = list.windows()[1];
    EXPECT_EQ(kept.back, (std::vector<std::string>{"http://b1.example/", "http://b2.example/"}));
    ASSERT_EQ(kept.forward.size(), kMaxClosedHistory);
    EXPECT_EQ(kept.forward[0], "http://f0.example/");
    EXPECT_EQ(ClosedWindows::Parse(list.Format()).windows(), list.windows());
    // A page of no window, or past the bound, is damage.
    const std::string header = "Brisova closed windows 1\n";
    EXPECT_TRUE(ClosedWindows::Parse(header + "B\thttp://b.example/\n1\tOne\thttp://one.example/\n").empty());
    std::string many = header + "1\tOne\thttp://one.example/\n";
    for (int i = 0; i < 51; ++i) many += "F\thttp://f.example/\n";
    many += "2\tTwo\thttp://two.example/\n";
    EXPECT_EQ(ClosedWindows::Parse(many).windows().size(), 1u);
}

TEST(ClosedWindowList, AFileDamagedCutOrOverlongKeepsTheWindowsBeforeTheDamage) {
    const std::string header = "Brisova closed windows 1\n";
    const std::string two = "2\tTwo\thttp://two.example/\n";
    const std::string one = "1\tOne\thttp://one.example/\n";
    for (const std::string& damage : {std::string("x\tBad\thttp://bad.example/\n"), std::string("3\tNo address\t\n"),
                                      std::string("3\tToo\tmany\tfields\n"), std::string("-1\tA\thttp://a.example/\n"),
                                      std::string("4\tCut\thttp://cut.exa"),
                                      "5\tLong\thttp://" + std::string(5000, 'a') + "\n"}) {
        const auto windows = ClosedWindows::Parse(header + two + damage + one).windows();
        ASSERT_EQ(windows.size(), 1u) << damage;
        EXPECT_EQ(windows[0].address, "http://two.example/");
    }
    EXPECT_TRUE(ClosedWindows::Parse("").empty());
    EXPECT_TRUE(ClosedWindows::Parse("Brisova closed windows 2\n" + two).empty());
    // Written again by an editor on Windows, with its line breaks.
    EXPECT_EQ(ClosedWindows::Parse("Brisova closed windows 1\r\n2\tTwo\thttp://two.example/\r\n").windows().size(), 1u);
}

TEST(ClosedWindowList, MenuLabelsAreCutLikeTabTextsAndKeepTheirAmpersands) {
    EXPECT_EQ(ClosedWindowLabel({0, "Q&A", "http://q.example/"}), "Q&&A");
    EXPECT_EQ(ClosedWindowLabel({0, "", "http://q.example/"}), "http://q.example/");
    EXPECT_EQ(ClosedWindowLabel({0, std::string(150, 't'), "http://q.example/"}).size(), 100u);
}

TEST(ClosedWindowList, TheJumpListOffersANewWindowAndTheClosedWindowsAsOneArgumentEach) {
    ClosedWindows closed;
    closed.Add({0, "", "C:\\pages\\"});
    closed.Add({0, "Quoted", "http://q.example/?a=\"b\""});
    closed.Add({0, "Switch", "/unregister"});
    closed.Add({1, "Q&A", "http://q.example/a b"});
    const JumpList list = ClosedWindowsJumpList(closed);
    EXPECT_EQ(list.tasks, (std::vector<JumpListEntry>{{"New Window", "about:blank"}}));
    EXPECT_EQ(list.categoryName, "Recently Closed");
    // The backslash at the end is doubled, so that it does not take the closing quote with it.
    EXPECT_EQ(list.category, (std::vector<JumpListEntry>{{"Q&A", "\"http://q.example/a b\""},
                                                          {"C:\\pages\\", "\"C:\\pages\\\\\""}}));
    EXPECT_TRUE(ClosedWindowsJumpList(ClosedWindows()).category.empty());
}
