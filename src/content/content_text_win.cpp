#include "content/content_text_win.h"

#include "content/content_files.h"

void ReplaceContentText(HWND dialog, int id, const std::string& text) {
    HWND box = ::GetDlgItem(dialog, id);
    const std::string shown = brisova::EditControlText(text);
    // Replacing keeps to the box's limit, which is below the longest text shown.
    ::SendMessageA(box, EM_LIMITTEXT, 0, 0);
    ::SendMessageA(box, EM_SETSEL, 0, -1);
    ::SendMessageA(box, EM_SCROLLCARET, 0, 0);
    ::SendMessageA(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(shown.c_str()));
    ::SendMessageA(box, EM_SETSEL, 0, 0);
    ::SendMessageA(box, EM_SCROLLCARET, 0, 0);
}

void EnableKeepingFocus(HWND dialog, int id, bool enable) {
    HWND button = ::GetDlgItem(dialog, id);
    if (!enable && ::GetFocus() == button)
        ::SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(dialog, IDOK)), TRUE);
    ::EnableWindow(button, enable);
}
