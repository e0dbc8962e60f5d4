#include "frame/command_state.h"
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

TEST(CommandState, ViewMenuMarks) {
    CommandContext c;
    // No text size chosen yet: no bullet anywhere.
    for (unsigned id = ID_FONT_LARGEST; id <= ID_FONT_SMALLEST; ++id) {
        EXPECT_TRUE(QueryCommandState(id, c).radio);
        EXPECT_FALSE(QueryCommandState(id, c).checked);
        EXPECT_TRUE(QueryCommandState(id, c).enabled);
    }
    c.textSizePosition = 4;
    EXPECT_TRUE(QueryCommandState(ID_FONT_SMALLEST, c).checked);
    EXPECT_FALSE(QueryCommandState(ID_FONT_MEDIUM, c).checked);

    // "Auto Select" follows "AutoDetect", and is left alone when its key is missing.
    EXPECT_FALSE(QueryCommandState(ID_ENCODING_AUTO, c).markKnown);
    c.autoDetect = true;
    EXPECT_TRUE(QueryCommandState(ID_ENCODING_AUTO, c).markKnown);
    EXPECT_TRUE(QueryCommandState(ID_ENCODING_AUTO, c).checked);

    c.fullScreen = true;
    c.workOffline = true;
    EXPECT_TRUE(QueryCommandState(ID_VIEW_FULLSCREEN, c).checked);
    EXPECT_TRUE(QueryCommandState(ID_WORK_OFFLINE, c).checked);
    // The page commands of the File and Edit menus need a window; the tool commands do not.
    for (unsigned id : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_SAVE_AS, ID_FILE_PROPERTY, ID_SEND_PAGE,
                        ID_SEND_LINK, ID_EDIT_FIND, ID_EDIT_SELECT_ALL, ID_VIEW_SOURCE})
        EXPECT_FALSE(QueryCommandState(id, c).enabled) << id;
    for (unsigned id : {ID_INTERNET_OPTIONS, ID_VIEW_SEARCH, ID_CLEAR_ALL, ID_MAIL_NEW, ID_HELP_CONTENTS, ID_ENCODING_FIRST})
        EXPECT_TRUE(QueryCommandState(id, c).enabled) << id;
}
