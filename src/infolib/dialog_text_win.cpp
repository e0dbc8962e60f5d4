#include "infolib/dialog_text_win.h"

std::string TrimmedItemText(HWND dialog, int id) {
    char buffer[kMaxNameLength + 1] = {};
    ::GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    std::string text(buffer);
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}
