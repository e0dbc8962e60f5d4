// "B&risova Options" (33942): the modal options sheet with its four pages. OK saves the Home
// Page page at once and hands the other pages' values to the frame; Cancel changes nothing.
#pragma once

#include <functional>
#include <string>

#include "framework/cmd_target_win.h"
#include "platform/profile.h"
#include "shared/settings.h"
#include "shared/system_browser_keys_win.h"

class BrowserFrame;

class COptionsCommands final : public CCmdTarget {
public:
    // The sheet's values reach the program through `apply`, which the frame gives.
    using ApplySettings = std::function<void(const brisova::Settings&)>;
    COptionsCommands(BrowserFrame& frame, ApplySettings apply, brisova::Profile& profile,
                     std::string programDirectory, AddressRegistryKeys keys);
    DECLARE_MESSAGE_MAP()

private:
    void OnOptions();
    void OnUpdateOptions(CCmdUI* ui);

    BrowserFrame& frame_;
    ApplySettings apply_;
    brisova::Profile& profile_;
    std::string programDirectory_;
    AddressRegistryKeys keys_;
};
