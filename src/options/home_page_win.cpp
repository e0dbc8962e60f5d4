#include "options/home_page_win.h"

#include "address_bar/address_box_win.h"
#include "address_bar/address_registry_win.h"
#include "online/file_store.h"
#include "options/startup_list.h"
#include "options_ids.h"
#include "platform/registry_win.h"
#include "platform/window_dpi_win.h"
#include "shared/settings.h"

namespace {
constexpr const char* kStartPageValue = "Start Page";

// Writes the start page only into a key that exists: the options never create the browser's keys.
void WriteStartPage(const AddressRegistryKeys& keys, const std::string& address) {
    HKEY raw = nullptr;
    if (::RegOpenKeyExA(keys.root, keys.main.c_str(), 0, KEY_SET_VALUE, &raw) != ERROR_SUCCESS) return;
    ScopedKey key(raw);
    ::RegSetValueExA(key.get(), kStartPageValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(address.c_str()),
                     static_cast<DWORD>(address.size() + 1));
}
}  // namespace

const MessageMap* CSetHomePage::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandHandler<&CSetHomePage::OnUseCurrent>(IDC_USE_CURRENT),
        CommandHandler<&CSetHomePage::OnUseBlank>(IDC_USE_BLANK),
        CommandHandler<&CSetHomePage::OnAdd>(IDC_ADD_PAGE),
        CommandHandler<&CSetHomePage::OnDelete>(IDC_DELETE_PAGE),
        CommandHandler<&CSetHomePage::OnDeleteAll>(IDC_DELETE_ALL_PAGES),
    };
    static const MessageMap map(&CPropertyPage::ThisMessageMap, entries);
    return &map;
}

CSetHomePage::CSetHomePage(std::string programDirectory, brisova::Profile& profile, AddressRegistryKeys keys)
    : CPropertyPage(IDD_SET_HOME_PAGE),
      programDirectory_(std::move(programDirectory)),
      profile_(profile),
      keys_(std::move(keys)) {
    brisova::DirectoryFileStore files(programDirectory_);
    if (auto text = files.Read(std::string(brisova::kStartupFile))) pages_ = brisova::ReadStartupList(*text);
    brisova::StartupSettings startup = brisova::ReadStartupSettings(profile_);
    enableHomePage_ = startup.enableHomePage;
    enableStartup_ = startup.enableStartup;
    homePage_ = ReadRegistryString(keys_.root, keys_.main.c_str(), kStartPageValue).value_or("");
    BindText(IDC_HOME_PAGE, homePage_);
    BindText(IDC_EXTRA_PAGE, extraPage_);
    BindCheck(IDC_ENABLE_HOME_PAGE, enableHomePage_);
    BindCheck(IDC_ENABLE_STARTUP, enableStartup_);
}

bool CSetHomePage::OnInitDialog() {
    // "Add" offers the current page.
    extraPage_ = currentAddress_;
    images_ = LoadAddressImages(WindowDpi(m_hWnd));
    const std::vector<std::string> typed = ReadTypedUrls(keys_).value_or(std::vector<std::string>{});
    for (UINT id : {IDC_HOME_PAGE, IDC_EXTRA_PAGE}) {
        HWND box = Item(id);
        PrepareAddressBox(box, images_.get());
        ApplySystemCompletion(AddressBoxEdit(box));
        for (std::size_t i = 0; i < typed.size(); ++i) InsertAddressItem(box, static_cast<int>(i), typed[i]);
    }
    CPropertyPage::OnInitDialog();
    if (currentAddress_.empty()) ::ShowWindow(Item(IDC_USE_CURRENT), SW_HIDE);
    for (const std::string& page : pages_)
        ::SendMessageA(Item(IDC_STARTUP_PAGES), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(page.c_str()));
    return true;
}

void CSetHomePage::OnUseCurrent() {
    UpdateData(true);
    homePage_ = currentAddress_;
    UpdateData(false);
}

void CSetHomePage::OnUseBlank() {
    UpdateData(true);
    homePage_ = "about:blank";
    UpdateData(false);
}

void CSetHomePage::OnAdd() {
    UpdateData(true);
    if (extraPage_.empty()) return;
    pages_.insert(pages_.begin(), extraPage_);
    ::SendMessageA(Item(IDC_STARTUP_PAGES), LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(extraPage_.c_str()));
}

void CSetHomePage::OnDelete() {
    HWND list = Item(IDC_STARTUP_PAGES);
    LRESULT selected = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected < 0 || static_cast<std::size_t>(selected) >= pages_.size()) return;
    pages_.erase(pages_.begin() + selected);
    ::SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
}

void CSetHomePage::OnDeleteAll() {
    ::SendMessageA(Item(IDC_STARTUP_PAGES), LB_RESETCONTENT, 0, 0);
    pages_.clear();
}

void CSetHomePage::Save() {
    // Written beside the old file and renamed over it: a failure half-way keeps the old list.
    brisova::DirectoryFileStore(programDirectory_).WriteWhole(std::string(brisova::kStartupFile),
                                                              brisova::StartupListText(pages_));
    profile_.WriteInt(brisova::kSettingsSection, "EnableHomePage", enableHomePage_);
    profile_.WriteInt(brisova::kSettingsSection, "EnableStartup", enableStartup_);
    if (!homePage_.empty()) WriteStartPage(keys_, homePage_);
}
