// Drives a modal property sheet from inside its own message loop: the script runs once the sheet
// window exists and ends it by pressing a button.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

namespace sheet_script {

inline std::function<HWND()> t_findSheet;
inline std::function<void(HWND)> t_script;
inline bool t_ran = false;

inline void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    HWND sheet = t_findSheet();
    if (!sheet || !::IsWindowVisible(sheet)) return;
    ::KillTimer(nullptr, id);
    t_ran = true;
    t_script(sheet);
}

// Arms the script; the caller then starts the sheet. `findSheet` names the sheet's window.
inline void Arm(std::function<HWND()> findSheet, std::function<void(HWND)> script) {
    t_findSheet = std::move(findSheet);
    t_script = std::move(script);
    t_ran = false;
    ::SetTimer(nullptr, 0, 20, &Tick);
}

inline HWND Page(HWND sheet) {
    return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

inline void Click(HWND page, int id) {
    ::SendMessageA(::GetDlgItem(page, id), BM_CLICK, 0, 0);
}

inline bool Checked(HWND page, int id) {
    return ::IsDlgButtonChecked(page, id) == BST_CHECKED;
}

inline std::string Text(HWND window) {
    char text[1024] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

inline void Select(HWND sheet, int index) {
    ::SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

inline void Press(HWND sheet, int button) {
    ::SendMessageA(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
}

}  // namespace sheet_script
