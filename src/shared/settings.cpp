#include "shared/settings.h"

namespace brisova {

Settings ReadSettings(const Profile& profile) {
    Settings settings;
    for (const SettingKey& key : kSavedSettings)
        settings.*key.member = profile.ReadInt(kSettingsSection, key.name, settings.*key.member);
    return settings;
}

void WriteSettings(Profile& profile, const Settings& settings) {
    for (const SettingKey& key : kSavedSettings)
        profile.WriteInt(kSettingsSection, key.name, settings.*key.member);
}

StartupSettings ReadStartupSettings(const Profile& profile) {
    StartupSettings s;
    s.enableHomePage = profile.ReadInt(kSettingsSection, "EnableHomePage", s.enableHomePage);
    s.enableStartup = profile.ReadInt(kSettingsSection, "EnableStartup", s.enableStartup);
    return s;
}

}  // namespace brisova
