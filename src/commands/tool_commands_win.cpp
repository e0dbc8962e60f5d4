#include "commands/tool_commands_win.h"

#include <shellapi.h>
#include <wininet.h>

#include "address_bar/address_bar_win.h"
#include "browser/brisova_view_win.h"
#include "browser/browser_frame_win.h"
#include "browser/child_frame_win.h"
#include "commands/page_command_rules.h"
#include "commands/page_commands_win.h"
#include "commands/url_cache_win.h"
#include "platform/registry_win.h"
#include "resource.h"

const MessageMap* CToolCommands::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandHandler<&CToolCommands::OnWorkOffline>(ID_WORK_OFFLINE),
        CommandHandler<&CToolCommands::OnClearTypedAddresses>(ID_CLEAR_TYPED),
        CommandHandler<&CToolCommands::OnClearCookies>(ID_CLEAR_COOKIES),
        CommandHandler<&CToolCommands::OnClearHistory>(ID_CLEAR_HISTORY),
        CommandHandler<&CToolCommands::OnClearTemporaryFiles>(ID_CLEAR_CACHE),
        CommandHandler<&CToolCommands::OnClearAll>(ID_CLEAR_ALL),
        CommandHandler<&CToolCommands::OnInternetOptions>(ID_INTERNET_OPTIONS),
        CommandHandler<&CToolCommands::OnHelp>(ID_HELP_CONTENTS),
    };
    static const MessageMap map(&CCmdTarget::ThisMessageMap, entries);
    return &map;
}

void CToolCommands::ReadOfflineMode() {
    const AddressRegistryKeys& keys = addressBar_.keys();
    ScopedKey key = OpenRegistryKey(keys.root, keys.internetSettings, KEY_QUERY_VALUE);
    if (!key) return;
    // The system writes the value only once the user first went offline: until then it is 0.
    workOffline_ = ReadDwordValue(key.get(), "GlobalUserOffline").value_or(0) != 0;
}

void CToolCommands::OnWorkOffline() {
    const AddressRegistryKeys& keys = addressBar_.keys();
    {
        ScopedKey key = OpenRegistryKey(keys.root, keys.internetSettings, KEY_QUERY_VALUE | KEY_SET_VALUE);
        if (!key) return;
        const DWORD toggled = ReadDwordValue(key.get(), "GlobalUserOffline").value_or(0) ? 0 : 1;
        if (WriteDwordValue(key.get(), "GlobalUserOffline", toggled)) workOffline_ = toggled != 0;
    }
    // The running browser controls take the new state from the system.
    ::InternetSetOptionA(nullptr, INTERNET_OPTION_SETTINGS_CHANGED, nullptr, 0);
}

int CToolCommands::DeleteTypedUrlValues() const {
    const AddressRegistryKeys& keys = addressBar_.keys();
    ScopedKey key = OpenRegistryKey(keys.root, keys.typedUrls, KEY_SET_VALUE);
    if (!key) return 0;
    int deleted = 0;
    while (::RegDeleteValueA(key.get(), ("url" + std::to_string(deleted + 1)).c_str()) == ERROR_SUCCESS) ++deleted;
    return deleted;
}

void CToolCommands::OnClearTypedAddresses() {
    addressBar_.RemoveAllItems();
    DeleteTypedUrlValues();
}

void CToolCommands::OnClearCookies() {
    ClearUrlCache(brisova::CacheRecords::Cookies);
}

void CToolCommands::OnClearHistory() {
    ClearVisitedHistory();
    for (int deleted = DeleteTypedUrlValues(); deleted > 0; --deleted) addressBar_.RemoveNewestItem();
    if (historyCleared_) historyCleared_();
}

void CToolCommands::OnClearTemporaryFiles() {
    ClearUrlCache(brisova::CacheRecords::TemporaryFiles);
}

void CToolCommands::OnClearAll() {
    OnClearTypedAddresses();
    OnClearCookies();
    OnClearHistory();
    OnClearTemporaryFiles();
}

void CToolCommands::OnInternetOptions() {
    if (!frame_.ActiveWindow()) {
        const std::string blank = "about:blank";
        frame_.OpenWindow(false, &blank, true);
    }
    if (CBrisovaView* view = frame_.ActiveBrowserView())
        view->ExecDocumentCommandWhenLoaded(&kBrowserCommandGroup, kBrowserOptions, 0);
}

void CToolCommands::OnHelp() {
    // Until the help file is installed the command opens nothing, without a message.
    const std::string help = brisova::HelpFilePath(programDirectory_);
    if (::GetFileAttributesA(help.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    ::ShellExecuteA(::GetDesktopWindow(), "open", help.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
