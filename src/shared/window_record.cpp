#include "shared/window_record.h"

#include <algorithm>
#include <string_view>

namespace brisova {

namespace {

constexpr std::string_view kMark = "\x01" "Brisova windows 2\n";

// The longest value a line holds, after its kind letter and blank.
constexpr std::size_t kMaxValue = kMaxRecordLine - 2;

std::string OneLine(std::string_view text) {
    std::string line(text.substr(0, kMaxValue));
    for (char& c : line)
        if (c == '\n' || c == '\0') c = ' ';
    return line;
}

void AddLine(std::string& out, char kind, std::string_view text) {
    out += kind;
    out += ' ';
    out += OneLine(text);
    out += '\n';
}

std::string Text(const WindowRecord& record, std::size_t entries, bool titles) {
    std::string out(kMark);
    for (std::size_t i = 0; i < record.windows.size(); ++i) {
        const RecordedWindow& w = record.windows[i];
        // A cut address would open another page: one too long for a line is left out.
        if (w.address.empty() || w.address.size() > kMaxValue) continue;
        AddLine(out, 'W', w.address);
        if (titles && !w.title.empty()) AddLine(out, 'T', w.title);
        const auto addList = [&](char kind, const std::vector<std::string>& list) {
            std::size_t written = 0;
            for (const std::string& address : list)
                if (written < entries && !address.empty() && address.size() <= kMaxValue) {
                    AddLine(out, kind, address);
                    ++written;
                }
        };
        addList('B', w.back);
        addList('F', w.forward);
        if (i == record.active) out += "A\n";
    }
    return out;
}

WindowRecord DecodeOldFormat(std::string_view text) {
    WindowRecord record;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        if (end > start && end - start <= kMaxValue)
            record.windows.push_back({std::string(text.substr(start, end - start)), {}, {}, {}});
        start = end + 1;
    }
    return record;
}

WindowRecord DecodeNewFormat(std::string_view text) {
    WindowRecord record;
    std::optional<std::size_t> active;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos || end > kMaxRecordLine) break;
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        if (line == "A") {
            if (record.windows.empty()) break;
            active = record.windows.size() - 1;
            continue;
        }
        if (line.size() < 3 || line[1] != ' ') break;
        const std::string value(line.substr(2));
        const char kind = line[0];
        if (kind == 'W') {
            record.windows.push_back({value, {}, {}, {}});
            continue;
        }
        if (record.windows.empty()) break;
        RecordedWindow& w = record.windows.back();
        if (kind == 'T' && w.title.empty()) w.title = value;
        else if (kind == 'B' && w.back.size() < kMaxTravelEntries) w.back.push_back(value);
        else if (kind == 'F' && w.forward.size() < kMaxTravelEntries) w.forward.push_back(value);
        else break;
    }
    record.active = active.value_or(0);
    return record;
}

}  // namespace

Bytes EncodeWindowList(const WindowRecord& record) {
    // The lists give way first, then the titles; the addresses always stay.
    std::string text;
    for (std::size_t entries : {kMaxTravelEntries, std::size_t{20}, std::size_t{5}, std::size_t{1}, std::size_t{0}}) {
        text = Text(record, entries, true);
        if (text.size() < kMaxRecordBytes) break;
    }
    if (text.size() >= kMaxRecordBytes) text = Text(record, 0, false);
    Bytes bytes(text.begin(), text.end());
    bytes.push_back('\0');
    return bytes;
}

WindowRecord DecodeWindowList(const Bytes& record) {
    std::string_view text(reinterpret_cast<const char*>(record.data()), record.size());
    text = text.substr(0, text.find('\0'));
    if (text.substr(0, kMark.size()) == kMark) return DecodeNewFormat(text.substr(kMark.size()));
    return DecodeOldFormat(text);
}

Bytes EncodeWindowRecord(const std::vector<std::string>& addresses) {
    Bytes record;
    for (const std::string& address : addresses) {
        record.insert(record.end(), address.begin(), address.end());
        record.push_back('\n');
    }
    record.push_back('\0');
    return record;
}

std::vector<std::string> DecodeWindowRecord(const Bytes& record) {
    std::vector<std::string> addresses;
    for (RecordedWindow& w : DecodeWindowList(record).windows) addresses.push_back(std::move(w.address));
    return addresses;
}

bool ShouldOfferRestore(const std::optional<Bytes>& record) {
    return record && record->size() > 5;
}

}  // namespace brisova
