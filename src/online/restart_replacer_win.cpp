#include "online/restart_replacer_win.h"

#include <windows.h>

bool MoveAtRestartReplacer::ReplaceAtRestart(const std::string& staged, const std::string& destination) {
    std::string from = programDirectory_ + staged;
    std::string to = programDirectory_ + destination;
    return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
}
