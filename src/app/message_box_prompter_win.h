// Questions asked with the system's message box, owned by the program's main window.
#pragma once

#include <windows.h>

#include "platform/prompter.h"

class MessageBoxPrompter final : public brisova::Prompter {
public:
    using brisova::Prompter::Ask;
    brisova::PromptAnswer Ask(const std::string& text, const std::string& caption,
                              brisova::PromptButtons buttons) override;
    // The "Shut Down" dialog.
    brisova::ExitAnswer ConfirmExit() override;
};
