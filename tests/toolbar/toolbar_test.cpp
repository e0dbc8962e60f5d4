#include "resource.h"
#include "toolbar/customize_model.h"
#include "toolbar/toolbar_layout.h"
#include "toolbar/toolbar_sequence.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace brisova;

namespace {
void Store(MemoryProfile& p, const std::vector<int>& values) {
    for (std::size_t i = 0; i < values.size(); ++i)
        p.WriteInt(kToolbarSection, ToolbarSequenceKey(static_cast<int>(i)), values[i]);
}

std::vector<int> Range(int first, int last) {
    std::vector<int> v(static_cast<std::size_t>(last - first + 1));
    std::iota(v.begin(), v.end(), first);
    return v;
}
}  // namespace

TEST(ToolbarSequence, NothingStoredMeansTheWholeTable) {
    MemoryProfile p;
    EXPECT_EQ(ReadToolbarSequence(p), Range(0, 21));
    EXPECT_EQ(ReadCustomizeSequence(p), Range(0, 21));
    EXPECT_EQ(BuildToolbarButtons(ReadToolbarSequence(p), 1).size(), 22u);

    CustomizeModel model(ReadCustomizeSequence(p));
    EXPECT_EQ(model.Available(), std::vector<int>{kSeparatorItem});
    EXPECT_EQ(model.Current().size(), 23u);
    EXPECT_EQ(model.Current().back(), kEndItem);
}

TEST(ToolbarSequence, WithoutEndToolbarStopsWhileDialogFillsPositions) {
    MemoryProfile p;
    Store(p, {2, 3, 0});
    p.WriteInt(kToolbarSection, "B30", 4);  // past the gap the dialog reads no further than 21
    EXPECT_EQ(ReadToolbarSequence(p), (std::vector<int>{2, 3, 0}));

    std::vector<int> expected{2, 3, 0};
    for (int i = 3; i <= 21; ++i) expected.push_back(i);
    EXPECT_EQ(ReadCustomizeSequence(p), expected);

    Store(p, {5, -1});
    EXPECT_EQ(ReadCustomizeSequence(p), std::vector<int>{5});
}

TEST(ToolbarSequence, AtMostFiftyPositionsAndEndHidesStaleValues) {
    MemoryProfile p;
    Store(p, std::vector<int>(60, kSeparatorItem));
    EXPECT_EQ(ReadToolbarSequence(p).size(), 50u);
    EXPECT_EQ(ReadCustomizeSequence(p).size(), 50u);

    WriteToolbarSequence(p, {4, 1, 5});
    EXPECT_EQ(p.ReadInt(kToolbarSection, "B3", 0), -1);
    EXPECT_EQ(ReadToolbarSequence(p), (std::vector<int>{4, 1, 5}));
    EXPECT_EQ(ReadCustomizeSequence(p), (std::vector<int>{4, 1, 5}));
}

TEST(ToolbarSequence, UnknownRowsSkippedAndNegativeEnds) {
    MemoryProfile p;
    Store(p, {0, 22, 2, 99, -2, 3, -1});
    EXPECT_EQ(ReadToolbarSequence(p), (std::vector<int>{0, 22, 2, 99, -2, 3}));

    std::vector<ToolbarButton> buttons = BuildToolbarButtons(ReadToolbarSequence(p), 1);
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].command, unsigned{ID_NEW_BUTTON});
    EXPECT_EQ(buttons[1].command, unsigned{ID_GO_BACK});

    CustomizeModel model(ReadCustomizeSequence(p));
    EXPECT_EQ(model.Current(), (std::vector<int>{0, 2, kEndItem}));
}

TEST(ToolbarButtons, TextFollowsTheMode) {
    const std::vector<int> seq{2, 3, 7, 8, 12};
    for (const ToolbarButton& b : BuildToolbarButtons(seq, 0)) EXPECT_TRUE(b.text.empty());
    for (const ToolbarButton& b : BuildToolbarButtons(seq, 7)) EXPECT_TRUE(b.text.empty());

    std::vector<ToolbarButton> labels = BuildToolbarButtons(seq, 1);
    EXPECT_EQ(labels[1].text, "Forward");
    EXPECT_TRUE(labels[2].text.empty());
    EXPECT_FALSE(labels[1].autoSize);

    std::vector<ToolbarButton> selective = BuildToolbarButtons(seq, 2);
    EXPECT_EQ(selective[0].text, "Back");
    EXPECT_EQ(selective[3].text, "Search");
    EXPECT_TRUE(selective[1].text.empty());
    EXPECT_TRUE(selective[1].autoSize);
    EXPECT_FALSE(selective[2].autoSize);  // the separator
    EXPECT_EQ(selective[4].kind, ToolbarItemKind::DropDown);
}

TEST(ToolbarTextLabel, ToggleFromSelectiveTurnsLabelsOn) {
    EXPECT_EQ(ToggledTextLabel(2), 1);
    EXPECT_EQ(ToggledTextLabel(1), 0);
    EXPECT_EQ(ToggledTextLabel(0), 1);
    EXPECT_FALSE(TextLabelChecked(2));
}

TEST(ToolbarButtonSize, FixedWithoutLabelsDerivedThenMeasuredWithLabels) {
    RememberedButtonSizes sizes;
    EXPECT_EQ(ButtonSizeToSet(0, true, sizes)->width, 20);
    EXPECT_EQ(ButtonSizeToSet(2, false, sizes)->height, 22);
    EXPECT_EQ(ButtonSizeToSet(2, false, sizes, 144)->height, 33);
    EXPECT_EQ(ButtonSizeToSet(0, true, sizes, 192)->width, 40);
    EXPECT_FALSE(ButtonSizeToSet(1, false, sizes));

    RememberButtonSize(2, false, {60, 40}, sizes);  // only labels mode is remembered
    EXPECT_FALSE(sizes.big.Known());
    RememberButtonSize(1, false, {60, 40}, sizes);
    EXPECT_EQ(ButtonSizeToSet(1, true, sizes)->width, 60);
    EXPECT_EQ(ButtonSizeToSet(1, true, sizes)->height, 36);
}

TEST(ToolbarImages, RebuiltExactlyWhenSizeOrColourChanges) {
    EXPECT_FALSE(ImageListsNeedRebuild({1, 0, 1}, {2, 0, 1}));
    EXPECT_TRUE(ImageListsNeedRebuild({1, 0, 1}, {1, 1, 1}));
    EXPECT_TRUE(ImageListsNeedRebuild({1, 0, 1}, {1, 0, 0}));
}
