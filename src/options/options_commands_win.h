// "B&risova Options" (33942): the modal options sheet with its four pages. OK saves the Home
// Page page at once and hands the other pages' values to the frame; Cancel changes nothing.
#pragma once

#include <string>

#include "frame/address_registry_win.h"
#include "framework/cmd_target_win.h"
#include "platform/profile.h"

class CMainFrame;

class COptionsCommands final : public CCmdTarget {
public:
    COptionsCommands(CMainFrame& frame, brisova::Profile& profile, std::string programDirectory,
                     AddressRegistryKeys keys);
    DECLARE_MESSAGE_MAP()

private:
    void OnOptions();
    void OnUpdateOptions(CCmdUI* ui);

    CMainFrame& frame_;
    brisova::Profile& profile_;
    std::string programDirectory_;
    AddressRegistryKeys keys_;
};
