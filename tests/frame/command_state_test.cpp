#include "frame/ampersand_text.h"
#include "frame/command_state.h"
#include "frame/tab_rules.h"
#include "resource.h"

#include <gtest/gtest.h>

using namespace brisova;

TEST(CommandState, PageCommandsNeedAView) {
    CommandContext none;
    CommandContext view;
    view.hasView = true;
    for (unsigned id : {ID_FILE_NEW_CURRENT, ID_FILE_CLOSE, ID_VIEW_REFRESH, ID_VIEW_STOP, ID_EDIT_COPY}) {
        EXPECT_FALSE(QueryCommandState(id, none).enabled) << id;
        EXPECT_TRUE(QueryCommandState(id, view).enabled) << id;
    }
    EXPECT_TRUE(QueryCommandState(ID_FILE_NEW_BLANK, none).enabled);
    EXPECT_TRUE(QueryCommandState(ID_GO_START_PAGE, none).enabled);
}

TEST(CommandState, BackAndForwardNeedTheViewsState) {
    CommandContext c;
    c.canGoBack = true;  // stale state without a view still disables
    EXPECT_FALSE(QueryCommandState(ID_GO_BACK, c).enabled);
    c.hasView = true;
    EXPECT_TRUE(QueryCommandState(ID_GO_BACK, c).enabled);
    EXPECT_FALSE(QueryCommandState(ID_GO_FORWARD, c).enabled);
}

TEST(CommandState, CheckMarksFollowTheFrame) {
    CommandContext c;
    c.statusBarShown = false;
    c.blockPopups = true;
    EXPECT_FALSE(QueryCommandState(ID_VIEW_STATUS_BAR, c).checked);
    EXPECT_TRUE(QueryCommandState(ID_BLOCK_POPUPS, c).checked);
}

TEST(NewButton, TypeSelectsTheCommand) {
    EXPECT_EQ(NewButtonCommand(0), ID_FILE_NEW_BLANK);
    EXPECT_EQ(NewButtonCommand(1), ID_FILE_NEW_CURRENT);
    EXPECT_EQ(NewButtonCommand(2), ID_GO_START_PAGE);
    EXPECT_FALSE(NewButtonCommand(3));
    EXPECT_FALSE(NewButtonCommand(-1));
}

TEST(TabText, TitleElseAddressAtMost100) {
    EXPECT_EQ(TabText("Title", "http://a/"), "Title");
    EXPECT_EQ(TabText("", "http://a/"), "http://a/");
    EXPECT_EQ(TabText(std::string(150, 'x'), "a"), std::string(100, 'x'));
    std::string cyrillic;
    for (int i = 0; i < 150; ++i) cyrillic += "Ж";
    EXPECT_EQ(TabText(cyrillic, "a"), cyrillic.substr(0, 200));
}

TEST(AmpersandText, DoubledForTheControlsAndReadBackSingle) {
    EXPECT_EQ(DoubleAmpersands("Fish & Chips"), "Fish && Chips");
    EXPECT_EQ(DoubleAmpersands("&&"), "&&&&");
    for (std::string text : {"Fish & Chips", "&&", "&", "a&&&b", "plain"})
        EXPECT_EQ(SingleAmpersands(DoubleAmpersands(text)), text);
}

TEST(TabBand, RowsAndRowHeight) {
    EXPECT_EQ(TabBandHeight(22, 1), 22);
    EXPECT_EQ(TabBandHeight(22, 2), 50);
    EXPECT_EQ(TabBandHeight(0, 0), 20);
    EXPECT_EQ(TabBandHeight(22, 3), 75);
}
