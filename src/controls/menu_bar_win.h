// CMenuBar: the main menu shown as a row of flat text buttons in a rebar band. A click, Alt
// with a mnemonic, or Alt alone and then the arrow keys drop the menus down; Left and Right
// move between the menus while one is open, as in the system's own menu line.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "controls/icon_menu_win.h"
#include "controls/menu_bar_keys.h"
#include "framework/wnd_win.h"
#include "platform/handles_win.h"

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
    // Shows the top-level items of `menu` as buttons, one per item with a text, whose command
    // is the item's position. The bar owns the menu; the previous one goes back to the caller.
    ScopedIconMenu SetMenu(ScopedIconMenu menu);
    HMENU menu() const { return menu_.get(); }
    int ButtonCount() const { return buttonCount_; }
    // The label of button `index`, as the tool bar holds it.
    std::string ButtonText(int index) const;
    SIZE IdealSize() const;
    // The frame moved to another DPI: the labels take the menu font made for it.
    void DpiChanged();
    const brisova::MenuBarKeys& keys() const { return keys_; }

    // Called by the frame for every message before it is dispatched; true when consumed.
    bool TranslateFrameMessage(MSG* msg);
    // Drops down the menu of button `index` and follows the user from menu to menu; with
    // `fromKeyboard` each menu opens with its first item selected.
    void TrackMenus(int index, bool fromKeyboard);
    // A message of the open menu, as the message-filter hook passes it; true when the bar took it.
    bool FilterMenuMessage(const MSG& msg);

private:
    LRESULT OnLeftButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    int ButtonAt(POINT client) const;
    void SetMenuFont();
    static LRESULT CALLBACK MenuFilter(int code, WPARAM wParam, LPARAM lParam);
    bool OpenByMnemonic(UINT key);
    void CloseOpenMenu(int next, bool byKeyboard);
    // Shows the hot button of the current mode.
    void ShowHot() const;

    ScopedIconMenu menu_;
    // The tool bar's string list only grows: equal labels share one entry.
    std::vector<std::pair<std::string, INT_PTR>> addedStrings_;
    ScopedFont font_;
    HWND owner_ = nullptr;
    int buttonCount_ = 0;
    brisova::MenuBarKeys keys_;
    // Alt is down and nothing else has been pressed or clicked since.
    bool altAlone_ = false;
    bool nextByKeyboard_ = false;
    // Mouse messages the open menu ignores: the first after it opens, which report where the
    // cursor already was, must not switch to the button under it.
    int mouseToIgnore_ = 0;
    POINT lastMouse_{-1, -1};
};
