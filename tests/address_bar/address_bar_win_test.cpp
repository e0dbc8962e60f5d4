// The address bar under Wine, in the frame's top rebar, with the typed-address list kept under a
// registry key of the test's own.
#include "support/app_fixture_win.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "address_bar/address_bar_win.h"
#include "address_ids.h"
#include "resource.h"
#include "support/message_spy_win.h"

using Strings = std::vector<std::string>;

namespace {

// A data object holding one text, as a drag from another program would bring.
class TextData final : public IDataObject {
public:
    explicit TextData(std::string text) : text_(std::move(text)) {}
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (riid != IID_IUnknown && riid != IID_IDataObject) return E_NOINTERFACE;
        *out = static_cast<IDataObject*>(this);
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (format->cfFormat != CF_TEXT || !(format->tymed & TYMED_HGLOBAL)) return DV_E_FORMATETC;
        HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, text_.size() + 1);
        std::memcpy(::GlobalLock(block), text_.c_str(), text_.size() + 1);
        ::GlobalUnlock(block);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = block;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP DUnadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

private:
    std::string text_;
};
}  // namespace

class AddressBar : public AppFixture {
protected:
    void SetUp() override {
        keys_ = browserKeys_;
        WriteSetting("EnableHomePage", "0");
    }

    // The program with its address bar, which reads this test's registry values.
    void StartBar() {
        ASSERT_TRUE(Start());
        bar_ = &frame().addressBar();
    }

    void WriteValue(const std::string& key, const std::string& name, const std::string& text) const {
        HKEY handle = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                                    nullptr),
                  ERROR_SUCCESS);
        ::RegSetValueExA(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>(text.size() + 1));
        ::RegCloseKey(handle);
    }
    Strings ValueNames() const {
        Strings names;
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, keys_.typedUrls.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return names;
        char name[64];
        for (DWORD i = 0;; ++i) {
            DWORD size = sizeof name;
            if (::RegEnumValueA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
            names.push_back(name);
        }
        ::RegCloseKey(key);
        return names;
    }
    std::string ReadValue(const std::string& name) const {
        char text[512] = {};
        DWORD size = sizeof text;
        ::RegGetValueA(HKEY_CURRENT_USER, keys_.typedUrls.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, text, &size);
        return text;
    }

    void TypeAndPressEnter(const std::string& text) {
        ::SetWindowTextA(bar_->edit(), text.c_str());
        ::PostMessageA(bar_->edit(), WM_KEYDOWN, VK_RETURN, 0);
        PumpPending();
    }
    // What the active window's control was last asked to do.
    std::string LastCall() const {
        ScriptedBrowser* page = BrowserOf(ActiveWindow());
        if (!page) return "<no active window>";
        return page->calls.empty() ? "<nothing>" : page->calls.back();
    }
    CChildFrame* Open(const std::string& address) { return frame().OpenWindow(false, &address, true); }

    AddressRegistryKeys keys_;
    CAddressBar* bar_ = nullptr;
};

TEST_F(AddressBar, EnterOpensTheCompletedTextInTheActiveWindowAndListsItOnce) {
    StartBar();
    Open("about:blank");
    TypeAndPressEnter("   abc");
    EXPECT_EQ(LastCall(), "navigate http://abc");
    EXPECT_EQ(Windows().size(), 1u);
    EXPECT_EQ(bar_->Items(), Strings{"http://abc"});

    TypeAndPressEnter("HTTP://ABC/");
    EXPECT_EQ(LastCall(), "navigate HTTP://ABC/");
    TypeAndPressEnter("about:blank");
    EXPECT_EQ(bar_->Items(), (Strings{"about:blank", "http://abc"}));

    TypeAndPressEnter("   ");
    EXPECT_EQ(LastCall(), "navigate about:blank");

    const std::vector<brisova::ShortcutEntry> shortcuts{{"http://shop.example/today", "shop"}};
    bar_->SetShortcuts(&shortcuts);
    TypeAndPressEnter("WWW.Shop/x");
    EXPECT_EQ(LastCall(), "navigate http://shop.example/today");
    EXPECT_EQ(bar_->Items()[0], "http://WWW.Shop/x");
}

TEST_F(AddressBar, WithAddressNewWindowEveryAddressGetsAWindowOfItsOwn) {
    WriteSetting("AddressNewWindow", "1");
    WriteSetting("ActiveNewWindow", "0");
    StartBar();
    TypeAndPressEnter("first.example");
    ASSERT_EQ(Windows().size(), 1u);
    EXPECT_EQ(ActiveWindow(), Windows()[0]) << "the only window comes to the front";
    TypeAndPressEnter("abc");
    ASSERT_EQ(Addresses(), (Strings{"http://first.example", "http://abc"}));
    EXPECT_EQ(ActiveWindow(), Windows()[0]);
    EXPECT_EQ(BrowserOf(Windows()[0])->calls, Strings{"navigate http://first.example"});
}

TEST_F(AddressBar, TheGoButtonGoesLikeEnter) {
    StartBar();
    Open("about:blank");
    ::SetWindowTextA(bar_->edit(), "go.example");
    RECT go{};
    bar_->SendMessage(TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&go));
    LPARAM centre = MAKELPARAM((go.left + go.right) / 2, (go.top + go.bottom) / 2);
    bar_->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, centre);
    bar_->PostMessage(WM_LBUTTONUP, 0, centre);
    PumpUntil([&] { return LastCall() != "navigate about:blank"; });
    EXPECT_EQ(LastCall(), "navigate http://go.example");
}

TEST_F(AddressBar, TheListComesFromTheRegistryAndAtMost24GoBack) {
    for (int n = 1; n <= 30; ++n) WriteValue(keys_.typedUrls, "url" + std::to_string(n), "http://site" + std::to_string(n));
    WriteValue(keys_.typedUrls, "stale", "x");
    StartBar();
    ASSERT_EQ(bar_->Items().size(), 30u);
    EXPECT_EQ(bar_->Items()[0], "http://site1");
    EXPECT_TRUE(bar_->SaveTypedUrls());
    Strings names = ValueNames();
    ASSERT_EQ(names.size(), 24u);
    for (int n = 1; n <= 24; ++n) {
        EXPECT_NE(std::find(names.begin(), names.end(), "url" + std::to_string(n)), names.end()) << n;
        EXPECT_EQ(ReadValue("url" + std::to_string(n)), "http://site" + std::to_string(n));
    }
}

TEST_F(AddressBar, ReadingStopsAtTheFirstGapAndAMissingKeyIsMadeAtSaving) {
    WriteValue(keys_.typedUrls, "url1", "http://one");
    WriteValue(keys_.typedUrls, "url2", "");
    WriteValue(keys_.typedUrls, "url3", "http://three");
    WriteValue(keys_.typedUrls, "url5", "http://five");
    StartBar();
    EXPECT_EQ(bar_->Items(), (Strings{"http://one", "http://three"}));

    ::RegDeleteTreeA(HKEY_CURRENT_USER, keys_.typedUrls.c_str());
    TypeAndPressEnter("new.example");
    EXPECT_TRUE(bar_->SaveTypedUrls());
    EXPECT_EQ(ReadValue("url1"), "http://new.example");
    EXPECT_EQ(ReadValue("url3"), "http://three");
}

TEST_F(AddressBar, ChoosingFromTheListOpensTheItemAsItStands) {
    WriteValue(keys_.typedUrls, "url1", "abc");
    WriteValue(keys_.typedUrls, "url2", "http://www.SHOP/deals");
    StartBar();
    const std::vector<brisova::ShortcutEntry> shortcuts{{"http://shop.example/today", "shop"}};
    bar_->SetShortcuts(&shortcuts);
    Open("about:blank");
    auto choose = [&](int index) {
        ::SendMessageA(bar_->box(), CB_SETCURSEL, index, 0);
        bar_->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ADDRESS_BOX, CBN_SELENDOK), reinterpret_cast<LPARAM>(bar_->box()));
    };
    choose(0);
    EXPECT_EQ(LastCall(), "navigate abc");
    choose(1);
    EXPECT_EQ(LastCall(), "navigate http://shop.example/today");
    EXPECT_EQ(bar_->Items().size(), 2u);
}

TEST_F(AddressBar, TheGoButtonTakesItsRoomUnlessTheBrowserHidesIt) {
    StartBar();
    ASSERT_TRUE(bar_->showsGo());
    int go = bar_->GoButtonWidth();
    ASSERT_GT(go, 0);
    bar_->Layout(600);
    RECT box{};
    ::GetClientRect(bar_->box(), &box);
    EXPECT_EQ(box.right, 600 - go - 2);
    EXPECT_TRUE(::IsWindowVisible(bar_->box()));
}

TEST_F(AddressBar, ShowGoButtonNoGivesTheBoxTheWholeBar) {
    WriteValue(keys_.main, "ShowGoButton", "no");
    StartBar();
    EXPECT_FALSE(bar_->showsGo());
    bar_->Layout(600);
    RECT box{};
    ::GetClientRect(bar_->box(), &box);
    EXPECT_EQ(box.right, 600);
}

TEST_F(AddressBar, DroppedTextLandsInTheFieldUnlessItIsAScript) {
    StartBar();
    bar_->ShowAddress("http://shown.example/");
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
    TextData script(" JavaScript:alert(1)");
    EXPECT_EQ(bar_->dropTarget()->Drop(&script, 0, {}, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(bar_->Text(), "http://shown.example/");

    TextData link("http://dropped.example/\r\nsecond line");
    effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
    EXPECT_EQ(bar_->dropTarget()->Drop(&link, 0, {}, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(bar_->Text(), "http://dropped.example/");
}

namespace {
// Plays the user in the Open File dialog once it is up: checks its list, types, chooses OK.
struct OpenFileUser {
    static inline std::string typed;
    static inline int listed = -1;
    static inline bool done = false;

    static void CALLBACK Act(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND dialog = ::FindWindowA("#32770", "Open File");
        if (!dialog || ::GetWindowThreadProcessId(dialog, nullptr) != ::GetCurrentThreadId()) return;
        ::KillTimer(nullptr, timer);
        HWND box = ::GetDlgItem(dialog, IDC_OPEN_ADDRESS);
        listed = static_cast<int>(::SendMessageA(box, CB_GETCOUNT, 0, 0));
        HWND edit = reinterpret_cast<HWND>(::SendMessageA(box, CBEM_GETEDITCONTROL, 0, 0));
        ::SetWindowTextA(edit, typed.c_str());
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
        done = true;
    }
    static void Expect(const std::string& text) {
        typed = text;
        listed = -1;
        done = false;
        ::SetTimer(nullptr, 0, 20, &Act);
    }
};
}  // namespace

TEST_F(AddressBar, OpenFileOpensTheAddressExactlyAsEntered) {
    WriteValue(keys_.typedUrls, "url1", "http://saved.example/");
    WriteValue(keys_.typedUrls, "url2", "http://older.example/");
    StartBar();
    OpenFileUser::Expect("abc");
    Command(ID_FILE_OPEN);
    ASSERT_TRUE(OpenFileUser::done);
    EXPECT_EQ(OpenFileUser::listed, 2);
    ASSERT_EQ(Addresses(), Strings{"abc"});
    EXPECT_EQ(ActiveWindow(), Windows()[0]);

    OpenFileUser::Expect("c:\\pages\\page.htm");
    Command(ID_FILE_OPEN);
    EXPECT_EQ(LastCall(), "navigate c:\\pages\\page.htm");
    EXPECT_EQ(bar_->Items().size(), 2u) << "the dialog adds nothing to the list";
}

// The keys as a user presses them, arriving at whichever window has the focus: the field keeps
// its editing keys, Ctrl+L, Alt+D and F6 move the focus between page and field, Esc puts the
// address back and then returns to the page, F10 enters the menu bar's keyboard mode.
TEST_F(AddressBar, KeysGoWhereTheFocusIsAndMoveItBetweenPageAndField) {
    StartBar();
    Open("http://a.example/");
    HWND page = ActiveWindow()->view()->ControlWindow();
    ASSERT_TRUE(page);
    ::SetFocus(page);
    const auto press = [&](UINT key, bool ctrl, bool alt = false) {
        PressKey(key, (ctrl ? kCtrl : kNone) | (alt ? kAlt : kNone));
    };

    press('L', true);
    EXPECT_EQ(::GetFocus(), bar_->edit());
    ::SetWindowTextA(bar_->edit(), "typed text");
    BrowserOf(ActiveWindow())->calls.clear();
    for (UINT key : {UINT('A'), UINT(VK_HOME), UINT(VK_END)}) press(key, true);
    press(VK_HOME, false);
    EXPECT_EQ(BrowserOf(ActiveWindow())->calls, Strings{}) << "the page got a key of the field";
    EXPECT_EQ(::GetFocus(), bar_->edit());

    press(VK_ESCAPE, false);
    char text[64] = {};
    ::GetWindowTextA(bar_->edit(), text, sizeof text);
    EXPECT_STREQ(text, "http://a.example/");
    EXPECT_EQ(::GetFocus(), bar_->edit());
    press(VK_ESCAPE, false);
    EXPECT_EQ(::GetFocus(), page);
    EXPECT_EQ(BrowserOf(ActiveWindow())->calls, Strings{}) << "Esc in the field stopped the page";

    press(VK_F6, false);
    EXPECT_EQ(::GetFocus(), bar_->edit());
    DWORD start = 1, end = 0;
    ::SendMessageA(bar_->edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, std::strlen("http://a.example/"));
    press(VK_F6, false);
    EXPECT_EQ(::GetFocus(), page);
    press('D', false, true);
    EXPECT_EQ(::GetFocus(), bar_->edit());

    // With the page focused the frame's keys act again.
    ::SetFocus(page);
    press(VK_HOME, true);
    EXPECT_EQ(BrowserOf(ActiveWindow())->calls, Strings{"home"});
    press(VK_F10, false);
    EXPECT_EQ(frame().menuBar().keys().mode(), brisova::MenuBarMode::Keyboard);
    press(VK_F10, false);
    EXPECT_NE(frame().menuBar().keys().mode(), brisova::MenuBarMode::Keyboard);
}

// Shift+F10 and the context-menu key ask the focused window for its context menu, at the
// keyboard's place (-1, -1), in the field and on the page alike; the menu bar stays out of it.
TEST_F(AddressBar, ShiftF10AndTheContextMenuKeyAskTheFocusedWindowForItsMenu) {
    StartBar();
    Open("http://a.example/");
    HWND page = ActiveWindow()->view()->ControlWindow();
    ASSERT_TRUE(page);
    for (HWND focus : {bar_->edit(), page}) {
        ::SetFocus(focus);
        MessageSpy requests(focus, WM_CONTEXTMENU, MessageSpy::Then::Swallow);
        PressKey(VK_F10, kShift);
        PressKey(VK_APPS);
        EXPECT_EQ(requests.count, 2) << (focus == page ? "page" : "field");
        EXPECT_EQ(requests.lastLParam, MAKELPARAM(-1, -1));
        EXPECT_EQ(::GetFocus(), focus);
        EXPECT_NE(frame().menuBar().keys().mode(), brisova::MenuBarMode::Keyboard);
    }
}
