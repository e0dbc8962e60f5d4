// The installation's content in the frame: the "&Shop&&Travel" menu and the address bar's
// shortcuts built from the shop and travel files, the Help menu's tips, donation and vendor
// links, and the two dialogs that may show at start-up.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "content/content_files.h"
#include "framework/cmd_target_win.h"
#include "shared/shortcuts.h"

class BrowserFrame;

class CContentCommands final : public CCmdTarget {
public:
    // `isShowMostTips` and `isShowDonate` are the frame's settings members, which the dialogs
    // change; `shortcuts` is the frame's table the address bar expands typed hosts with.
    CContentCommands(BrowserFrame& frame, std::string programDirectory, int& isShowMostTips, int& isShowDonate,
                     std::vector<brisova::ShortcutEntry>& shortcuts);
    DECLARE_MESSAGE_MAP()

    // Fills the "&Shop&&Travel" pop-up of the main menu (its placeholder goes) and the shortcuts.
    void BuildShopMenu(HMENU mainMenu);
    // Without donation content the Help menu offers no donation.
    void RemoveDonateUnlessOffered(HMENU mainMenu) const;
    // After the frame is shown: the tips when "IsShowMostTips" is set, then the donation
    // dialog when "IsShowDonate" is set and donation is offered.
    void ShowStartupDialogs();

    // Starts a new mail message to an address ("mailto:..."); the frame gives its mail
    // launcher, which tells the user when there is no mail program.
    std::function<void(const std::string& address)> startMail;

private:
    void OnTips();
    void OnDonate();
    void OnHomePage();
    void OnComments();
    void OnShopEntry(UINT id);
    void OnUpdateAlways(CCmdUI* ui);
    void OnUpdateShopEntry(CCmdUI* ui);

    BrowserFrame& frame_;
    brisova::ContentFiles files_;
    int& isShowMostTips_;
    int& isShowDonate_;
    std::vector<brisova::ShortcutEntry>& shortcuts_;
    // The address of each menu entry, by its command id less the first.
    std::vector<std::string> entryAddresses_;
};
