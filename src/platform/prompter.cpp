#include "platform/prompter.h"

namespace brisova {

PromptAnswer ScriptedPrompter::Ask(const std::string& text, const std::string& caption, PromptButtons buttons) {
    questions_.push_back(text);
    captions_.push_back(caption);
    if (answers_.empty()) return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::No;
    PromptAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

ExitAnswer ScriptedPrompter::ConfirmExit() {
    questions_.push_back("Shut Down");
    captions_.push_back("Shut Down");
    if (exitAnswers_.empty()) return {true, false};
    ExitAnswer answer = exitAnswers_.front();
    exitAnswers_.pop_front();
    return answer;
}

}  // namespace brisova
