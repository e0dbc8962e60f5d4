// Message boxes and modal questions, behind an interface so that tests can answer them.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace brisova {

enum class PromptButtons { Ok, YesNo };
enum class PromptAnswer { Ok, Yes, No, Cancel };

// The caption of a question that has none of its own.
inline constexpr const char* kProgramCaption = "Brisova";

// The answer to "Shut Down", the question asked before the program closes.
struct ExitAnswer {
    bool proceed = false;
    bool dontAskAgain = false;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    // Asks under the program's name.
    PromptAnswer Ask(const std::string& text, PromptButtons buttons) { return Ask(text, kProgramCaption, buttons); }
    virtual PromptAnswer Ask(const std::string& text, const std::string& caption, PromptButtons buttons) = 0;
    virtual ExitAnswer ConfirmExit() = 0;
};

// Answers from a script, in order, and remembers every question; answers Ok or No when the
// script has run out, so an unexpected question never blocks a test.
class ScriptedPrompter final : public Prompter {
public:
    void Queue(PromptAnswer answer) { answers_.push_back(answer); }
    void QueueExit(ExitAnswer answer) { exitAnswers_.push_back(answer); }
    using Prompter::Ask;
    PromptAnswer Ask(const std::string& text, const std::string& caption, PromptButtons buttons) override;
    // Records the question as "Shut Down"; proceeds when the script has no answer.
    ExitAnswer ConfirmExit() override;
    const std::vector<std::string>& questions() const { return questions_; }
    // The caption of each question, in the same order.
    const std::vector<std::string>& captions() const { return captions_; }

private:
    std::deque<PromptAnswer> answers_;
    std::deque<ExitAnswer> exitAnswers_;
    std::vector<std::string> questions_;
    std::vector<std::string> captions_;
};

}  // namespace brisova
