#include "commands/url_cache_win.h"

#include <windows.h>
#include <urlhist.h>
#include <wininet.h>

#include <vector>

#include "platform/handles_win.h"

namespace {
// The system's store of visited pages.
constexpr CLSID kUrlHistory = {0x3C374A40, 0xBAE4, 0x11CF, {0xBF, 0x7D, 0x00, 0xAA, 0x00, 0x69, 0x46, 0xEE}};

using ScopedCacheFind = UniqueHandle<NullIsInvalid<HANDLE, ::FindCloseUrlCache>>;

// An entry buffer that grows to whatever size the system asks for.
class EntryBuffer {
public:
    EntryBuffer() : storage_(4096 / sizeof(ULONGLONG)) {}
    INTERNET_CACHE_ENTRY_INFOA* entry() { return reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(storage_.data()); }
    DWORD size() const { return static_cast<DWORD>(storage_.size() * sizeof(ULONGLONG)); }
    void Grow(DWORD bytes) { storage_.resize(bytes / sizeof(ULONGLONG) + 1); }

private:
    std::vector<ULONGLONG> storage_;
};
}  // namespace

void ClearUrlCache(brisova::CacheRecords records) {
    EntryBuffer buffer;
    DWORD size = buffer.size();
    ScopedCacheFind find(::FindFirstUrlCacheEntryA(nullptr, buffer.entry(), &size));
    if (!find && ::GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        buffer.Grow(size);
        size = buffer.size();
        find.reset(::FindFirstUrlCacheEntryA(nullptr, buffer.entry(), &size));
    }
    if (!find) return;
    for (;;) {
        INTERNET_CACHE_ENTRY_INFOA* entry = buffer.entry();
        if (entry->lpszSourceUrlName && brisova::CacheEntryBelongsTo(entry->CacheEntryType, records))
            ::DeleteUrlCacheEntryA(entry->lpszSourceUrlName);
        size = buffer.size();
        if (::FindNextUrlCacheEntryA(find.get(), buffer.entry(), &size)) continue;
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) return;
        buffer.Grow(size);
        size = buffer.size();
        if (!::FindNextUrlCacheEntryA(find.get(), buffer.entry(), &size)) return;
    }
}

bool ClearVisitedHistory() {
    ComPtr<IUrlHistoryStg2> history;
    if (FAILED(::CoCreateInstance(kUrlHistory, nullptr, CLSCTX_INPROC_SERVER, IID_IUrlHistoryStg2,
                                  history.ReceiveVoid())) ||
        !history)
        return false;
    return SUCCEEDED(history->ClearHistory());
}
