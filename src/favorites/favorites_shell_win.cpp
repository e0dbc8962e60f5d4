#include <exdisp.h>

#include <algorithm>
#include <vector>

#include "favorites/favorites_setup_win.h"
#include "framework/text_win.h"
#include "platform/handles_win.h"

bool AddFavoriteWithShell(HWND, const std::string& address, const std::string& title) {
    ComPtr<IShellUIHelper> helper;
    if (FAILED(::CoCreateInstance(CLSID_ShellUIHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IShellUIHelper,
                                  helper.ReceiveVoid())))
        return false;
    ScopedBstr url(address);
    ScopedBstr name(title);
    VARIANT titleVariant;
    ::VariantInit(&titleVariant);
    titleVariant.vt = VT_BSTR;
    titleVariant.bstrVal = name.get();
    // The user may cancel the shell's dialog: the menu is read again either way.
    helper->AddFavorite(url.get(), &titleVariant);
    return true;
}

void OrganizeFavoritesWithShell(HWND owner, const std::string& folder) {
    using OrganizeDialog = BOOL(WINAPI*)(HWND, LPSTR);
    ScopedModule shell = LoadSystemModule("shdocvw.dll");
    if (!shell) return;
    auto organize = reinterpret_cast<OrganizeDialog>(::GetProcAddress(shell.get(), "DoOrganizeFavDlg"));
    if (!organize) return;
    // The dialog may write into the folder buffer.
    std::vector<char> buffer(std::max<std::size_t>(folder.size() + 1, MAX_PATH));
    std::copy(folder.begin(), folder.end(), buffer.begin());
    organize(owner, buffer.data());
}
