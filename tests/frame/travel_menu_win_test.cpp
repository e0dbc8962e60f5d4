// The Back list stays safe when the page closes its window while the list is open, even when
// a new window takes the memory the closed one had.
#include "support/app_fixture_win.h"

#include "resource.h"

namespace {
CChildFrame* g_closing = nullptr;
CChildFrame* g_opened = nullptr;

// From inside the list's modal loop: the page closes its window, another page opens one, then
// the user picks an entry.
void CALLBACK CloseWindowThenChoose(HWND frame, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(frame, id);
    g_closing->view()->SetClosing();
    g_closing->SendMessage(WM_CLOSE);
    const std::string popup = "http://popup.example/";
    auto* host = dynamic_cast<CMainFrame*>(CWnd::FromHandlePermanent(frame));
    g_opened = host->OpenWindow(false, &popup, true);
    for (WPARAM key : {VK_DOWN, VK_RETURN}) ::PostMessageA(frame, WM_KEYDOWN, key, 0);
}
}  // namespace

TEST_F(AppFixture, BackListChosenAfterItsWindowClosedGoesNowhere) {
    WriteSetting("EnableHomePage", "0");
    ASSERT_TRUE(Start());
    const std::string other = "http://other.example/", page = "http://page.example/";
    frame().OpenWindow(false, &other, true);
    g_closing = frame().OpenWindow(false, &page, true);
    ScriptedBrowser* remaining = BrowserOf(Windows()[0]);
    BrowserOf(g_closing)->backTitles = {"Earlier"};
    remaining->backTitles = {"Before other"};
    const std::size_t callsBefore = remaining->calls.size();

    ::SetTimer(frame().m_hWnd, 78, 200, &CloseWindowThenChoose);
    NMTOOLBARA info{};
    info.hdr = {frame().m_hWnd, ID_BAR_TOOLBARS, static_cast<UINT>(TBN_DROPDOWN)};
    info.iItem = ID_GO_BACK;
    frame().SendMessage(WM_NOTIFY, ID_BAR_TOOLBARS, reinterpret_cast<LPARAM>(&info));
    PumpPending();
    ASSERT_EQ(Addresses(), (std::vector<std::string>{other, "http://popup.example/"}));
    EXPECT_EQ(remaining->calls.size(), callsBefore);
    for (const std::string& call : BrowserOf(g_opened)->calls) EXPECT_EQ(call.rfind("back", 0), std::string::npos);
}
