#include "shell/default_browser_commands_win.h"

#include <shellapi.h>

#include "framework/text_win.h"
#include "resource.h"
#include "shell/default_browser.h"

namespace {
std::string RunningProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) return NarrowFromWide(path.c_str(), static_cast<int>(n));
        path.resize(path.size() * 2);
    }
}
}  // namespace

const MessageMap* CDefaultBrowserCommands::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandHandler<&CDefaultBrowserCommands::OnToggle>(ID_DEFAULT_BROWSER),
        UpdateHandler<&CDefaultBrowserCommands::OnUpdateToggle>(ID_DEFAULT_BROWSER),
    };
    static const MessageMap map(&CCmdTarget::ThisMessageMap, entries);
    return &map;
}

CDefaultBrowserCommands::CDefaultBrowserCommands(brisova::Profile& profile, brisova::Prompter& prompter,
                                                 const AddressRegistryKeys& keys,
                                                 std::function<void()> openSystemChoice, std::string programPath)
    : profile_(profile),
      prompter_(prompter),
      userClasses_(keys.root, keys.classes),
      classesView_(keys.classesView, keys.classesViewPath),
      software_(keys.root, keys.software),
      openSystemChoice_(std::move(openSystemChoice)),
      programPath_(std::move(programPath)) {}

void CDefaultBrowserCommands::OpenDefaultAppsSettings() {
    ::ShellExecuteA(nullptr, "open", "ms-settings:defaultapps", nullptr, nullptr, SW_SHOWNORMAL);
}

bool CDefaultBrowserCommands::RestorePreviousBrowser(brisova::Profile& profile, const AddressRegistryKeys& keys) {
    RegistryView userClasses(keys.root, keys.classes);
    RegistryView classesView(keys.classesView, keys.classesViewPath);
    brisova::LayeredRegistry classes(userClasses, classesView);
    return brisova::RestorePreviousBrowser(classes, profile);
}

void CDefaultBrowserCommands::OnToggle() {
    const std::string path = programPath_.empty() ? RunningProgramPath() : programPath_;
    switch (brisova::ToggleDefaultBrowser(classes_, software_, profile_, path)) {
    case brisova::ToggleResult::PathTooLong:
        prompter_.Ask("Brisova cannot be made the default browser: the path of its program is longer than 260 "
                      "characters.\nMove Brisova to a shorter path and try again.",
                      brisova::PromptButtons::Ok);
        break;
    case brisova::ToggleResult::RegisteredSystemChoosesOther:
        prompter_.Ask("Windows keeps its own choice of web browser. Choose Brisova as the web browser in the "
                      "Default apps settings that open now.",
                      brisova::PromptButtons::Ok);
        if (openSystemChoice_) openSystemChoice_();
        break;
    case brisova::ToggleResult::Registered:
    case brisova::ToggleResult::Restored:
        break;
    }
}

void CDefaultBrowserCommands::OnUpdateToggle(CCmdUI* ui) {
    ui->Enable(true);
    // Only a menu item shows the mark; a tool bar button keeps its own state.
    if (dynamic_cast<CMenuCmdUI*>(ui)) ui->SetCheck(brisova::ShowsAsDefaultBrowser(classes_, software_) ? 1 : 0);
}
