// CSetHomePage: the Home Page options page (dialog 164). Edits the system browser's start page,
// the extra start-up pages of data\startup and the two start-up switches; Save writes them all.
#pragma once

#include <string>
#include <vector>

#include "framework/property_sheet_win.h"
#include "platform/handles_win.h"
#include "platform/profile.h"
#include "shared/system_browser_keys_win.h"

class CSetHomePage final : public CPropertyPage {
public:
    // Reads data\startup under `programDirectory`, the two switches and the start page.
    CSetHomePage(std::string programDirectory, brisova::Profile& profile, AddressRegistryKeys keys);
    DECLARE_MESSAGE_MAP()

    // The page of the active browser window, offered by "Use Current" and "Add".
    void SetCurrentAddress(std::string address) { currentAddress_ = std::move(address); }
    const std::vector<std::string>& startupPages() const { return pages_; }

    // Writes data\startup, "EnableHomePage", "EnableStartup" and, when not empty, the start page.
    void Save();

    bool OnInitDialog() override;

private:
    void OnUseCurrent();
    void OnUseBlank();
    void OnAdd();
    void OnDelete();
    void OnDeleteAll();

    std::string programDirectory_;
    brisova::Profile& profile_;
    AddressRegistryKeys keys_;
    std::string currentAddress_;
    std::string homePage_;
    std::string extraPage_;
    int enableHomePage_ = 1;
    int enableStartup_ = 0;
    std::vector<std::string> pages_;
    ScopedImageList images_;
};
