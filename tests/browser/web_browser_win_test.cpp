// The system's browser control hosted by CWebBrowser2 and its site, as far as Wine has one.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "browser/control_site_win.h"
#include "browser/web_browser_win.h"
#include "platform/handles_win.h"

namespace {
class RecordingEvents final : public BrowserEvents {
public:
    void BeforeNavigate2(const void* frame, const std::string& address, long, const std::string&,
                         const std::vector<BYTE>&, const std::string&, bool& cancel) override {
        navigations.push_back(address);
        frames.push_back(frame);
        cancel = cancelNext;
    }
    void DocumentComplete(const void*, const std::string& address) override { completed.push_back(address); }
    void StatusTextChange(const std::string&) override {}
    void ProgressChange(long, long) override {}
    void CommandStateChange(long, bool) override {}
    void TitleChange(const std::string&) override {}
    void NewWindow2(IDispatch**, bool&) override {}
    void WindowClosing(bool, bool&) override {}

    bool cancelNext = false;
    std::vector<std::string> navigations;
    std::vector<const void*> frames;
    std::vector<std::string> completed;
};

bool PumpUntil(const std::function<bool()>& done) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    MSG msg;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

class HostedControl : public ::testing::Test {
protected:
    void SetUp() override {
        host_ = ::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                                  nullptr, nullptr, nullptr);
        ASSERT_NE(host_, nullptr);
    }
    void TearDown() override {
        browser_.reset();
        ::DestroyWindow(host_);
    }
    OleScope ole_;
    HWND host_ = nullptr;
    std::unique_ptr<CWebBrowser2> browser_ = std::make_unique<CWebBrowser2>();
    RecordingEvents events_;
};
}  // namespace

TEST_F(HostedControl, IsChildHundredNamedBrowserAndReportsNavigations) {
    ASSERT_TRUE(browser_->Create(host_, RECT{-2, -2, 402, 302}, 100, &events_));
    EXPECT_EQ(::GetDlgCtrlID(browser_->Window()), 100);
    EXPECT_EQ(browser_->GetWindowText(), "Browser");
    events_.cancelNext = true;
    browser_->Navigate("http://hosted.example/page");
    ASSERT_TRUE(PumpUntil([&] { return !events_.navigations.empty(); }));
    EXPECT_EQ(events_.navigations[0], "http://hosted.example/page");
    EXPECT_NE(events_.frames[0], nullptr);
}

TEST(ControlSite, ScriptErrorsKeepRunningWithoutADialog) {
    auto* site = new CCustomControlSite(nullptr);
    VARIANT out;
    ::VariantInit(&out);
    EXPECT_EQ(site->Exec(&kDocHostCommandHandler, 40, 0, nullptr, &out), S_OK);
    EXPECT_EQ(out.vt, VT_BOOL);
    EXPECT_EQ(out.boolVal, VARIANT_TRUE);
    EXPECT_EQ(site->Exec(&kDocHostCommandHandler, 41, 0, nullptr, &out), OLECMDERR_E_UNKNOWNGROUP);
    EXPECT_EQ(out.boolVal, VARIANT_FALSE);
    EXPECT_EQ(site->Exec(&kDocHostCommandHandler, 7, 0, nullptr, &out), OLECMDERR_E_UNKNOWNGROUP);
    EXPECT_EQ(site->Exec(nullptr, 40, 0, nullptr, &out), OLECMDERR_E_UNKNOWNGROUP);
    EXPECT_EQ(site->Exec(&IID_IUnknown, 40, 0, nullptr, &out), OLECMDERR_E_UNKNOWNGROUP);
    EXPECT_EQ(site->QueryStatus(&kDocHostCommandHandler, 0, nullptr, nullptr), OLECMDERR_E_UNKNOWNGROUP);
    site->Release();
}

// The control asks its host how pages are drawn: at the display's scale, the rest as without a
// host handler of its own.
TEST(ControlSite, TellsTheControlToDrawPagesAtTheDisplaysScale) {
    auto* site = new CCustomControlSite(nullptr);
    ComPtr<IDocHostUIHandler> handler;
    ASSERT_EQ(site->QueryInterface(IID_IDocHostUIHandler, handler.ReceiveVoid()), S_OK);
    DOCHOSTUIINFO info{};
    info.cbSize = sizeof info;
    info.dwFlags = DOCHOSTUIFLAG_NO3DBORDER;
    EXPECT_EQ(handler->GetHostInfo(&info), S_OK);
    EXPECT_EQ(info.dwFlags, static_cast<DWORD>(DOCHOSTUIFLAG_DPI_AWARE));
    EXPECT_EQ(handler->ShowContextMenu(0, nullptr, nullptr, nullptr), S_FALSE);
    EXPECT_EQ(handler->TranslateAccelerator(nullptr, nullptr, 0), S_FALSE);
    DOCHOSTUIINFO tooSmall{};
    tooSmall.cbSize = 4;
    EXPECT_EQ(handler->GetHostInfo(&tooSmall), E_INVALIDARG);
    handler = ComPtr<IDocHostUIHandler>();
    site->Release();
}
