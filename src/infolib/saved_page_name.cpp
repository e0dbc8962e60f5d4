#include "infolib/saved_page_name.h"

#include "platform/device_names.h"

namespace brisova {

namespace {

// Reserved by Windows, or meaningful in a URL ("#" starts a fragment, "%" an escape).
bool IsUnusable(wchar_t c) {
    constexpr std::wstring_view kReserved = L"\\/:*?\"<>|#%";
    return c < 0x20 || c == 0x7F || kReserved.find(c) != std::wstring_view::npos;
}

bool IsTrimmed(wchar_t c) { return c == L' ' || c == L'.'; }

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

std::wstring Trim(std::wstring_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsTrimmed(text[first])) ++first;
    while (last > first && IsTrimmed(text[last - 1])) --last;
    return std::wstring(text.substr(first, last - first));
}

}  // namespace

std::wstring SavedPageFileName(std::wstring_view title) {
    std::wstring stem;
    stem.reserve(title.size());
    for (wchar_t c : title) stem.push_back(IsUnusable(c) ? L'_' : c);
    stem = Trim(stem);
    if (stem.size() > kMaxSavedPageStem) {
        std::size_t end = kMaxSavedPageStem;
        if (IsHighSurrogate(stem[end - 1])) --end;
        stem = Trim(std::wstring_view(stem).substr(0, end));
    }
    if (stem.empty()) stem = L"page";
    if (IsDeviceName(std::wstring_view(stem))) stem.insert(0, L"_");
    return stem + L".htm";
}

}  // namespace brisova
