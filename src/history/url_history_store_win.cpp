#include "history/url_history_store_win.h"

#include <windows.h>
#include <urlhist.h>

#include <algorithm>

#include "framework/text_win.h"
#include "platform/handles_win.h"

namespace {
// The system's URL history object.
constexpr CLSID kUrlHistoryClass = {0x3C374A40, 0xBAE4, 0x11CF, {0xBF, 0x7D, 0x00, 0xAA, 0x00, 0x69, 0x46, 0xEE}};

// The local calendar day of a time stamp in UTC.
int LocalDayOf(const FILETIME& utc) {
    SYSTEMTIME universal{}, local{};
    if (!::FileTimeToSystemTime(&utc, &universal) || !::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local))
        return 0;
    return brisova::DayNumber(local.wYear, local.wMonth, local.wDay);
}

std::string TakeText(LPWSTR text) {
    std::string narrow = text ? NarrowFromWide(text) : std::string();
    if (text) ::CoTaskMemFree(text);
    return narrow;
}
}  // namespace

int LocalToday() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return brisova::DayNumber(now.wYear, now.wMonth, now.wDay);
}

std::vector<brisova::HistoryEntry> UrlHistoryStore::Entries() {
    std::vector<brisova::HistoryEntry> entries;
    ComPtr<IUrlHistoryStg2> history;
    if (FAILED(::CoCreateInstance(kUrlHistoryClass, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IUrlHistoryStg2),
                                  history.ReceiveVoid())))
        return entries;
    ComPtr<IEnumSTATURL> items;
    if (FAILED(history->EnumUrls(items.Receive())) || !items) return entries;
    STATURL item{};
    item.cbSize = sizeof item;
    ULONG fetched = 0;
    while (items->Next(1, &item, &fetched) == S_OK && fetched == 1) {
        brisova::HistoryEntry entry;
        entry.address = TakeText(item.pwcsUrl);
        entry.title = TakeText(item.pwcsTitle);
        const FILETIME& latest =
            ::CompareFileTime(&item.ftLastVisited, &item.ftLastUpdated) >= 0 ? item.ftLastVisited : item.ftLastUpdated;
        entry.day = LocalDayOf(latest);
        if (!entry.address.empty()) entries.push_back(std::move(entry));
        item = STATURL{};
        item.cbSize = sizeof item;
    }
    return entries;
}
