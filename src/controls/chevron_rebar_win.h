// CChevBar: the frame's top rebar. Bands too narrow for their tool bar show a chevron whose
// menu offers the buttons that do not fit.
#pragma once

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
    // The room a band takes besides its child: its label and borders.
    int BandBorderWidth(UINT bandId) const;
    RECT BandRect(UINT bandId) const;

    bool OnReflectedNotify(NMHDR* header, LRESULT* result) override;

private:
    void ShowChevronMenu(const NMREBARCHEVRON& chevron) const;
};
