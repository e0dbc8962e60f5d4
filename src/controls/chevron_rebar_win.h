// CChevBar: the frame's top rebar. Bands too narrow for their tool bar show a chevron whose
// menu offers the buttons that do not fit.
#pragma once

#include <functional>

#include "controls/icon_menu_win.h"
#include "framework/wnd_win.h"

class CChevBar final : public CWnd {
public:
    DECLARE_MESSAGE_MAP()

    bool Create(HWND parent, UINT id, DWORD extraStyle);

    struct Band {
        HWND child = nullptr;
        const char* text = nullptr;
        UINT id = 0;
        UINT style = 0;
        int minHeight = 0;
        int minWidth = 0;
        int idealWidth = 0;
    };
    bool AddBand(const Band& band);
    int IndexOf(UINT bandId) const;
    void ShowBand(UINT bandId, bool show) const;
    // Keeps a band on the row of the band before it.
    void JoinRow(UINT bandId) const;
    void SetBandMinSize(UINT bandId, int minWidth, int minHeight, int width) const;
    int Height() const;
    // Shows each band whose child window is shown and hides each whose child is hidden.
    void MatchBandsToChildren() const;
    // The room a band takes besides its child: its label and borders.
    int BandBorderWidth(UINT bandId) const;
    RECT BandRect(UINT bandId) const;

    // The pop-up a button of a band's tool bar drops down (the main tool bar's arrows, the menu
    // bar's menus), by the bar and the button's command; null when the button has none. The
    // chevron menu offers copies of these pop-ups.
    std::function<HMENU(HWND bar, UINT command)> buttonMenu;
    // The chevron menu of band `index`: an item for each button of its tool bar that does not
    // fit; null when there is none.
    ScopedIconMenu BuildChevronMenu(int index) const;

    bool OnReflectedNotify(NMHDR* header, LRESULT* result) override;

private:
    void ShowChevronMenu(const NMREBARCHEVRON& chevron) const;
};
