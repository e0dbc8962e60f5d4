#include "app/message_box_prompter_win.h"

#include "app/shut_down_dialog_win.h"
#include "framework/win_app_win.h"

namespace {
HWND Owner() {
    CWinApp* app = AfxGetApp();
    return app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
}
}  // namespace

brisova::PromptAnswer MessageBoxPrompter::Ask(const std::string& text, const std::string& caption,
                                              brisova::PromptButtons buttons) {
    HWND owner = Owner();
    UINT type = buttons == brisova::PromptButtons::YesNo ? MB_YESNO | MB_ICONQUESTION : MB_OK;
    switch (::MessageBoxA(owner, text.c_str(), caption.c_str(), type)) {
    case IDYES: return brisova::PromptAnswer::Yes;
    case IDNO: return brisova::PromptAnswer::No;
    case IDOK: return brisova::PromptAnswer::Ok;
    default: return brisova::PromptAnswer::Cancel;
    }
}

brisova::ExitAnswer MessageBoxPrompter::ConfirmExit() {
    CShutDownDialog dialog;
    bool proceed = dialog.DoModal(Owner()) == IDOK;
    return {proceed, dialog.dontAskAgain()};
}
