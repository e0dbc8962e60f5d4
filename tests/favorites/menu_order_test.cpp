#include "favorites/menu_order.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using namespace brisova;

namespace {
// Builds "Order" values the way the shell lays them out.
class OrderValue {
public:
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(8, 0);

    OrderValue& Header(std::uint32_t count) {
        Put32(0x0C);
        Put32(0x01);
        Put32(count);
        return *this;
    }
    OrderValue& Entry(std::int32_t position, std::uint16_t attributes, const std::string& name) {
        return Raw(position, 0, attributes, std::vector<std::uint8_t>(name.begin(), name.end()));
    }
    OrderValue& WideEntry(std::int32_t position, std::uint16_t attributes, const std::u16string& name) {
        std::vector<std::uint8_t> encoded;
        for (char16_t c : name) {
            encoded.push_back(static_cast<std::uint8_t>(c & 0xFF));
            encoded.push_back(static_cast<std::uint8_t>(c >> 8));
        }
        encoded.push_back(0);  // with the second NUL byte below: a wide terminator
        return Raw(position, 4, attributes, encoded);
    }
    // An entry whose size field says `size` when given, else its real length.
    OrderValue& Raw(std::int32_t position, std::uint16_t type, std::uint16_t attributes,
                    const std::vector<std::uint8_t>& name, std::optional<std::uint32_t> size = std::nullopt) {
        const std::size_t start = bytes.size();
        Put32(0);
        Put32(static_cast<std::uint32_t>(position));
        Put16(0);
        Put16(type);
        Put32(0);
        Put16(0);
        Put16(0);
        Put16(attributes);
        bytes.insert(bytes.end(), name.begin(), name.end());
        bytes.push_back(0);
        for (char c : std::string("8.3NAME~1")) bytes.push_back(static_cast<std::uint8_t>(c));
        bytes.push_back(0);
        const std::uint32_t written = size.value_or(static_cast<std::uint32_t>(bytes.size() - start));
        for (int i = 0; i < 4; ++i) bytes[start + i] = static_cast<std::uint8_t>(written >> (8 * i));
        return *this;
    }

private:
    void Put32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void Put16(std::uint16_t v) {
        bytes.push_back(static_cast<std::uint8_t>(v & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    }
};

std::vector<std::string> NamesInOrder(const MenuOrder& order) {
    std::vector<std::string> names;
    for (int shown : order.shown)
        names.push_back(shown < 0 ? "<none>" : order.entries[static_cast<std::size_t>(shown)].name.value_or("<no name>"));
    return names;
}
}  // namespace

TEST(MenuOrder, ReadsNarrowAndWideEntriesIntoTheirPositions) {
    OrderValue v;
    v.Header(3)
        .Entry(2, kOrderFile, "Zeta.url")
        .WideEntry(0, kOrderFolder, u"\u041D\u043E\u0432\u043E\u0441\u0442\u0438")  // "Novosti" in Cyrillic
        .WideEntry(1, kOrderFile, u"clef \U0001D11E.url");
    std::optional<MenuOrder> order = ParseMenuOrder(v.bytes);
    ASSERT_TRUE(order);
    EXPECT_EQ(order->headerA, 0x0Cu);
    EXPECT_EQ(order->headerB, 0x01u);
    ASSERT_EQ(order->entries.size(), 3u);
    EXPECT_EQ(NamesInOrder(*order),
              (std::vector<std::string>{"\xD0\x9D\xD0\xBE\xD0\xB2\xD0\xBE\xD1\x81\xD1\x82\xD0\xB8",
                                        "clef \xF0\x9D\x84\x9E.url", "Zeta.url"}));
    EXPECT_EQ(order->entries[0].attributes, kOrderFile);
    EXPECT_EQ(order->entries[1].attributes, kOrderFolder);
    // The short name after a wide name is found past its padding.
    EXPECT_EQ(order->entries[1].secondName, "8.3NAME~1");
}

TEST(MenuOrder, PositionsOutsideTheCountOrRepeatedLeaveGapsInsteadOfRepeatingAnEntry) {
    OrderValue v;
    v.Header(3).Entry(7, kOrderFile, "far.url").Entry(-1, kOrderFile, "negative.url").Entry(1, kOrderFile, "b.url");
    std::optional<MenuOrder> order = ParseMenuOrder(v.bytes);
    ASSERT_TRUE(order);
    EXPECT_EQ(NamesInOrder(*order), (std::vector<std::string>{"<none>", "b.url", "<none>"}));
}

TEST(MenuOrder, DamagedValuesGiveNoOrderAndNeverReadPastTheValue) {
    // Shorter than the header, or only a header.
    EXPECT_FALSE(ParseMenuOrder(std::vector<std::uint8_t>(19, 0)));
    EXPECT_FALSE(ParseMenuOrder(OrderValue().Header(0).bytes));
    // More entries than the value could hold, or a negative count.
    OrderValue tooMany;
    tooMany.Header(1000).Entry(0, kOrderFile, "a.url");
    EXPECT_FALSE(ParseMenuOrder(tooMany.bytes));
    OrderValue negative;
    negative.Header(0xFFFFFFFF).Entry(0, kOrderFile, "a.url");
    EXPECT_FALSE(ParseMenuOrder(negative.bytes));
    // A first entry whose size runs past the value, or is 0.
    OrderValue pastEnd;
    pastEnd.Header(1).Raw(0, 0, kOrderFile, {'a', '.', 'u', 'r', 'l'}, 5000);
    EXPECT_FALSE(ParseMenuOrder(pastEnd.bytes));
    OrderValue zero;
    zero.Header(1).Raw(0, 0, kOrderFile, {'a', '.', 'u', 'r', 'l'}, 0);
    EXPECT_FALSE(ParseMenuOrder(zero.bytes));
}

TEST(MenuOrder, ADamagedLaterEntryEndsTheParseAndKeepsTheEntriesBeforeIt) {
    OrderValue v;
    v.Header(3).Entry(1, kOrderFile, "first.url").Raw(0, 0, kOrderFile, {'x'}, 0).Entry(0, kOrderFile, "lost.url");
    std::optional<MenuOrder> order = ParseMenuOrder(v.bytes);
    ASSERT_TRUE(order);
    ASSERT_EQ(order->entries.size(), 1u);
    EXPECT_EQ(NamesInOrder(*order), (std::vector<std::string>{"<none>", "first.url", "<none>"}));

    // A last entry too short for its position field takes no position from those before it.
    OrderValue shortLast;
    shortLast.Header(3).Entry(0, kOrderFile, "b.url").Entry(1, kOrderFile, "a.url").Raw(2, 0, kOrderFile, {}, 6);
    order = ParseMenuOrder(shortLast.bytes);
    ASSERT_TRUE(order);
    EXPECT_EQ(NamesInOrder(*order), (std::vector<std::string>{"b.url", "a.url", "<none>"}));
}

TEST(MenuOrder, NamesWithoutTheirTerminatorWithinTheEntryAreNotRead) {
    // The only entry ends inside its name, which is also where the value ends: ASan reports any
    // read past the buffer.
    const auto cutAfter = [](OrderValue v, std::size_t entryBytes) {
        v.bytes.resize(20 + entryBytes);
        for (int i = 0; i < 4; ++i) v.bytes[20 + i] = static_cast<std::uint8_t>(entryBytes >> (8 * i));
        return v.bytes;
    };
    OrderValue narrow;
    narrow.Header(1).Entry(0, kOrderFile, "cut.url");
    std::optional<MenuOrder> order = ParseMenuOrder(cutAfter(narrow, 22 + 3));
    ASSERT_TRUE(order);
    EXPECT_FALSE(order->entries[0].name);

    OrderValue wide;
    wide.Header(1).WideEntry(0, kOrderFile, u"cut.url");
    order = ParseMenuOrder(cutAfter(wide, 22 + 7));  // half a code unit at the end
    ASSERT_TRUE(order);
    EXPECT_FALSE(order->entries[0].name);

    OrderValue empty;
    empty.Header(1).Entry(0, kOrderFile, "");
    order = ParseMenuOrder(empty.bytes);
    ASSERT_TRUE(order);
    EXPECT_FALSE(order->entries[0].name);
}

TEST(MenuOrder, LoneSurrogatesBecomeReplacementCharacters) {
    const char16_t text[] = {u'a', 0xD800, u'b', 0xDC00};
    EXPECT_EQ(Utf8FromUtf16(text), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
}
