#include "tab_bar/tab_keys.h"

#include <gtest/gtest.h>

using namespace brisova;

TEST(TabKeys, NextAndPreviousWrapAtTheEnds) {
    const KeyPress next{kKeyTab, true}, previous{kKeyTab, true, true};
    EXPECT_EQ(TabForKey(next, 0, 3), 1);
    EXPECT_EQ(TabForKey(next, 2, 3), 0);
    EXPECT_EQ(TabForKey(previous, 0, 3), 2);
    EXPECT_EQ(TabForKey(previous, 2, 3), 1);
    EXPECT_EQ(TabForKey({kKeyPageDown, true}, 2, 3), 0);
    EXPECT_EQ(TabForKey({kKeyPageUp, true}, 0, 3), 2);
    // No tab selected, or one tab only.
    EXPECT_EQ(TabForKey(next, -1, 3), 0);
    EXPECT_EQ(TabForKey(previous, -1, 3), 2);
    EXPECT_EQ(TabForKey(next, 0, 1), 0);
    EXPECT_FALSE(TabForKey(next, 0, 0));
}

TEST(TabKeys, DigitsChooseATabAndNineTheLast) {
    EXPECT_EQ(TabForKey({'1', true}, 2, 3), 0);
    EXPECT_EQ(TabForKey({'3', true}, 0, 3), 2);
    EXPECT_FALSE(TabForKey({'4', true}, 0, 3));
    EXPECT_EQ(TabForKey({'9', true}, 0, 3), 2);
    EXPECT_EQ(TabForKey({'9', true}, 0, 12), 11);
    EXPECT_EQ(TabForKey({'8', true}, 0, 12), 7);
}

TEST(TabKeys, OnlyCtrlMakesThemTabKeys) {
    EXPECT_FALSE(IsTabKey({kKeyTab}));
    EXPECT_FALSE(IsTabKey({'1'}));
    EXPECT_FALSE(IsTabKey({'1', true, false, true}));
    EXPECT_FALSE(IsTabKey({kKeyPageDown, false, true}));
    EXPECT_FALSE(IsTabKey({'0', true}));
    EXPECT_TRUE(IsTabKey({kKeyTab, true, true}));
}

TEST(TabKeys, CtrlShiftPageKeysMoveTheActiveTabAndStopAtTheEnds) {
    const KeyPress left{kKeyPageUp, true, true}, right{kKeyPageDown, true, true};
    EXPECT_TRUE(IsTabKey(left));
    EXPECT_FALSE(TabForKey(left, 1, 3));
    EXPECT_EQ(TabMoveForKey(left, 1, 3), 0);
    EXPECT_EQ(TabMoveForKey(right, 1, 3), 2);
    EXPECT_FALSE(TabMoveForKey(left, 0, 3));
    EXPECT_FALSE(TabMoveForKey(right, 2, 3));
    EXPECT_FALSE(TabMoveForKey(right, -1, 3));
    EXPECT_FALSE(TabMoveForKey({kKeyPageDown, true}, 1, 3));
}
