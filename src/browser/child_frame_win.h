// CChildFrame: a browser window, the MDI child that holds exactly one CBrisovaView.
#pragma once

#include <memory>

#include "browser/brisova_view_win.h"
#include "framework/frame_wnd_win.h"

class BrowserWindowHost;

class CChildFrame final : public CMDIChildWnd {
public:
    DECLARE_MESSAGE_MAP()

    // Creates the window and its view in `frame`; visible only when it is to be activated.
    bool Create(CMDIFrameWnd* frame, BrowserWindowHost* host, bool visible);

    CBrisovaView* view() const { return view_.get(); }
    CView* GetActiveView() const override { return view_.get(); }
    bool active() const { return active_; }
    BrowserWindowHost* Host() const { return host_; }

    // The page's text for its tab and caption: the title, or the address when it has none.
    std::string DisplayTitle() const;

private:
    int OnCreate(CREATESTRUCT* cs);
    void OnClose();
    void OnSize(UINT type, int cx, int cy);
    LRESULT OnMDIActivate(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);

    std::unique_ptr<CBrisovaView> view_;
    BrowserWindowHost* host_ = nullptr;
    bool active_ = false;
};
