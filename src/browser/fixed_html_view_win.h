// CFixedHtmlView: a view hosting a browser control as child 100. It converts the control's
// events for the program's view, which overrides the On... operations.
#pragma once

#include <memory>
#include <optional>

#include "browser/browser_control_win.h"
#include "browser/popup_policy.h"
#include "framework/frame_wnd_win.h"
#include "platform/tick_clock.h"

class CFixedHtmlView : public CView, public BrowserEvents {
public:
    CFixedHtmlView();
    ~CFixedHtmlView() override;
    DECLARE_MESSAGE_MAP()

    // The clock that times the user's clicks in every view created afterwards; null gives back
    // the performance counter. Tests install a clock they move by hand.
    static void UseClock(const brisova::TickClock* clock);

    // Creates the view window and its control; false (and no window) when the control fails.
    bool Create(HWND parent, const RECT& rect, UINT id);

    // Navigation operations: each clears the user-action markers and does nothing while closing.
    void Navigate(const std::string& address);
    void GoHome();
    void GoBack(int steps = 1);
    void GoForward(int steps = 1);
    void Stop();
    void Refresh();
    // Reloads only what has expired (after a change of character set or encoding detection).
    void RefreshIfExpired();
    // A command of the control's own set; nothing once the view is closing.
    bool ExecCommand(long command, long option, VARIANT* argument = nullptr);
    // A command of the page's document. A window opened for the command has no document until
    // its first page has loaded: the command then runs when it has.
    void ExecDocumentCommandWhenLoaded(const GUID* group, unsigned long command, unsigned long option);
    // The pages a restored window had behind and ahead of its address (nearest first): they go
    // back into the control's history once its page has loaded.
    void RestoreTravelLogWhenLoaded(std::vector<std::string> back, std::vector<std::string> forward);
    // The window's history to record, nearest first: the control's, or what still waits to go
    // back into it.
    std::vector<std::string> TravelLogAddresses(bool back) const;

    BrowserControl* control() const { return control_.get(); }
    HWND ControlWindow() const { return control_ ? control_->Window() : nullptr; }
    bool canGoBack() const { return canGoBack_; }
    bool canGoForward() const { return canGoForward_; }
    bool closing() const { return closing_; }
    void SetClosing() { closing_ = true; }

    // Operations the program's view overrides.
    virtual void OnNavigateComplete2(const std::string& address) {}
    virtual void OnBeforeNavigate2(const std::string& address, long flags, const std::string* targetFrame,
                                   const std::vector<BYTE>& postData, const std::string& headers, bool& cancel) {
        cancel = false;
    }
    virtual void OnStatusTextChange(const std::string& text) {}
    virtual void OnProgressChange(long progress, long maximum) {}
    virtual void OnCommandStateChange(long command, bool enabled);
    virtual void OnTitleChange(const std::string& text) {}
    virtual void OnNewWindow2(IDispatch** newControl, bool& cancel) { cancel = false; }
    virtual void OnDocumentComplete(const std::string& address) {}
    // The page asks to close a window that its own script did not open; the user decides.
    virtual bool AllowPageToClose() { return true; }

    // BrowserEvents: the conversion layer.
    void BeforeNavigate2(const void* frame, const std::string& address, long flags, const std::string& targetFrame,
                         const std::vector<BYTE>& postData, const std::string& headers, bool& cancel) override;
    void DocumentComplete(const void* frame, const std::string& address) override;
    void StatusTextChange(const std::string& text) override;
    void ProgressChange(long progress, long maximum) override;
    void CommandStateChange(long command, bool enabled) override;
    void TitleChange(const std::string& text) override;
    void NewWindow2(IDispatch** newControl, bool& cancel) override;
    void WindowClosing(bool createdByScript, bool& cancel) override;

    bool PreTranslateMessage(MSG* msg) override;

protected:
    void ClearUserActionMarkers() { markers_.Clear(); }

    // What the user last did in the page, read by the new-window policy; every navigation,
    // the page's or the program's, clears it.
    brisova::UserActionMarkers markers_;
    const brisova::TickClock& clock_;

private:
    int OnCreate(CREATESTRUCT* cs);
    void OnSize(UINT type, int cx, int cy);
    // The page closed its own window: the browser window closes too.
    void ClosedByPage();

    std::unique_ptr<BrowserControl> control_;
    bool closing_ = false;
    bool canGoBack_ = false;
    bool canGoForward_ = false;
    const void* topFrame_ = nullptr;
    bool topFrameKnown_ = false;
    struct DocumentCommand {
        const GUID* group;
        unsigned long command;
        unsigned long option;
    };
    std::optional<DocumentCommand> awaitingDocument_;
    bool loaded_ = false;
    struct TravelLog {
        std::vector<std::string> back;
        std::vector<std::string> forward;
    };
    std::optional<TravelLog> travelLogToRestore_;
    void RestoreTravelLog();
};
