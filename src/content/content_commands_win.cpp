#include "content/content_commands_win.h"

#include "browser/browser_frame_win.h"
#include "content/donate_dialog_win.h"
#include "content/tips_dialog_win.h"
#include "framework/menu_helpers_win.h"
#include "resource.h"

namespace {
}  // namespace

const MessageMap* CContentCommands::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandHandler<&CContentCommands::OnTips>(ID_HELP_TIPS),
        CommandHandler<&CContentCommands::OnDonate>(ID_HELP_DONATE),
        CommandHandler<&CContentCommands::OnHomePage>(ID_HELP_HOMEPAGE),
        CommandHandler<&CContentCommands::OnComments>(ID_HELP_COMMENTS),
        CommandRangeHandler<&CContentCommands::OnShopEntry>(ID_SHOP_FIRST, ID_SHOP_LAST),
        UpdateRangeHandler<&CContentCommands::OnUpdateAlways>(ID_HELP_TIPS, ID_HELP_COMMENTS),
        UpdateRangeHandler<&CContentCommands::OnUpdateShopEntry>(ID_SHOP_FIRST, ID_SHOP_LAST),
    };
    static const MessageMap map(&CCmdTarget::ThisMessageMap, entries);
    return &map;
}

CContentCommands::CContentCommands(BrowserFrame& frame, std::string programDirectory, int& isShowMostTips,
                                   int& isShowDonate, std::vector<brisova::ShortcutEntry>& shortcuts)
    : frame_(frame),
      files_(std::move(programDirectory)),
      isShowMostTips_(isShowMostTips),
      isShowDonate_(isShowDonate),
      shortcuts_(shortcuts) {}

void CContentCommands::BuildShopMenu(HMENU mainMenu) {
    HMENU popup = FindSubMenu(mainMenu, "&Shop&&Travel");
    if (!popup) return;
    ::DeleteMenu(popup, 0, MF_BYPOSITION);
    entryAddresses_.clear();
    shortcuts_.clear();
    const brisova::ShopMenu menu = files_.ShopAndTravel();
    auto append = [&](const std::vector<brisova::ShopEntry>& entries) {
        for (const brisova::ShopEntry& entry : entries) {
            ::AppendMenuA(popup, MF_STRING, ID_SHOP_FIRST + entryAddresses_.size(), entry.label.c_str());
            entryAddresses_.push_back(entry.address);
            // An entry without a key has no shortcut: an empty host must not stand for it.
            if (!entry.key.empty()) shortcuts_.push_back({entry.address, entry.key});
        }
    };
    append(menu.shop);
    if (!menu.shop.empty() && !menu.travel.empty()) ::AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    append(menu.travel);
    // A menu without entries would drop down as an empty box.
    if (entryAddresses_.empty()) ::AppendMenuA(popup, MF_STRING | MF_GRAYED, 0, "(empty)");
}

void CContentCommands::RemoveDonateUnlessOffered(HMENU mainMenu) const {
    if (!files_.DonationOffered()) ::DeleteMenu(mainMenu, ID_HELP_DONATE, MF_BYCOMMAND);
}

void CContentCommands::ShowStartupDialogs() {
    if (isShowMostTips_) OnTips();
    if (isShowDonate_ && files_.DonationOffered()) OnDonate();
}

void CContentCommands::OnTips() {
    CTipsDialog dialog(files_, isShowMostTips_ != 0);
    if (dialog.DoModal(frame_.OwnerWindow()) == IDOK) isShowMostTips_ = dialog.showAtStart() ? 1 : 0;
}

void CContentCommands::OnDonate() {
    CDonateDialog dialog(files_, isShowDonate_ != 0);
    if (dialog.DoModal(frame_.OwnerWindow()) < 0) return;
    isShowDonate_ = dialog.showAtStart() ? 1 : 0;
    if (!dialog.chosenAddress().empty()) frame_.OpenAddress(brisova::AddressSource::VendorPage, dialog.chosenAddress());
}

void CContentCommands::OnHomePage() {
    frame_.OpenAddress(brisova::AddressSource::VendorPage, files_.Vendor().homePage);
}

void CContentCommands::OnComments() {
    if (startMail) startMail(brisova::CommentsMailAddress(files_.Vendor()));
}

void CContentCommands::OnShopEntry(UINT id) {
    std::size_t index = id - ID_SHOP_FIRST;
    if (index >= entryAddresses_.size()) return;
    const std::string& address = entryAddresses_[index];
    frame_.OpenAddress(brisova::AddressSource::ShopAndTravel, address);
}

void CContentCommands::OnUpdateAlways(CCmdUI* ui) {
    ui->Enable(true);
}

void CContentCommands::OnUpdateShopEntry(CCmdUI* ui) {
    ui->Enable(ui->id() - ID_SHOP_FIRST < entryAddresses_.size());
}
