#include "options/startup_list.h"
#include "options/window_options.h"

#include <gtest/gtest.h>

using namespace brisova;

TEST(StartupList, EveryLineIsAnEntryAndTheListSurvivesARewrite) {
    using List = std::vector<std::string>;
    EXPECT_EQ(ReadStartupList(""), List{});
    EXPECT_EQ(ReadStartupList("a\n\nb\n"), (List{"a", "", "b"}));
    EXPECT_EQ(ReadStartupList("a\r\n\r\nb"), (List{"a", "", "b"}));
    EXPECT_EQ(ReadStartupList("\n"), List{""});
    EXPECT_EQ(ReadStartupList("\xEF\xBB\xBF" "a\nb"), (List{"a", "b"}));
    const List entries{"http://one/", "", "http://two/?q=a b"};
    EXPECT_EQ(ReadStartupList(StartupListText(entries)), entries);
}

TEST(WindowOptions, RadioGroupsMapToTheirSettings) {
    Settings settings;
    WindowOptionValues values = WindowOptionsFrom(settings);
    EXPECT_EQ(values.placement, 0);  // "Foreground"
    values.placement = 1;            // "Background"
    values.newButtonType = 2;
    values.infoNewWindow = 1;
    Settings changed = WithWindowOptions(settings, values);
    EXPECT_EQ(changed.activeNewWindow, 0);
    EXPECT_EQ(changed.newButtonType, 2);
    EXPECT_EQ(changed.infoNewWindow, 1);
    EXPECT_EQ(WindowOptionsFrom(changed).placement, 1);

    // A value outside its group checks no button; with none chosen the setting stays.
    settings.newButtonType = 7;
    values = WindowOptionsFrom(settings);
    values.newButtonType = -1;
    values.placement = -1;
    changed = WithWindowOptions(settings, values);
    EXPECT_EQ(changed.newButtonType, 7);
    EXPECT_EQ(changed.activeNewWindow, 1);
}
