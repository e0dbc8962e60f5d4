// The integer settings of section "Settings" in Brisova.ini, as the main frame mirrors them.
#pragma once

#include "platform/profile.h"

#include <array>
#include <string_view>

namespace brisova {

inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kLastVisitKey = "lastvisit";

struct Settings {
    int enableAutoFilter = 1;
    int toolBar = 1;
    int addressBar = 1;
    int taskBar = 1;
    int statusBar = 1;
    int textLabel = 1;
    int smallToolbar = 0;
    int colorIcon = 1;
    int fullScreen = 0;
    int isAskExit = 1;
    int isShowMostTips = 1;
    int isShowDonate = 1;
    int newButtonType = 0;
    int addressNewWindow = 0;
    int favNewWindow = 0;
    int searchNewWindow = 0;
    int hisNewWindow = 0;
    int infoNewWindow = 0;
    int activeNewWindow = 1;
    int mouseCloseWindow = 1;
    int mouseDoubleCloseWindow = 1;
    int enableMouseMiddle = 1;
    int enableMouseBack = 1;
};

struct SettingKey {
    std::string_view name;
    int Settings::*member;
};

// Every key written at exit, in the order it is written.
inline constexpr std::array<SettingKey, 23> kSavedSettings{{
    {"EnableAutoFilter", &Settings::enableAutoFilter},
    {"ToolBar", &Settings::toolBar},
    {"AddressBar", &Settings::addressBar},
    {"TaskBar", &Settings::taskBar},
    {"StatusBar", &Settings::statusBar},
    {"TextLabel", &Settings::textLabel},
    {"ColorIcon", &Settings::colorIcon},
    {"SmallToolbar", &Settings::smallToolbar},
    {"FullScreen", &Settings::fullScreen},
    {"IsAskExit", &Settings::isAskExit},
    {"IsShowMostTips", &Settings::isShowMostTips},
    {"IsShowDonate", &Settings::isShowDonate},
    {"NewButtonType", &Settings::newButtonType},
    {"AddressNewWindow", &Settings::addressNewWindow},
    {"FavNewWindow", &Settings::favNewWindow},
    {"SearchNewWindow", &Settings::searchNewWindow},
    {"HisNewWindow", &Settings::hisNewWindow},
    {"InfoNewWindow", &Settings::infoNewWindow},
    {"ActiveNewWindow", &Settings::activeNewWindow},
    {"MouseCloseWindow", &Settings::mouseCloseWindow},
    {"MouseDoubleCloseWindow", &Settings::mouseDoubleCloseWindow},
    {"EnableMouseMiddle", &Settings::enableMouseMiddle},
    {"EnableMouseBack", &Settings::enableMouseBack},
}};

// Reads every key of kSavedSettings; an absent key keeps the default of Settings.
Settings ReadSettings(const Profile& profile);
void WriteSettings(Profile& profile, const Settings& settings);

// The two start-up switches, read at start-up and written by the Home Page options page.
struct StartupSettings {
    int enableHomePage = 1;
    int enableStartup = 0;
};
StartupSettings ReadStartupSettings(const Profile& profile);

}  // namespace brisova
