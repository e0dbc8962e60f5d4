#include "toolbar/customize_model.h"
#include "toolbar/toolbar_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace brisova;

namespace {
bool Contains(const std::vector<int>& v, int item) {
    return std::find(v.begin(), v.end(), item) != v.end();
}
}  // namespace

TEST(CustomizeModel, OpeningSplitsButtonsBetweenTheLists) {
    CustomizeModel model({2, 7, 3, 17});
    EXPECT_EQ(model.Current(), (std::vector<int>{2, kSeparatorItem, 3, kSeparatorItem, kEndItem}));
    EXPECT_EQ(model.Available().front(), kSeparatorItem);
    EXPECT_FALSE(Contains(model.Available(), 2));
    EXPECT_EQ(CustomizeItemText(model.Current()[1]), "Separator");
    EXPECT_EQ(CustomizeItemText(kEndItem), std::string(17, ' '));
    EXPECT_EQ(model.Available().size(), 17u);  // "Separator" and the 18 buttons less two
}

TEST(CustomizeModel, ButtonNamedTwiceIsPlacedOnce) {
    CustomizeModel model({4, 4, 1, 1});
    EXPECT_EQ(model.Current(), (std::vector<int>{4, 1, 1, kEndItem}));
    ASSERT_TRUE(model.Remove(0));
    EXPECT_EQ(std::count(model.Available().begin(), model.Available().end(), 4), 1);
}

TEST(CustomizeModel, AddGoesInFrontOfTheTargetOrTheEnd) {
    CustomizeModel model({2, 3});
    std::size_t forward = 0;
    while (model.Available()[forward] != 0) ++forward;

    std::optional<Placement> p = model.Add(forward, std::nullopt);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->inserted, 2u);
    EXPECT_TRUE(p->leftAvailable);
    EXPECT_EQ(model.Current(), (std::vector<int>{2, 3, 0, kEndItem}));
    EXPECT_FALSE(Contains(model.Available(), 0));

    p = model.Add(1, 1);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->inserted, 1u);
    EXPECT_EQ(p->target, 2u);
    EXPECT_EQ(model.Current().front(), 2);
    EXPECT_EQ(model.Current()[2], 3);

    EXPECT_FALSE(model.Add(std::nullopt, 0));
}

TEST(CustomizeModel, SeveralSeparatorsAndRemovingOneAddsNothing) {
    CustomizeModel model({});
    for (int i = 0; i < 3; ++i) {
        std::optional<Placement> p = model.Add(0, std::nullopt);
        ASSERT_TRUE(p);
        EXPECT_FALSE(p->leftAvailable);
    }
    EXPECT_EQ(model.Sequence(), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(model.Available().front(), kSeparatorItem);

    const std::size_t availableBefore = model.Available().size();
    std::optional<Removal> r = model.Remove(1);
    ASSERT_TRUE(r);
    EXPECT_FALSE(r->backToAvailable);
    EXPECT_EQ(model.Available().size(), availableBefore);
}

TEST(CustomizeModel, RemovedButtonReturnsAtTheEndAndEndItemStays) {
    CustomizeModel model({0, 4});
    std::optional<Removal> r = model.Remove(0);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->item, 0);
    EXPECT_EQ(model.Available().back(), 0);
    EXPECT_FALSE(model.Remove(model.EndPosition()));
    EXPECT_FALSE(model.Remove(40));
    EXPECT_EQ(model.Current(), (std::vector<int>{4, kEndItem}));
}

TEST(CustomizeModel, MovesNeverPassTheEndItem) {
    CustomizeModel model({2, 3, 4});
    EXPECT_FALSE(model.MoveUp(0));
    EXPECT_FALSE(model.MoveUp(3));  // the end item
    EXPECT_EQ(model.MoveUp(2), 1u);
    EXPECT_EQ(model.Current(), (std::vector<int>{2, 4, 3, kEndItem}));

    EXPECT_FALSE(model.MoveDown(2));  // the one above the end item
    EXPECT_EQ(model.MoveDown(0), 1u);
    EXPECT_EQ(model.Current(), (std::vector<int>{4, 2, 3, kEndItem}));
}

TEST(CustomizeModel, FullToolbarTakesNoMoreAndOkWritesWhatIsReadBack) {
    CustomizeModel model({});
    for (int i = 0; i < kMaxSequencePositions; ++i) ASSERT_TRUE(model.Add(0, std::nullopt));
    EXPECT_FALSE(model.Add(0, std::nullopt));
    EXPECT_FALSE(model.Add(1, std::nullopt));

    MemoryProfile p;
    WriteToolbarSequence(p, model.Sequence());
    EXPECT_EQ(ReadToolbarSequence(p), model.Sequence());
    EXPECT_EQ(CustomizeModel(ReadCustomizeSequence(p)).Current(), model.Current());
}

TEST(CustomizeAppearance, ControlsShowTheEffectAndKeepUnselectedValues) {
    AppearanceControls c = ControlsFor({7, 3, 0});
    EXPECT_EQ(c.textOption, 0);
    EXPECT_EQ(c.iconOption, 1);

    ToolbarAppearance back = AppearanceFromControls({2, 0, 1}, {-1, -1, false});
    EXPECT_EQ(back.textLabel, 2);
    EXPECT_EQ(back.colorIcon, 0);
}
