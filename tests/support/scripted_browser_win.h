// A browser control for tests: records what the view asks of it and raises the control's
// events through the same entry points as the real one.
#pragma once

#include <string>
#include <vector>

#include "browser/browser_control_win.h"
#include "framework/wnd_win.h"

class ScriptedBrowser final : public CWnd, public BrowserControl {
public:
    DECLARE_MESSAGE_MAP()

    // When set, Navigate and GoHome raise BeforeNavigate2 and DocumentComplete at once, as a
    // page that loads instantly would.
    static inline bool autoNavigate = true;
    static inline std::string homePage = "http://home.example/";
    // When set, the control has no document before its first page has loaded, as a new
    // control has not: document commands fail until then.
    static inline bool documentAfterLoad = false;
    // Every control created since the last Reset, in creation order.
    static std::vector<ScriptedBrowser*>& Created();
    static void Reset() { Created().clear(); }
    ~ScriptedBrowser() override;

    bool Create(HWND parent, const RECT& rect, UINT id, BrowserEvents* events) override;
    HWND Window() const override { return m_hWnd; }
    void Navigate(const std::string& address) override;
    void GoHome() override;
    void GoBack(int steps) override { calls.push_back("back " + std::to_string(steps)); }
    void GoForward(int steps) override { calls.push_back("forward " + std::to_string(steps)); }
    void Stop() override { calls.push_back("stop"); }
    void Refresh() override { calls.push_back("refresh"); }
    // A stand-in for the control's top-level object, counted so tests see who holds it.
    IDispatch* Application() override;
    IDispatch* Document() override { return nullptr; }
    bool TranslateAccelerator(MSG*) override { return false; }
    std::vector<std::string> TravelLogTitles(bool back) override { return back ? backTitles : forwardTitles; }
    std::vector<std::string> backTitles;
    std::vector<std::string> forwardTitles;
    // The history's addresses, nearest first; a restore puts its lists here and records
    // "travel log <back addresses> | <forward addresses>".
    std::vector<std::string> TravelLogAddresses(bool back) override { return back ? backAddresses : forwardAddresses; }
    bool RestoreTravelLog(const std::vector<std::string>& back, const std::vector<std::string>& forward) override;
    std::vector<std::string> backAddresses;
    std::vector<std::string> forwardAddresses;
    // Recorded as "exec <command> <option>" with " <value>" for an integer argument.
    bool ExecCommand(long command, long option, VARIANT* argument) override;
    // Recorded as "document <group> <command> <option>", the group "standard" or "browser".
    bool ExecDocumentCommand(const GUID* group, unsigned long command, unsigned long option) override;
    bool SetCharset(const std::string& charset) override {
        calls.push_back("charset " + charset);
        return true;
    }
    void RefreshAtLevel(long level) override { calls.push_back("refresh " + std::to_string(level)); }
    // Writes `documentText` to the file, as the control would write the page it holds.
    bool SaveDocument(const std::string& path) override;
    static inline std::string documentText = "<html>\n<body>page</body>\n</html>";

    // Events as the control raises them; the page itself is frame TopFrame().
    void RaiseNavigation(const std::string& address, const void* frame);
    bool RaiseBeforeNavigate(const std::string& address, const void* frame, const std::vector<BYTE>& postData = {});
    // A page asks for a new window; returns the cancel flag. `newControl` gets what the view
    // handed back (a reference the caller releases), or null.
    bool RaiseNewWindow(IDispatch** newControl);
    void RaiseDocumentComplete(const std::string& address, const void* frame);
    void RaiseTitle(const std::string& title) { events_->TitleChange(title); }
    void RaiseStatus(const std::string& text) { events_->StatusTextChange(text); }
    void RaiseProgress(long progress, long maximum) { events_->ProgressChange(progress, maximum); }
    void RaiseCommandState(long command, bool enabled) { events_->CommandStateChange(command, enabled); }
    // The page's script closes its window; returns the cancel flag.
    bool RaiseWindowClosing(bool createdByScript) {
        bool cancel = false;
        events_->WindowClosing(createdByScript, cancel);
        return cancel;
    }
    static const void* TopFrame();
    static const void* ChildFrame();

    // The object Application() hands out.
    IDispatch* application() { return &application_; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    std::vector<std::string> calls;
    // Mouse messages that reached the page, as "<message> x,y keys": e.g. "rdown 10,20 2".
    std::vector<std::string> mouse;

private:
    class TopLevelObject final : public IDispatch {
    public:
        STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
        STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
        STDMETHODIMP_(ULONG) Release() override { return --refs; }
        STDMETHODIMP GetTypeInfoCount(UINT* count) override;
        STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
        STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
        STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
            return E_NOTIMPL;
        }
        ULONG refs = 0;
    };

    BrowserEvents* events_ = nullptr;
    TopLevelObject application_;
    bool loaded_ = false;
};

BrowserControlFactory ScriptedBrowserFactory();
