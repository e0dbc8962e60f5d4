#include "controls/jump_list_win.h"

#include <windows.h>
#include <objectarray.h>
#include <propsys.h>
#include <shobjidl.h>

#include <cstring>

#include "framework/text_win.h"
#include "platform/handles_win.h"

namespace {
// The shell's title property of an item (System.Title).
const PROPERTYKEY kTitleKey = {{0xf29f85e0, 0x4ff9, 0x1068, {0xab, 0x91, 0x08, 0x00, 0x2b, 0x27, 0xb3, 0xd9}}, 2};

std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) return path.substr(0, n);
        path.resize(path.size() * 2);
    }
}

// A link that starts the program with the entry's arguments, titled as the entry.
ComPtr<IShellLinkW> LinkFor(const brisova::JumpListEntry& entry, const std::wstring& program) {
    ComPtr<IShellLinkW> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IShellLinkW),
                                  link.ReceiveVoid())) ||
        !link)
        return {};
    const std::wstring title = WideFromNarrow(entry.title);
    link->SetPath(program.c_str());
    link->SetArguments(WideFromNarrow(entry.arguments).c_str());
    link->SetIconLocation(program.c_str(), 0);
    link->SetDescription(title.c_str());
    ComPtr<IPropertyStore> properties;
    if (FAILED(link->QueryInterface(__uuidof(IPropertyStore), properties.ReceiveVoid())) || !properties) return {};
    PROPVARIANT value{};
    const std::size_t bytes = (title.size() + 1) * sizeof(wchar_t);
    value.vt = VT_LPWSTR;
    value.pwszVal = static_cast<LPWSTR>(::CoTaskMemAlloc(bytes));
    if (!value.pwszVal) return {};
    std::memcpy(value.pwszVal, title.c_str(), bytes);
    const bool titled = SUCCEEDED(properties->SetValue(kTitleKey, value)) && SUCCEEDED(properties->Commit());
    ::PropVariantClear(&value);
    return titled ? link : ComPtr<IShellLinkW>();
}

ComPtr<IObjectArray> LinksFor(const std::vector<brisova::JumpListEntry>& entries, const std::wstring& program) {
    ComPtr<IObjectCollection> links;
    if (FAILED(::CoCreateInstance(CLSID_EnumerableObjectCollection, nullptr, CLSCTX_INPROC_SERVER,
                                  __uuidof(IObjectCollection), links.ReceiveVoid())) ||
        !links)
        return {};
    for (const brisova::JumpListEntry& entry : entries)
        if (ComPtr<IShellLinkW> link = LinkFor(entry, program)) links->AddObject(link.get());
    ComPtr<IObjectArray> array;
    if (FAILED(links->QueryInterface(__uuidof(IObjectArray), array.ReceiveVoid()))) return {};
    return array;
}
}  // namespace

void SystemJumpList::Write(const brisova::JumpList& list) {
    ComPtr<ICustomDestinationList> destinations;
    if (FAILED(::CoCreateInstance(CLSID_DestinationList, nullptr, CLSCTX_INPROC_SERVER,
                                  __uuidof(ICustomDestinationList), destinations.ReceiveVoid())) ||
        !destinations)
        return;
    UINT slots = 0;
    ComPtr<IObjectArray> removed;
    if (FAILED(destinations->BeginList(&slots, __uuidof(IObjectArray), removed.ReceiveVoid()))) return;
    const std::wstring program = ProgramPath();
    bool added = false;
    if (!list.category.empty())
        if (ComPtr<IObjectArray> links = LinksFor(list.category, program))
            added = SUCCEEDED(destinations->AppendCategory(WideFromNarrow(list.categoryName).c_str(), links.get()));
    if (!list.tasks.empty())
        if (ComPtr<IObjectArray> links = LinksFor(list.tasks, program))
            added = SUCCEEDED(destinations->AddUserTasks(links.get())) || added;
    if (added) destinations->CommitList();
    else destinations->AbortList();
}
