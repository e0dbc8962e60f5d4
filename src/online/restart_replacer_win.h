// Replaces an installed executable when the machine restarts, since a running program file
// cannot be overwritten.
#pragma once

#include "online/update_checker.h"

#include <string>

class MoveAtRestartReplacer final : public brisova::ExecutableReplacer {
public:
    // programDirectory ends in "\"; the paths given to ReplaceAtRestart are relative to it.
    explicit MoveAtRestartReplacer(std::string programDirectory) : programDirectory_(std::move(programDirectory)) {}

    // Asks the system to move the staged file over the destination at the next restart. Fails
    // without the rights to schedule that; the staged file then stays where it is.
    bool ReplaceAtRestart(const std::string& staged, const std::string& destination) override;

private:
    std::string programDirectory_;
};
