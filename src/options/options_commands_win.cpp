#include "options/options_commands_win.h"

#include "browser/brisova_view_win.h"
#include "browser/browser_frame_win.h"
#include "options/home_page_win.h"
#include "options/window_pages_win.h"
#include "resource.h"

const MessageMap* COptionsCommands::ThisMessageMap() {
    static const MessageEntry entries[] = {
        CommandHandler<&COptionsCommands::OnOptions>(ID_OPTIONS),
        UpdateHandler<&COptionsCommands::OnUpdateOptions>(ID_OPTIONS),
    };
    static const MessageMap map(&CCmdTarget::ThisMessageMap, entries);
    return &map;
}

COptionsCommands::COptionsCommands(BrowserFrame& frame, ApplySettings apply, brisova::Profile& profile,
                                   std::string programDirectory, AddressRegistryKeys keys)
    : frame_(frame),
      apply_(std::move(apply)),
      profile_(profile), programDirectory_(std::move(programDirectory)), keys_(std::move(keys)) {}

void COptionsCommands::OnOptions() {
    CSetHomePage home(programDirectory_, profile_, keys_);
    if (CBrisovaView* view = frame_.ActiveBrowserView()) home.SetCurrentAddress(view->address());
    brisova::WindowOptionValues values = brisova::WindowOptionsFrom(frame_.settings());
    CSetNewWindow newWindow(values);
    CSetCloseWindow closeWindow(values);
    CSetMouse mouse(values);

    CPropertySheet sheet("Brisova Options");
    sheet.AddPage(home);
    sheet.AddPage(newWindow);
    sheet.AddPage(closeWindow);
    sheet.AddPage(mouse);
    if (sheet.DoModal(frame_.OwnerWindow()) != IDOK) return;

    home.Save();
    apply_(brisova::WithWindowOptions(frame_.settings(), values));
}

void COptionsCommands::OnUpdateOptions(CCmdUI* ui) {
    ui->Enable(true);
}
