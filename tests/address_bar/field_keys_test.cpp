#include "address_bar/field_keys.h"

#include <gtest/gtest.h>

using namespace brisova;

TEST(FieldKeys, TheEditingKeysStayWithTheEditAndAltNeverDoes) {
    for (unsigned key : {unsigned('A'), unsigned('C'), unsigned('V'), unsigned('X'), unsigned('Z'), kKeyHome, kKeyEnd,
                         kKeyLeft, kKeyRight}) {
        EXPECT_TRUE(IsEditingKey({key, true, false, false})) << key;
        EXPECT_TRUE(IsEditingKey({key, true, true, false})) << key;
        EXPECT_FALSE(IsEditingKey({key, true, false, true})) << key;
    }
    for (unsigned key : {kKeyHome, kKeyEnd, kKeyBackspace, kKeyDelete}) EXPECT_TRUE(IsEditingKey({key}));
    // Without Ctrl, letters and the arrows are the edit's anyway; the frame's keys stay its own.
    EXPECT_FALSE(IsEditingKey({'A'}));
    EXPECT_FALSE(IsEditingKey({kKeyLeft}));
    EXPECT_FALSE(IsEditingKey({'N', true}));
    EXPECT_FALSE(IsEditingKey({kKeyLeft, false, false, true}));
}

TEST(FieldKeys, CtrlLAltDAndPlainF6ReachTheAddressField) {
    EXPECT_TRUE(IsAddressFieldKey({'L', true}));
    EXPECT_TRUE(IsAddressFieldKey({'D', false, false, true}));
    EXPECT_TRUE(IsAddressFieldKey({kKeyF6}));
    EXPECT_FALSE(IsAddressFieldKey({kKeyF6, true}));
    EXPECT_FALSE(IsAddressFieldKey({'D', true}));
    EXPECT_FALSE(IsAddressFieldKey({'L'}));
    EXPECT_FALSE(IsAddressFieldKey({'L', true, true}));
}

TEST(FieldKeys, ShiftF10WhenPressedAndTheContextMenuKeyWhenReleasedAskForTheMenuOnce) {
    EXPECT_TRUE(AsksForContextMenu({kKeyF10, false, true}, false));
    EXPECT_FALSE(AsksForContextMenu({kKeyF10, false, true}, true));
    EXPECT_FALSE(AsksForContextMenu({kKeyF10}, false)) << "F10 alone is the menu bar's";
    EXPECT_FALSE(AsksForContextMenu({kKeyF10, true, true}, false));
    EXPECT_TRUE(AsksForContextMenu({kKeyApps}, true));
    EXPECT_TRUE(AsksForContextMenu({kKeyApps, false, true}, true));
    EXPECT_FALSE(AsksForContextMenu({kKeyApps}, false));
    EXPECT_FALSE(AsksForContextMenu({kKeyApps, false, false, true}, true));
}
