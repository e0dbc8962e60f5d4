#include "options/startup_list.h"

#include "platform/utf8_text.h"

namespace brisova {

std::vector<std::string> ReadStartupList(std::string_view text) {
    text = WithoutByteOrderMark(text);
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        entries.emplace_back(line);
        start = end + 1;
    }
    return entries;
}

std::string StartupListText(const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& entry : entries) text += entry + "\r\n";
    return text;
}

}  // namespace brisova
