// "Set as Default Browser..." (33952): the toggle between the program and the previous
// handlers of web pages and protocols, and its check mark in the Tools menu.
#pragma once

#include <functional>
#include <string>

#include "framework/cmd_target_win.h"
#include "platform/profile.h"
#include "platform/prompter.h"
#include "platform/registry_view_win.h"
#include "shared/system_browser_keys_win.h"

class CDefaultBrowserCommands final : public CCmdTarget {
public:
    // `openSystemChoice` shows the system's default-apps settings; `programPath` is the
    // executable the associations name (the running one when empty).
    CDefaultBrowserCommands(brisova::Profile& profile, brisova::Prompter& prompter, const AddressRegistryKeys& keys,
                            std::function<void()> openSystemChoice = OpenDefaultAppsSettings,
                            std::string programPath = {});
    DECLARE_MESSAGE_MAP()

    static void OpenDefaultAppsSettings();
    // Puts the remembered handlers back when the program is the default browser; what the
    // uninstaller asks for with "/unregister". True when they were put back.
    static bool RestorePreviousBrowser(brisova::Profile& profile, const AddressRegistryKeys& keys);

private:
    void OnToggle();
    void OnUpdateToggle(CCmdUI* ui);

    brisova::Profile& profile_;
    brisova::Prompter& prompter_;
    // The associations: the user's own classes, read before the classes root and written alone.
    RegistryView userClasses_;
    RegistryView classesView_;
    brisova::LayeredRegistry classes_{userClasses_, classesView_};
    RegistryView software_;
    std::function<void()> openSystemChoice_;
    std::string programPath_;
};
