// CMenuBar: the main menu shown as a row of flat text buttons in a rebar band. A click or
// Alt with a mnemonic drops the menu down; Left and Right move between the menus while one is
// open, as in the system's own menu line.
#pragma once

#include "controls/icon_menu_win.h"
#include "framework/handles_win.h"
#include "framework/wnd_win.h"

class CMenuBar final : public CWnd {
public:
    CMenuBar() = default;
    ~CMenuBar() override;
    DECLARE_MESSAGE_MAP()

    // Creates the bar as a flat tool bar child of `parent`; `owner` receives the menus' commands.
    bool Create(HWND parent, UINT id, HWND owner);
    // Shows the top-level items of the menu resource as buttons; the bar owns the menu, and the
    // records of its owner-drawn items go with it.
    bool LoadMenu(UINT resourceId);
    HMENU menu() const { return menu_.get(); }
    int ButtonCount() const { return buttonCount_; }
    SIZE IdealSize() const;

    // Called by the frame for every message before it is dispatched; true when consumed.
    bool TranslateFrameMessage(MSG* msg);
    // Drops down the menu of button `index` and follows the user from menu to menu.
    void TrackMenus(int index);

private:
    LRESULT OnLeftButtonDown(WPARAM wParam, LPARAM lParam);
    int ButtonAt(POINT client) const;
    void SetMenuFont();
    static LRESULT CALLBACK MenuFilter(int code, WPARAM wParam, LPARAM lParam);
    // A message of the open menu; true when the bar took it.
    bool FilterMenuMessage(const MSG& msg);
    void CloseOpenMenu(int next);

    ScopedIconMenu menu_;
    ScopedFont font_;
    HWND owner_ = nullptr;
    int buttonCount_ = 0;
    int openIndex_ = -1;
    int nextIndex_ = -1;
    POINT lastMouse_{-1, -1};
};
