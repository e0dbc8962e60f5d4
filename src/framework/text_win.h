// Conversions between the program's text, UTF-8 in narrow strings, and the wide strings of COM
// and the shell. The manifest makes UTF-8 the process's code page, so the narrow Win32 functions
// take the same text; these convert explicitly, whatever the code page.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>

std::string NarrowFromWide(const wchar_t* text, int length = -1);
std::wstring WideFromNarrow(const std::string& text);

// A BSTR owned for the life of the object.
class ScopedBstr {
public:
    explicit ScopedBstr(const std::string& text);
    ScopedBstr(const ScopedBstr&) = delete;
    ScopedBstr& operator=(const ScopedBstr&) = delete;
    ~ScopedBstr() { ::SysFreeString(bstr_); }
    BSTR get() const { return bstr_; }

private:
    BSTR bstr_;
};
