#include "history/history_folder_win.h"

#include <shlobj.h>

ScopedItemList ShellHistoryFolder::Location() {
    ITEMIDLIST* raw = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_HISTORY, &raw))) return nullptr;
    return ScopedItemList(raw);
}
