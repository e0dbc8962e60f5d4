// CWebBrowser2: the system's WebBrowser control hosted in a window of our own, without ATL.
// The window (id 100, text "Browser") is the control's container; the control fills it.
#pragma once

#include <exdisp.h>

#include "browser/browser_control_win.h"
#include "browser/control_site_win.h"
#include "framework/wnd_win.h"

class CWebBrowser2 final : public CWnd, public BrowserControl {
public:
    CWebBrowser2() = default;
    ~CWebBrowser2() override;
    DECLARE_MESSAGE_MAP()

    bool Create(HWND parent, const RECT& rect, UINT id, BrowserEvents* events) override;
    HWND Window() const override { return m_hWnd; }
    void Navigate(const std::string& address) override;
    void GoHome() override;
    void GoBack(int steps) override;
    void GoForward(int steps) override;
    void Stop() override;
    void Refresh() override;
    IDispatch* Application() override;
    IDispatch* Document() override;
    bool TranslateAccelerator(MSG* msg) override;
    std::vector<std::string> TravelLogTitles(bool back) override;
    std::vector<std::string> TravelLogAddresses(bool back) override;
    bool RestoreTravelLog(const std::vector<std::string>& back, const std::vector<std::string>& forward) override;
    bool ExecCommand(long command, long option, VARIANT* argument) override;
    bool ExecDocumentCommand(const GUID* group, unsigned long command, unsigned long option) override;
    bool SetCharset(const std::string& charset) override;
    void RefreshAtLevel(long level) override;
    bool SaveDocument(const std::string& path) override;

private:
    class EventSink;

    bool Embed();
    void Release();
    void GoInHistory(int delta);
    void OnSize(UINT type, int cx, int cy);
    void OnDestroy();

    BrowserEvents* events_ = nullptr;
    CCustomControlSite* site_ = nullptr;
    EventSink* sink_ = nullptr;
    DWORD adviseCookie_ = 0;
    ComPtr<IOleObject> object_;
    ComPtr<IWebBrowser2> browser_;
};

std::unique_ptr<BrowserControl> CreateWebBrowser2();
