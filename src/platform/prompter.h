// Message boxes and modal questions, behind an interface so that tests can answer them.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace brisova {

enum class PromptButtons { Ok, YesNo };
enum class PromptAnswer { Ok, Yes, No, Cancel };

// The answer to "Shut Down", the question asked before the program closes.
struct ExitAnswer {
    bool proceed = false;
    bool dontAskAgain = false;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual PromptAnswer Ask(const std::string& text, PromptButtons buttons) = 0;
    virtual ExitAnswer ConfirmExit() = 0;
};

// Answers from a script, in order, and remembers every question; answers Ok or No when the
// script has run out, so an unexpected question never blocks a test.
class ScriptedPrompter final : public Prompter {
public:
    void Queue(PromptAnswer answer) { answers_.push_back(answer); }
    void QueueExit(ExitAnswer answer) { exitAnswers_.push_back(answer); }
    PromptAnswer Ask(const std::string& text, PromptButtons buttons) override;
    // Records the question as "Shut Down"; proceeds when the script has no answer.
    ExitAnswer ConfirmExit() override;
    const std::vector<std::string>& questions() const { return questions_; }

private:
    std::deque<PromptAnswer> answers_;
    std::deque<ExitAnswer> exitAnswers_;
    std::vector<std::string> questions_;
};

}  // namespace brisova
