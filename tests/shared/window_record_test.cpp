#include "shared/window_record.h"

#include <gtest/gtest.h>

using namespace brisova;

namespace {
Bytes Of(const std::string& text) {
    Bytes bytes(text.begin(), text.end());
    bytes.push_back('\0');
    return bytes;
}
const std::string kMark = "\x01" "Brisova windows 2\n";
}  // namespace

TEST(WindowList, RoundTripsWindowsTitlesListsAndTheActiveOne) {
    WindowRecord record;
    record.windows = {{"http://a.example/", "A page", {"http://a0.example/", "http://a1.example/"}, {}},
                      {"http://b.example/", "", {}, {"http://b1.example/"}},
                      {"about:blank", "Blank", {}, {}}};
    record.active = 1;
    const Bytes bytes = EncodeWindowList(record);
    EXPECT_EQ(DecodeWindowList(bytes), record);
    EXPECT_EQ(bytes.back(), 0);
    EXPECT_EQ(DecodeWindowRecord(bytes), (std::vector<std::string>{"http://a.example/", "http://b.example/", "about:blank"}));

    // A title cannot break its line; no windows is a record of its own.
    record.windows[0].title = "two\nlines";
    EXPECT_EQ(DecodeWindowList(EncodeWindowList(record)).windows[0].title, "two lines");
    EXPECT_TRUE(DecodeWindowList(EncodeWindowList({})).windows.empty());
}

TEST(WindowList, RecordsOfEarlierVersionsRestoreTheirAddressesWithTheFirstActive) {
    const WindowRecord old = DecodeWindowList(EncodeWindowRecord({"http://a.example/", "http://b.example/"}));
    ASSERT_EQ(old.windows.size(), 2u);
    EXPECT_EQ(old.windows[1], (RecordedWindow{"http://b.example/", "", {}, {}}));
    EXPECT_EQ(old.active, 0u);
}

TEST(WindowList, ADamagedRecordKeepsTheWindowsBeforeTheDamage) {
    const std::string good = kMark + "W http://a.example/\nB http://a0.example/\n";
    for (const std::string& damage : {std::string("X what\n"), std::string("W\n"), std::string("T a\nT b\n"),
                                      "W http://" + std::string(9000, 'l') + "\n"}) {
        const WindowRecord record = DecodeWindowList(Of(good + damage + "W http://after.example/\n"));
        ASSERT_EQ(record.windows.size(), 1u) << damage;
        EXPECT_EQ(record.windows[0].back, std::vector<std::string>{"http://a0.example/"});
    }
    // A record cut in its last line.
    EXPECT_EQ(DecodeWindowList(Of(good + "W http://cut.exa")).windows.size(), 1u);
    // Lines before any window, an active mark past the end, a list longer than its bound.
    EXPECT_TRUE(DecodeWindowList(Of(kMark + "B http://x.example/\nW http://y.example/\n")).windows.empty());
    EXPECT_EQ(DecodeWindowList(Of(kMark + "A\nW http://y.example/\n")).windows.size(), 0u);
    std::string many = kMark + "W http://a.example/\n";
    for (int i = 0; i < 60; ++i) many += "F http://f" + std::to_string(i) + ".example/\n";
    many += "W http://b.example/\nA\n";
    const WindowRecord bounded = DecodeWindowList(Of(many));
    ASSERT_EQ(bounded.windows.size(), 1u);
    EXPECT_EQ(bounded.windows[0].forward.size(), kMaxTravelEntries);
}

TEST(WindowList, ListsGiveWayToStayWithinTheBoundAndAddressesStay) {
    WindowRecord record;
    for (int w = 0; w < 20; ++w) {
        RecordedWindow window{"http://w" + std::to_string(w) + ".example/" + std::string(1000, 'p'), "title", {}, {}};
        for (int i = 0; i < 80; ++i) window.back.push_back("http://back.example/" + std::string(500, 'b'));
        window.forward = window.back;
        record.windows.push_back(window);
    }
    record.active = 19;
    const Bytes bytes = EncodeWindowList(record);
    EXPECT_LT(bytes.size(), kMaxRecordBytes + 1);
    const WindowRecord read = DecodeWindowList(bytes);
    ASSERT_EQ(read.windows.size(), 20u);
    EXPECT_EQ(read.windows[7].address, record.windows[7].address);
    EXPECT_LT(read.windows[7].back.size(), kMaxTravelEntries);
    EXPECT_EQ(read.active, 19u);
}
