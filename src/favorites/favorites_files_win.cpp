#include "favorites/favorites_files_win.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <cstring>
#include <memory>

#include "framework/text_win.h"
#include "platform/handles_win.h"

namespace {
struct FindDeleter {
    void operator()(HANDLE find) const { ::FindClose(find); }
};

bool IsWebAddress(const std::string& address) {
    for (const char* scheme : {"http:", "https:", "ftp:"})
        if (_strnicmp(address.c_str(), scheme, std::strlen(scheme)) == 0) return true;
    return false;
}
}  // namespace

std::string WithBackslash(std::string path) {
    if (path.empty() || path.back() != '\\') path.push_back('\\');
    return path;
}

std::string ShellFavoritesFolder() {
    // The path straight away: going through the folder's item list costs OLE and the shell's
    // name space at start.
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_FAVORITES, nullptr, SHGFP_TYPE_CURRENT, path)) && path[0])
        return NarrowFromWide(path);
    wchar_t windows[MAX_PATH] = {};
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    return NarrowFromWide(windows) + "\\favorites";
}

std::vector<brisova::DirectoryEntry> ListFolder(const std::string& folder) {
    std::vector<brisova::DirectoryEntry> entries;
    WIN32_FIND_DATAW found{};
    HANDLE first = ::FindFirstFileW(WideFromNarrow(WithBackslash(folder) + "*.*").c_str(), &found);
    if (first == INVALID_HANDLE_VALUE) return entries;
    std::unique_ptr<void, FindDeleter> find(first);
    do {
        const DWORD a = found.dwFileAttributes;
        entries.push_back({NarrowFromWide(found.cFileName), (a & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (a & FILE_ATTRIBUTE_HIDDEN) != 0, (a & FILE_ATTRIBUTE_SYSTEM) != 0});
    } while (::FindNextFileW(find.get(), &found));
    return entries;
}

bool IsMostUsedFolder(const std::string& folder) {
    wchar_t mark[2] = {};
    ::GetPrivateProfileStringW(L"Kestu", L"MostFav", L"0", mark, 2,
                               WideFromNarrow(WithBackslash(folder) + "kestufolder.kcf").c_str());
    return mark[0] == L'1';
}

std::string InternetShortcutAddress(const std::string& path) {
    wchar_t address[2048] = {};
    ::GetPrivateProfileStringW(L"InternetShortcut", L"URL", L"", address, 2048, WideFromNarrow(path).c_str());
    return NarrowFromWide(address);
}

std::optional<std::string> ShellLinkAddress(const std::string& path) {
    ComPtr<IShellLinkW> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  link.ReceiveVoid())))
        return std::nullopt;
    ComPtr<IPersistFile> file = link.As<IPersistFile>();
    if (!file || FAILED(file->Load(WideFromNarrow(path).c_str(), STGM_READ))) return std::nullopt;
    wchar_t target[MAX_PATH] = {};
    if (SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, 0)) && target[0]) {
        const DWORD attributes = ::GetFileAttributesW(target);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
        return NarrowFromWide(target);
    }
    // A link to a web page has an item list but no file-system path.
    ITEMIDLIST* raw = nullptr;
    if (FAILED(link->GetIDList(&raw)) || !raw) return std::nullopt;
    ScopedItemList list(raw);
    wchar_t* name = nullptr;
    if (FAILED(::SHGetNameFromIDList(list.get(), SIGDN_URL, &name)) || !name) return std::nullopt;
    std::string address = NarrowFromWide(name);
    ::CoTaskMemFree(name);
    if (!IsWebAddress(address)) return std::nullopt;
    return address;
}

std::optional<brisova::MenuOrder> ReadMenuOrder(HKEY root, const std::string& key) {
    std::string subKey = key;
    while (!subKey.empty() && subKey.back() == '\\') subKey.pop_back();
    HKEY raw = nullptr;
    if (::RegOpenKeyExW(root, WideFromNarrow(subKey).c_str(), 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS)
        return std::nullopt;
    ScopedKey opened(raw);
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExW(opened.get(), L"Order", nullptr, &type, nullptr, &size) != ERROR_SUCCESS || size == 0 ||
        type != REG_BINARY)
        return std::nullopt;
    std::vector<std::uint8_t> value(size);
    if (::RegQueryValueExW(opened.get(), L"Order", nullptr, &type, value.data(), &size) != ERROR_SUCCESS ||
        type != REG_BINARY)
        return std::nullopt;
    value.resize(size);
    return brisova::ParseMenuOrder(value);
}

brisova::NameCollation LocaleCollation() {
    const auto comparing = [](DWORD flags) {
        return [flags](std::string_view a, std::string_view b) {
            const std::wstring wa = WideFromNarrow(std::string(a));
            const std::wstring wb = WideFromNarrow(std::string(b));
            return ::CompareStringW(LOCALE_USER_DEFAULT, flags, wa.c_str(), static_cast<int>(wa.size()), wb.c_str(),
                                    static_cast<int>(wb.size())) -
                   CSTR_EQUAL;
        };
    };
    return {comparing(0), comparing(NORM_IGNORECASE)};
}
