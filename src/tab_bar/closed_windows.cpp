#include "tab_bar/closed_windows.h"

#include <charconv>

#include "shared/ampersand_text.h"
#include "tab_bar/tab_rules.h"

namespace brisova {

namespace {

constexpr std::string_view kHeader = "Brisova closed windows 1\n";

std::string WithoutBreaks(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return text;
}

}  // namespace

void ClosedWindows::Add(ClosedWindow window) {
    window.title = WithoutBreaks(std::move(window.title));
    window.address = WithoutBreaks(std::move(window.address));
    if (window.address.empty() || window.address.size() + window.title.size() + 16 > kMaxClosedLine) return;
    if (window.tabIndex < 0) window.tabIndex = 0;
    // The history keeps what fits its lines, the nearest pages first.
    for (std::vector<std::string>* list : {&window.back, &window.forward}) {
        std::vector<std::string> kept;
        for (std::string& address : *list)
            if (kept.size() < kMaxClosedHistory && !address.empty() && address.size() + 2 <= kMaxClosedLine)
                kept.push_back(WithoutBreaks(std::move(address)));
        *list = std::move(kept);
    }
    windows_.insert(windows_.begin(), std::move(window));
    if (windows_.size() > kMaxClosedWindows) windows_.resize(kMaxClosedWindows);
}

bool ClosedWindows::Take(std::size_t index, ClosedWindow& window) {
    if (index >= windows_.size()) return false;
    window = std::move(windows_[index]);
    windows_.erase(windows_.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

std::string ClosedWindows::Format() const {
    std::string text(kHeader);
    for (const ClosedWindow& w : windows_) {
        text += std::to_string(w.tabIndex) + '\t' + w.title + '\t' + w.address + '\n';
        for (const std::string& address : w.back) text += "B\t" + address + '\n';
        for (const std::string& address : w.forward) text += "F\t" + address + '\n';
    }
    return text;
}

ClosedWindows ClosedWindows::Parse(std::string_view text) {
    ClosedWindows list;
    // One line at a time, a line break of an editor on Windows too; false at the end or damage.
    auto nextLine = [&text](std::string_view& line) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos || end > kMaxClosedLine) return false;
        line = text.substr(0, end);
        text.remove_prefix(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return true;
    };
    std::string_view line;
    if (!nextLine(line) || line != kHeader.substr(0, kHeader.size() - 1)) return list;
    while (nextLine(line)) {
        if (line.size() > 2 && (line[0] == 'B' || line[0] == 'F') && line[1] == '\t') {
            if (list.windows_.empty()) break;
            std::vector<std::string>& history = line[0] == 'B' ? list.windows_.back().back : list.windows_.back().forward;
            const std::string_view address = line.substr(2);
            if (history.size() >= kMaxClosedHistory || address.find('\t') != std::string_view::npos) break;
            history.emplace_back(address);
            continue;
        }
        if (list.windows_.size() == kMaxClosedWindows) break;
        const std::size_t first = line.find('\t');
        const std::size_t second = first == std::string_view::npos ? first : line.find('\t', first + 1);
        if (second == std::string_view::npos || line.find('\t', second + 1) != std::string_view::npos) break;
        ClosedWindow window;
        auto [rest, error] = std::from_chars(line.data(), line.data() + first, window.tabIndex);
        if (error != std::errc() || rest != line.data() + first || window.tabIndex < 0) break;
        window.title = std::string(line.substr(first + 1, second - first - 1));
        window.address = std::string(line.substr(second + 1));
        if (window.address.empty() || window.title.find('\r') != std::string::npos ||
            window.address.find('\r') != std::string::npos)
            break;
        list.windows_.push_back(std::move(window));
    }
    return list;
}

namespace {
// One argument of a command line, in quotes; backslashes at its end are doubled so that they do
// not escape the closing quote.
std::string QuotedArgument(std::string_view text) {
    std::size_t trailing = 0;
    while (trailing < text.size() && text[text.size() - 1 - trailing] == '\\') ++trailing;
    return "\"" + std::string(text) + std::string(trailing, '\\') + "\"";
}
}  // namespace

JumpList ClosedWindowsJumpList(const ClosedWindows& closed) {
    JumpList list;
    list.tasks.push_back({"New Window", "about:blank"});
    list.categoryName = "Recently Closed";
    for (const ClosedWindow& window : closed.windows()) {
        // A quote would end the argument; a leading "/" or "-" would make it a switch.
        if (window.address.find('"') != std::string::npos || window.address[0] == '/' || window.address[0] == '-')
            continue;
        const std::string title = TabText(window.title, window.address);
        list.category.push_back({title, QuotedArgument(window.address)});
    }
    return list;
}

std::string ClosedWindowLabel(const ClosedWindow& window) {
    const std::string text = TabText(window.title, window.address);
    return DoubleAmpersands(text.empty() ? std::string(" ") : text);
}

}  // namespace brisova
