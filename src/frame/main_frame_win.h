// CMainFrame: the program's single top-level window. An MDI frame whose documents are the
// browser windows; it owns the bars, the settings mirror and the open-window operation. The
// features it holds see it only as a BrowserFrame.
#pragma once

#include <memory>
#include <optional>

#include "address_bar/address_bar_win.h"
#include "browser/browser_frame_win.h"
#include "browser/browser_host_win.h"
#include "commands/full_screen_win.h"
#include "commands/mail_commands_win.h"
#include "commands/page_commands_win.h"
#include "commands/popup_commands_win.h"
#include "commands/tool_commands_win.h"
#include "commands/view_commands_win.h"
#include "content/content_commands_win.h"
#include "controls/chevron_rebar_win.h"
#include "controls/icon_menu_win.h"
#include "controls/menu_anchor.h"
#include "controls/menu_bar_win.h"
#include "controls/status_bar_win.h"
#include "controls/taskbar_progress_win.h"
#include "favorites/favorites_menu_win.h"
#include "frame/command_state.h"
#include "framework/frame_wnd_win.h"
#include "history/history_commands_win.h"
#include "infolib/library_commands_win.h"
#include "online/online_services_win.h"
#include "options/options_commands_win.h"
#include "platform/handles_win.h"
#include "platform/profile.h"
#include "platform/prompter.h"
#include "platform/ui_fonts_win.h"
#include "shared/settings.h"
#include "shell/default_browser_commands_win.h"
#include "tab_bar/closed_window_commands_win.h"
#include "tab_bar/tab_bar_win.h"
#include "toolbar/navigation_bar_win.h"
#include "toolbar/toolbar_commands_win.h"
#include "toolbar/toolbar_win.h"

class CChildFrame;
class CBrisovaView;

class CMainFrame final : public CMDIFrameWnd, public BrowserWindowHost, public BrowserFrame {
public:
    CMainFrame(brisova::Profile& profile, brisova::Prompter& prompter, std::string programDirectory,
               AddressRegistryKeys browserKeys = {}, FavoritesSetup favorites = {});
    ~CMainFrame() override;
    DECLARE_MESSAGE_MAP()

    // BrowserFrame
    CChildFrame* ActiveWindow() const override;
    CBrisovaView* ActiveBrowserView() const override;
    void OpenAddress(brisova::AddressSource source, const std::string& address) override;
    const brisova::Settings& settings() const override { return settings_; }
    HWND OwnerWindow() const override { return m_hWnd; }
    CDockSite* dockSite() const override { return CMDIFrameWnd::dockSite(); }
    HMENU menu() const override { return menuBar_.menu(); }

    // The one way changed settings reach their users: the mirror, the library, the tab bar and
    // every open view (from the last tab to the first).
    void ApplySettings(const brisova::Settings& settings);
    const std::string& programDirectory() const { return programDirectory_; }

    // What shows the active page's progress on the taskbar button; tests give their own.
    void SetTaskbarProgress(std::unique_ptr<TaskbarProgress> taskbar) { taskbar_ = std::move(taskbar); }
    CTabBar& tabBar() { return tabBar_; }
    CLibraryCommands* library() const { return library_.get(); }
    CContentCommands* content() const { return content_.get(); }
    CHistoryCommands& history() { return history_; }
    // The system's history was cleared: an open history tree reads it again.
    void HistoryCleared() { history_.OnHistoryCleared(); }
    CStatusBarWithProgress& statusBar() { return statusBar_; }
    CMenuBar& menuBar() { return menuBar_; }
    CAddressBar& addressBar() { return addressBar_; }
    CNavigationBar& navigationBar() { return navigationBar_; }
    CFullScreen& fullScreen() { return fullScreen_; }
    CMailCommands& mail() { return mailCommands_; }
    CBrisovaToolBar& toolBar() { return toolBar_; }
    CFavoritesMenu& favorites() { return favorites_; }
    CChevBar& topRebar() { return topRebar_; }
    CClosedWindowCommands& closedWindows() { return closedWindows_; }
    HWND bottomRebar() const { return bottomRebar_; }
    // The text the address field shows.
    std::string addressText() const { return addressBar_.Text(); }

    // BrowserWindowHost
    void ShowAddress(const std::string& address) override;
    void SetMessageText(const std::string& text) override;
    void ShowProgress(int percent) override;
    void SetStatusIcon(bool secure) override;
    void SetTabText(CChildFrame* window, const std::string* text) override;
    void SelectTabOf(CChildFrame* window) override;
    void RemoveTabOf(CChildFrame* window) override;
    void SaveWindowRecord() override;
    void PageLoaded() override { history_.OnPageLoaded(); }
    // BrowserWindowHost and BrowserFrame
    CChildFrame* OpenWindow(bool openHomePage, const std::string* address, bool activate) override;
    bool AllowPageToClose(CChildFrame* window) override;
    bool MenuBarTakesKeys() const override { return menuBar_.keys().mode() == brisova::MenuBarMode::Keyboard; }
    void HandleLibraryAddress(CChildFrame* window, const std::string& address) override;

    // A part of the program that answers some of the frame's commands and their state; asked
    // after the active window and before the frame's own table.
    void AddCommandTarget(CCmdTarget* target) { commandTargets_.push_back(target); }
    bool OnCmdMsg(UINT id, UINT code, CCmdUI* cmdUI, bool probe) override;

    // Opens one window for each line of data\startup, in file order.
    void OpenStartupPages();
    // The start has opened its first pages (and read the record of the last run): handed-off
    // addresses that waited open now. Until then, and while a menu, a dialog or a message box
    // runs its loop, they wait, so that no window opens under it or before the restore.
    void FirstPagesOpened();
    void FitTabBand();

    bool PreTranslateMessage(MSG* msg) override;

    // Takes on what the first look at the frame does not need: OLE, the address box's drops and
    // completion, then the online workers. Runs once: soon after the program first waits for
    // input (once scheduled), on the first input, or when called.
    void ScheduleStartupCompletion();
    void CompleteStartup();
    bool startupComplete() const { return startupComplete_; }

    // No layout while the parts are made again for a new DPI; the one after them places all.
    void RecalcLayout() override;

protected:
    void RepositionBars(RECT& client) override;
    void SystemColorsChanged() override;

private:
    int OnCreate(CREATESTRUCT* cs);
    void OnTimer(UINT_PTR id);
    void EnsureOle();
    void OnClose();
    void OnDestroy();
    LRESULT OnQueryEndSession(WPARAM wParam, LPARAM lParam);
    LRESULT OnEndSession(WPARAM wParam, LPARAM lParam);
    LRESULT OnActivate(WPARAM wParam, LPARAM lParam);
    LRESULT OnHandOff(WPARAM wParam, LPARAM lParam);
    LRESULT OnEnterMenuLoop(WPARAM wParam, LPARAM lParam);
    LRESULT OnExitMenuLoop(WPARAM wParam, LPARAM lParam);
    LRESULT OnEnable(WPARAM wParam, LPARAM lParam);
    LRESULT OnOpenWaitingHandOffs(WPARAM wParam, LPARAM lParam);
    void OpenWaitingHandOffs();
    LRESULT OnLibraryRequest(WPARAM wParam, LPARAM lParam);
    LRESULT OnOpenHistoryEntry(WPARAM wParam, LPARAM lParam) { return history_.OnOpenEntry(wParam, lParam); }
    LRESULT OnInitMenuPopupTrimmed(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseWheel(WPARAM wParam, LPARAM lParam);
    LRESULT OnMeasureItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnMenuChar(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    // Every bar, image list and font, made again for `dpi`.
    void RescaleParts(int dpi);
    void OnTabSelectionChanged(NMHDR* header, LRESULT* result);
    // Brings the window of tab `index` to the front, its tab selected and its page focused.
    void ActivateTab(int index);
    void OnTabRightClick(NMHDR* header, LRESULT* result);
    void OnToolBarDropDown(NMHDR* header, LRESULT* result);
    void OnMenuButton(UINT id);
    // The pop-up a drop-down button shows: one of the main menu's, by the button's command.
    HMENU ButtonMenu(UINT command) const;
    void ShowButtonMenu(UINT command, const brisova::MenuAnchor& at);
    // Back or forward through the active view's history, chosen from a list of its pages.
    void ShowTravelMenu(bool back, const brisova::MenuAnchor& at);
    // Where the pop-up of the button of `bar` at `buttonOnScreen` opens; `bar` may be null.
    brisova::MenuAnchor AnchorFor(HWND bar, const RECT& buttonOnScreen) const;

    void OnFileNewBlank();
    void OnFileNewHome();
    void OnFileNewCurrent();
    void OnFileClose();
    void OnNewButton();
    void OnGoStartPage();
    void OnGoBack();
    void OnGoForward();
    void OnViewStop();
    void OnViewRefresh();
    void OnAppExit();
    void OnUpdateCommand(CCmdUI* ui);

    bool CreateTopBars();
    bool CreateBottomBar();
    void LoadSettings();
    // Writes the settings and the History bar's place, as every exit does.
    void SaveSettings();
    void OnViewToolBar();
    void OnViewAddressBar();
    void SetTabBandHeight() const;
    // The menu band takes the menu bar's size after its font changed; the labels take `labelFont`.
    void FitMenuBand(HFONT labelFont) const;
    void OnViewStatusBar();
    void OnViewTaskBar();
    brisova::CommandContext CommandContextNow(UINT id) const;
    void FocusActiveControl() const;
    static bool FocusIsEdit();

    brisova::Profile& profile_;
    brisova::Prompter& prompter_;
    std::string programDirectory_;
    brisova::Settings settings_;
    CBrisovaToolBar toolBar_;
    CToolbarCommands toolbarCommands_{toolBar_, profile_, settings_};
    std::optional<OleScope> ole_;
    static constexpr UINT_PTR kCompleteStartupTimer = 1;
    bool startupScheduled_ = false;
    bool startupComplete_ = false;
    CMenuBar menuBar_;
    CNavigationBar navigationBar_;
    CChevBar topRebar_;
    // Measures and draws the owner-drawn items of every menu the frame owns.
    CIconMenu iconMenu_;
    CAddressBar addressBar_;
    CStatusBarWithProgress statusBar_{100};
    HWND bottomRebar_ = nullptr;
    // Set once the frame closes: windows going away then change no tabs and no record.
    bool shuttingDown_ = false;
    std::vector<std::string> waitingHandOffs_;
    bool firstPagesOpen_ = false;
    bool inMenuLoop_ = false;
    CTabBar tabBar_;
    std::unique_ptr<TaskbarProgress> taskbar_ = std::make_unique<SystemTaskbarProgress>();
    ScopedIcon secureIcon_;
    // The fonts the bars take after a DPI change; until one, they have the system's own.
    ScopedFont guiFont_;
    ScopedFont messageFont_;
    bool rescaling_ = false;
    std::vector<CCmdTarget*> commandTargets_;
    std::unique_ptr<CLibraryCommands> library_;
    std::unique_ptr<CContentCommands> content_;
    COnlineServices online_;
    CPopupCommands popupCommands_{tabBar_, settings_.enableAutoFilter};
    COptionsCommands optionsCommands_;
    CDefaultBrowserCommands defaultBrowser_;
    CPageCommands pageCommands_{*this};
    CViewCommands viewCommands_{*this, tabBar_, addressBar_.keys(), programDirectory_};
    CToolCommands toolCommands_{*this, addressBar_, [this] { history_.OnHistoryCleared(); }, programDirectory_};
    CMailCommands mailCommands_{*this, prompter_};
    CFullScreen fullScreen_{*this, settings_};
    CHistoryCommands history_{*this, prompter_};
    CClosedWindowCommands closedWindows_{*this, tabBar_, programDirectory_};
    // The Daru&Redava shortcuts typed addresses may stand for; filled from the content files.
    std::vector<brisova::ShortcutEntry> shortcuts_;
    CFavoritesMenu favorites_;
};
