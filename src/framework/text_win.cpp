#include "framework/text_win.h"

std::string NarrowFromWide(const wchar_t* text, int length) {
    if (!text) return {};
    int n = ::WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), n, nullptr, nullptr);
    if (length < 0 && !out.empty()) out.pop_back();  // the converted NUL
    return out;
}

std::wstring WideFromNarrow(const std::string& text) {
    if (text.empty()) return {};
    int n = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

ScopedBstr::ScopedBstr(const std::string& text) {
    std::wstring wide = WideFromNarrow(text);
    bstr_ = ::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}
