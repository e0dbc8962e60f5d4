#include "history/history_grouping.h"

#include <algorithm>

#include "platform/ascii_case.h"

namespace brisova {

int DayNumber(int year, int month, int day) {
    // Days from the civil calendar, counting March as the year's first month so that the leap
    // day comes last.
    year -= month <= 2 ? 1 : 0;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int WeekdayOf(int dayNumber) {
    // Day 0 was a Thursday.
    int weekday = (dayNumber + 4) % 7;
    return weekday < 0 ? weekday + 7 : weekday;
}

int WeekdayKey(int weekday) {
    return weekday == 0 ? -1 : weekday - 8;
}

int WeekStart(int today) {
    const int weekday = WeekdayOf(today);
    return today - (weekday == 0 ? 6 : weekday - 1);
}

HistoryGroupName GroupOf(int day, int today, const HistoryNames& names) {
    if (day >= today) return {names.today, WeekdayKey(WeekdayOf(today))};
    const int weekStart = WeekStart(today);
    if (day >= weekStart) {
        const int weekday = WeekdayOf(day);
        return {names.weekdays[static_cast<std::size_t>(weekday)], WeekdayKey(weekday)};
    }
    // The number of weeks begun since the visit, counting the one before this week as the first.
    const int weeks = (weekStart - day + 6) / 7;
    if (weeks == 1) return {names.lastWeek, -8};
    return {std::to_string(weeks) + names.weeksAgo, -7 - weeks};
}

std::optional<std::string> SiteOf(std::string_view address, const HistoryNames& names) {
    const std::string lower = AsciiLowerCase(address.substr(0, 8));
    if (lower.starts_with("file:")) return names.myComputer;
    std::size_t skip = 0;
    if (lower.starts_with("https://")) skip = 8;
    else if (lower.starts_with("http://")) skip = 7;
    else if (lower.starts_with("ftp://")) skip = 6;
    else return std::nullopt;
    std::string_view rest = address.substr(skip);
    rest = rest.substr(0, rest.find_first_of("/?#\\"));
    if (rest.empty()) return std::nullopt;
    return std::string(rest);
}

bool IsLocalAddress(std::string_view address) {
    if (AsciiLowerCase(address.substr(0, 5)) == "file:") return true;
    const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (address.size() >= 2 && isLetter(address[0]) && address[1] == ':') return true;
    return address.starts_with("\\\\");
}

std::string_view CutAtCharacter(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::size_t end = maxBytes;
    // Step back over continuation bytes to the start of the character that would be split.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

std::string PageText(std::string_view title, std::string_view address) {
    std::string_view text = title;
    if (text.find_first_not_of(' ') == std::string_view::npos) {
        std::string_view path = address.substr(0, address.find_first_of("?#"));
        while (!path.empty() && path.back() == '/') path.remove_suffix(1);
        const std::size_t slash = path.rfind('/');
        text = slash == std::string_view::npos ? path : path.substr(slash + 1);
        if (text.empty()) text = address;
    }
    std::string shown(text.size() > kMaxPageText ? CutAtCharacter(text, kMaxPageText - 3) : text);
    if (shown.size() < text.size()) shown += "...";
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return shown;
}

namespace {
bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return AsciiLowerCase(a) < AsciiLowerCase(b);
}
}  // namespace

HistoryTree GroupHistory(const std::vector<HistoryEntry>& entries, int today, const HistoryNames& names) {
    HistoryTree tree;
    for (const HistoryEntry& entry : entries) {
        if (entry.address.empty()) continue;
        std::optional<std::string> site = SiteOf(entry.address, names);
        if (!site) continue;
        HistoryGroupName group = GroupOf(entry.day, today, names);

        auto g = std::find_if(tree.groups.begin(), tree.groups.end(),
                              [&](const HistoryGroup& item) { return item.key >= group.key; });
        if (g == tree.groups.end() || g->key != group.key) g = tree.groups.insert(g, {group.text, group.key, {}});

        auto s = std::find_if(g->sites.begin(), g->sites.end(),
                              [&](const HistorySite& item) { return EqualsIgnoringCase(item.name, *site); });
        if (s == g->sites.end()) {
            s = std::find_if(g->sites.begin(), g->sites.end(),
                             [&](const HistorySite& item) { return LessIgnoringCase(*site, item.name); });
            s = g->sites.insert(s, {*site, {}});
        }
        s->pages.push_back({PageText(entry.title, entry.address), tree.addresses.size()});
        tree.addresses.push_back(entry.address);
    }
    return tree;
}

}  // namespace brisova
