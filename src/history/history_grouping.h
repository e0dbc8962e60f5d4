// How the history bar arranges visited pages: by day of the current week or by week before it,
// then by site, then page by page. Dates are local calendar days; weeks start on Monday
// whatever the machine's own first day of the week.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisova {

// A local calendar day, counted from 1970-01-01 (day 0, a Thursday).
int DayNumber(int year, int month, int day);
// 0 = Sunday ... 6 = Saturday.
int WeekdayOf(int dayNumber);

// The texts the tree shows; the program loads them from its string table.
struct HistoryNames {
    std::string today = "Today";
    std::string lastWeek = "Last Week";
    std::string weeksAgo = "Weeks ago";
    std::string myComputer = "My Computer";
    std::array<std::string, 7> weekdays = {"Sunday", "Monday", "Tuesday", "Wednesday",
                                           "Thursday", "Friday", "Saturday"};
};

// One visit as the store reports it. `day` is the local day of the later of its last visit
// and last update.
struct HistoryEntry {
    std::string address;
    std::string title;
    int day = 0;
};

// A group's text and its sort key: older weeks have smaller keys; the days of the current
// week run Monday (-7) to Saturday (-2), then Sunday (-1).
struct HistoryGroupName {
    std::string text;
    int key = 0;
};

// The key of the group a day of the current week belongs to.
int WeekdayKey(int weekday);
// The Monday of the week `today` lies in.
int WeekStart(int today);
// The group of a visit on `day`. A visit dated after today (a clock set back) counts as today.
HistoryGroupName GroupOf(int day, int today, const HistoryNames& names);

// The site a page is listed under: the host of an http, https or ftp address, "My Computer"
// for a file; none for anything else (script addresses, mail, the browser's own pages) and
// for an address without a host.
std::optional<std::string> SiteOf(std::string_view address, const HistoryNames& names);

// A page on this machine: a "file:" address, a drive path or a network path. The browser's
// cache never holds one, so it is never shown as missing from it.
bool IsLocalAddress(std::string_view address);

// The text of a page item: its title, or the last segment of its address when it has none.
// Line breaks and other control characters become blanks; a long text is cut at a character
// boundary and marked with "...".
std::string PageText(std::string_view title, std::string_view address);
inline constexpr std::size_t kMaxPageText = 120;

// The first `maxBytes` bytes of UTF-8 text, shortened further so no character is split.
std::string_view CutAtCharacter(std::string_view text, std::size_t maxBytes);

struct HistoryPage {
    std::string text;
    std::size_t address = 0;  // index into HistoryTree::addresses
};
struct HistorySite {
    std::string name;
    std::vector<HistoryPage> pages;
};
struct HistoryGroup {
    std::string name;
    int key = 0;
    std::vector<HistorySite> sites;
};
struct HistoryTree {
    std::vector<HistoryGroup> groups;  // ascending keys
    std::vector<std::string> addresses;
};

// Places every entry that has an address and a site: groups in key order, sites in
// alphabetical order ignoring case, pages in the store's order.
HistoryTree GroupHistory(const std::vector<HistoryEntry>& entries, int today, const HistoryNames& names);

}  // namespace brisova
