#include "history/shell_history_win.h"

#include <shlobj.h>
#include <shlwapi.h>
#include <wininet.h>

#include <algorithm>

#include "favorites/favorites_files_win.h"
#include "framework/text_win.h"
#include "framework/tree_items_win.h"
#include "platform/ascii_case.h"

namespace {
constexpr const char* kToday = "Today";
// Where WinINet keeps the history's records when the History folder is a plain directory
// (Wine): storage, not a group of visits.
constexpr const char* kCacheStorage = "History.IE5";

// A display name as the tree shows it: text only, long names cut between characters.
std::string ShownName(const std::string& name) {
    return brisova::PageText(name, name);
}

std::string NameOf(IShellFolder& folder, const ITEMIDLIST* item, SHGDNF form) {
    STRRET name{};
    wchar_t* text = nullptr;
    if (FAILED(folder.GetDisplayNameOf(item, form, &name)) || FAILED(::StrRetToStrW(&name, item, &text)) || !text)
        return {};
    std::string narrow = NarrowFromWide(text);
    ::CoTaskMemFree(text);
    return narrow;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    const std::wstring wa = WideFromNarrow(a), wb = WideFromNarrow(b);
    return ::CompareStringOrdinal(wa.c_str(), static_cast<int>(wa.size()), wb.c_str(), static_cast<int>(wb.size()),
                                  TRUE) == CSTR_EQUAL;
}

HTREEITEM ChildNamed(HWND tree, HTREEITEM parent, const std::string& text) {
    for (HTREEITEM item = RelatedTreeItem(tree, TVGN_CHILD, parent); item; item = RelatedTreeItem(tree, TVGN_NEXT, item))
        if (SameIgnoringCase(TreeItemText(tree, item), text)) return item;
    return nullptr;
}

ComPtr<IShellFolder> BindChild(IShellFolder& parent, const ITEMIDLIST* item) {
    ComPtr<IShellFolder> folder;
    if (FAILED(parent.BindToObject(item, nullptr, IID_IShellFolder, folder.ReceiveVoid()))) folder.Reset();
    return folder;
}
}  // namespace

std::string ShellPageAddress(IShellFolder& folder, const ITEMIDLIST* item) {
    ComPtr<IShellLinkW> link;
    if (SUCCEEDED(folder.GetUIObjectOf(nullptr, 1, &item, IID_IShellLinkW, nullptr, link.ReceiveVoid())) && link) {
        link->Resolve(nullptr, SLR_NO_UI | SLR_NOUPDATE | SLR_NOSEARCH | SLR_NOTRACK);
        wchar_t raw[MAX_PATH] = {};
        if (SUCCEEDED(link->GetPath(raw, MAX_PATH, nullptr, SLGP_RAWPATH)) && raw[0]) return NarrowFromWide(raw);
    }
    // A plain folder offers no link for an Internet shortcut, nor a path for a link to a web
    // page: the item's file says where it points.
    const std::string path = NameOf(folder, item, SHGDN_FORPARSING);
    if (path.empty()) return {};
    if (path.size() > 4 && brisova::EqualsIgnoringCase(std::string_view(path).substr(path.size() - 4), ".url"))
        return InternetShortcutAddress(path);
    return ShellLinkAddress(path).value_or(std::string());
}

bool MissingFromCache(const std::string& address) {
    DWORD size = 0;
    if (::GetUrlCacheEntryInfoW(WideFromNarrow(address).c_str(), nullptr, &size)) return false;
    return ::GetLastError() == ERROR_FILE_NOT_FOUND;
}

ComPtr<IShellFolder> CShellHistory::Bind(std::string* failure) {
    ScopedItemList location = source_.Location();
    if (!location) return nullptr;
    ComPtr<IShellFolder> desktop;
    if (FAILED(::SHGetDesktopFolder(desktop.Receive())) || !desktop) {
        if (failure) *failure = "Can't get desktop.";
        return nullptr;
    }
    ComPtr<IShellFolder> history = BindChild(*desktop.get(), location.get());
    if (!history && failure) *failure = "Can't bind history folder.";
    return history;
}

std::vector<CShellHistory::Item> CShellHistory::Items(IShellFolder& folder) {
    std::vector<Item> items;
    ComPtr<IEnumIDList> list;
    if (folder.EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN, list.Receive()) !=
            S_OK ||
        !list)
        return items;
    ITEMIDLIST* raw = nullptr;
    ULONG fetched = 0;
    while (list->Next(1, &raw, &fetched) == S_OK && raw) {
        Item item{NameOf(folder, raw, SHGDN_NORMAL), ScopedItemList(raw), false};
        raw = nullptr;
        const ITEMIDLIST* id = item.id.get();
        SFGAOF attributes = SFGAO_FOLDER;
        item.folder = SUCCEEDED(folder.GetAttributesOf(1, &id, &attributes)) && (attributes & SFGAO_FOLDER);
        items.push_back(std::move(item));
    }
    return items;
}

void CShellHistory::Insert(IShellFolder& folder, std::vector<Item> items, HTREEITEM parent, bool skipExisting) {
    const bool top = parent == TVI_ROOT;
    for (Item& item : items) {
        CHistoryTree::NewItem shown;
        shown.text = ShownName(item.name);
        if (skipExisting && ChildNamed(tree_.m_hWnd, parent, shown.text)) continue;
        if (top && SameIgnoringCase(item.name, kCacheStorage)) continue;
        // Groups keep the folder's order; what lies in them is sorted.
        shown.sorted = !top;
        if (item.folder) {
            shown.image = top ? CHistoryTree::kGroupImage : CHistoryTree::kSiteImage;
            shown.selectedImage = top ? CHistoryTree::kGroupImage : CHistoryTree::kOpenSiteImage;
            shown.unlisted = true;
        } else {
            shown.image = shown.selectedImage = CHistoryTree::kPageImage;
            if (std::string address = ShellPageAddress(folder, item.id.get()); !address.empty()) {
                shown.dimmed = !brisova::IsLocalAddress(address) && MissingFromCache(address);
                shown.data = tree_.AddAddress(std::move(address));
            }
        }
        tree_.InsertItem(parent, shown);
    }
}

bool CShellHistory::Fill() {
    std::string failure;
    ComPtr<IShellFolder> history = Bind(&failure);
    // The shell gives no History folder.
    if (!history && failure.empty()) return false;
    std::vector<Item> groups;
    if (history) {
        groups = Items(*history.get());
        std::erase_if(groups, [](const Item& group) { return SameIgnoringCase(group.name, kCacheStorage); });
        // An empty History folder (Wine keeps a plain, empty directory) leaves the bar to the
        // system's URL history.
        if (groups.empty()) return false;
    }
    ::SendMessageA(tree_.m_hWnd, WM_SETREDRAW, FALSE, 0);
    tree_.Clear();
    if (history) Insert(*history.get(), std::move(groups), TVI_ROOT, false);
    ::SendMessageA(tree_.m_hWnd, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(tree_.m_hWnd, nullptr, TRUE);
    if (!history) prompter_.Ask(failure, brisova::PromptButtons::Ok);
    return true;
}

void CShellHistory::Refresh() {
    if (HTREEITEM today = ChildNamed(tree_.m_hWnd, TVI_ROOT, kToday))
        ::SendMessageA(tree_.m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(today));
    if (ComPtr<IShellFolder> history = Bind(nullptr)) Insert(*history.get(), Items(*history.get()), TVI_ROOT, true);
}

void CShellHistory::List(HTREEITEM item) {
    std::vector<std::string> path;
    for (HTREEITEM step = item; step; step = RelatedTreeItem(tree_.m_hWnd, TVGN_PARENT, step))
        path.insert(path.begin(), TreeItemText(tree_.m_hWnd, step));
    ComPtr<IShellFolder> folder = Bind(nullptr);
    for (const std::string& text : path) {
        if (!folder) return;
        std::vector<Item> items = Items(*folder.get());
        auto found = std::find_if(items.begin(), items.end(),
                                  [&](const Item& i) { return i.folder && ShownName(i.name) == text; });
        if (found == items.end()) return;
        folder = BindChild(*folder.get(), found->id.get());
    }
    if (folder) Insert(*folder.get(), Items(*folder.get()), item, false);
}
