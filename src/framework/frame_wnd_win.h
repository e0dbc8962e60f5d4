// Frame windows: the top-level MDI frame, MDI child frames and the views they hold.
#pragma once

#include "framework/dock_site_win.h"
#include "framework/wnd_win.h"

#include <memory>
#include <vector>

class CView;
class CWinApp;

// Posted to a frame by a bar whose size changed on its own (a rebar's rows): the frame lays its
// bars out again once the bar has finished changing.
inline constexpr UINT WM_RECALC_PARENT_LAYOUT = WM_APP + 1;

class CFrameWnd : public CWnd {
public:
    DECLARE_MESSAGE_MAP()

    // The view commands go to first; none by default.
    virtual CView* GetActiveView() const { return nullptr; }
    // Routes a command or a state request: the active view, this frame, then the application.
    bool OnCmdMsg(UINT id, UINT code, CCmdUI* cmdUI, bool probe) override;
    // An accelerator runs its command only when the command's menu item would be enabled.
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Pane 0 of the frame's status bar, where menu prompts and "Ready" appear.
    virtual void SetMessageText(const std::string& text) {}
    virtual void RecalcLayout() {}

    // Tool bars whose buttons follow the commands' state whenever the program is idle.
    void AddCommandBar(HWND toolBar) { commandBars_.push_back(toolBar); }
    const std::vector<HWND>& commandBars() const { return commandBars_; }
    virtual void OnIdleUpdateCmdUI();

protected:
    // Whether the application object ends the command route (only the top-level frame).
    virtual bool RoutesToApplication() const { return true; }

    void OnMenuSelectMessage(UINT id, UINT flags, HMENU menu);
    LRESULT OnMenuSelect(WPARAM wParam, LPARAM lParam);
    LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM lParam);
    LRESULT OnExitMenuLoop(WPARAM wParam, LPARAM lParam);
    LRESULT OnRecalcParentLayout(WPARAM wParam, LPARAM lParam);
    // Tool tips of tool bar buttons: the part of the command's string after "\n".
    void OnToolTipTextA(NMHDR* header, LRESULT* result);
    void OnToolTipTextW(NMHDR* header, LRESULT* result);

private:
    std::vector<HWND> commandBars_;
};

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd {
public:
    DECLARE_MESSAGE_MAP()

    // Creates the frame window with the icon and accelerators of resource `resourceId`; the
    // frame shows its menu in a bar of its own. With WS_MAXIMIZE in `style` it is created
    // maximised on the primary monitor.
    bool LoadFrame(UINT resourceId, DWORD style, const char* title);

    HWND m_hWndMDIClient = nullptr;
    CMDIChildWnd* MDIGetActive() const;
    CView* GetActiveView() const override;
    bool OnCmdMsg(UINT id, UINT code, CCmdUI* cmdUI, bool probe) override;
    bool PreTranslateMessage(MSG* msg) override;
    LRESULT DefWindowProcChain(UINT message, WPARAM wParam, LPARAM lParam) override;
    void RecalcLayout() override;
    // The dock rows around the MDI client; exists once the window does.
    CDockSite* dockSite() const { return dockSite_.get(); }

protected:
    // Places the frame's bars inside `client` and shrinks it to what is left for the MDI client
    // and the dock rows around it.
    virtual void RepositionBars(RECT& client) {}
    int OnCreate(CREATESTRUCT* cs);
    void OnSize(UINT type, int cx, int cy);
    LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    // The system's colours changed (high contrast on or off): every control inside has heard
    // of it; images drawn against the old colours are made again here.
    virtual void SystemColorsChanged() {}
    LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);

private:
    static RECT MaximizedRect(DWORD style);
    // Removes the bars' pending WM_RECALC_PARENT_LAYOUT requests; a layout ends with it.
    void DropLayoutRequests() const;

    HACCEL accelerators_ = nullptr;
    std::unique_ptr<CDockSite> dockSite_;
    SIZE laidOut_{-1, -1};
};

class CMDIChildWnd : public CFrameWnd {
public:
    DECLARE_MESSAGE_MAP()

    // Creates the window as an MDI child of `frame`; visible only when `style` says so.
    bool Create(const char* className, const char* title, DWORD style, CMDIFrameWnd* frame);
    CMDIFrameWnd* GetMDIFrame() const { return frame_; }
    void MDIActivate() const;

    LRESULT DefWindowProcChain(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

protected:
    bool RoutesToApplication() const override { return false; }

private:
    CMDIFrameWnd* frame_ = nullptr;
    bool created_ = false;
};

class CView : public CWnd {
public:
    DECLARE_MESSAGE_MAP()

    virtual void OnInitialUpdate() {}
    CFrameWnd* GetParentFrame() const;
};
