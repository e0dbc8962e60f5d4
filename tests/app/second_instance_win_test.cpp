// A second start of the real program hands its address to the instance running in this test.
#include "support/app_fixture_win.h"

#include <windows.h>
#include <cstring>

#include "platform/handles_win.h"
#include "shared/startup_rules.h"

namespace {
std::string ProgramBesideTests() {
    char path[MAX_PATH] = {};
    DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string self(path, n);
    return self.substr(0, self.find_last_of('\\') + 1) + "Brisova.exe";
}
}  // namespace

class SecondInstance : public AppFixture {
protected:
    // Runs Brisova.exe with one argument while this instance keeps serving messages; returns
    // the second process's exit code, or -1 when it did not end in time.
    int RunSecondStart(const std::string& argument) {
        std::string commandLine = "\"" + ProgramBesideTests() + "\"";
        if (!argument.empty()) commandLine += " \"" + argument + "\"";
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            return -2;
        ScopedHandle process(pi.hProcess);
        ScopedHandle thread(pi.hThread);
        bool ended = PumpUntil([&] { return ::WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0; },
                               std::chrono::seconds(30));
        DWORD code = 0;
        ::GetExitCodeProcess(process.get(), &code);
        PumpPending();
        return ended ? static_cast<int>(code) : -1;
    }

    void SetUp() override {
        WriteSetting("EnableHomePage", "0");
        ASSERT_TRUE(Start());
        ASSERT_TRUE(Windows().empty());
    }
};

TEST_F(SecondInstance, AddressOpensInANewActiveWindowOfTheFirst) {
    const std::string first = "http://first.example/";
    frame().OpenWindow(false, &first, true);
    EXPECT_EQ(RunSecondStart("http://handed.example/page?q=1"), 0);
    ASSERT_EQ(Windows().size(), 2u);
    EXPECT_EQ(Addresses()[1], "http://handed.example/page?q=1");
    EXPECT_EQ(ActiveWindow(), Windows()[1]);
}

TEST_F(SecondInstance, ShortcutFileInCapitalsHandsItsAddress) {
    WriteProgramFile("Link.URL", "[InternetShortcut]\r\nURL=http://shortcut.example/\r\n");
    EXPECT_EQ(RunSecondStart(directory_ + "Link.URL"), 0);
    EXPECT_EQ(Addresses(), std::vector<std::string>{"http://shortcut.example/"});
}

TEST_F(SecondInstance, NoArgumentOpensNothing) {
    EXPECT_EQ(RunSecondStart(""), 0);
    EXPECT_TRUE(Windows().empty());
}

TEST_F(SecondInstance, AddressTooLongForTheBlockIsNotHandedOverCut) {
    EXPECT_EQ(RunSecondStart("http://long.example/" + std::string(2600, 'a')), 0);
    EXPECT_TRUE(Windows().empty());
}

// A hand-off that arrives while a menu runs its loop waits until the loop has ended: no window
// opens under the menu.
TEST_F(SecondInstance, AnAddressHandedOverDuringAMenuOpensWhenTheMenuCloses) {
    ScopedHandle mapping(::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                              brisova::kHandOffBlockSize, "BRISOVASHARE"));
    ASSERT_TRUE(mapping);
    ScopedMappedView view(::MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
    std::string block = *brisova::HandOffBlock("http://handed.example/", 43);
    std::memcpy(view.get(), block.data(), block.size());

    // The timer runs inside the menu's loop, as a second start's message would arrive.
    static CMainFrame* target = nullptr;
    static bool ranInsideTheMenu = false;
    static bool openedInsideTheMenu = false;
    target = &frame();
    ranInsideTheMenu = openedInsideTheMenu = false;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        ranInsideTheMenu = true;
        target->SendMessage(WM_HAND_OFF, 43, 0);
        openedInsideTheMenu = target->MDIGetActive() != nullptr;
        ::EndMenu();
    });
    ASSERT_NE(timer, 0u);
    ScopedMenu menu(::CreatePopupMenu());
    ::AppendMenuA(menu.get(), MF_STRING, 1, "Item");
    ::SetForegroundWindow(frame().m_hWnd);
    ::TrackPopupMenu(menu.get(), TPM_RETURNCMD, 10, 10, 0, frame().m_hWnd, nullptr);
    // Whatever happened in the menu, its timer fires no more once this test has ended.
    ::KillTimer(nullptr, timer);
    ASSERT_TRUE(ranInsideTheMenu);
    EXPECT_FALSE(openedInsideTheMenu);
    PumpUntil([&] { return !Windows().empty(); });
    EXPECT_EQ(Addresses(), std::vector<std::string>{"http://handed.example/"});
}

TEST_F(SecondInstance, AMessageWhoseSenderGaveUpOpensNothing) {
    // The sender is gone: its block went with it, and the message finds a fresh empty one.
    frame().SendMessage(WM_HAND_OFF, 41, 0);
    EXPECT_TRUE(Windows().empty());

    // Another sender's block is in place: only its own message opens it, and only once.
    ScopedHandle mapping(::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                              brisova::kHandOffBlockSize, "BRISOVASHARE"));
    ASSERT_TRUE(mapping);
    ScopedMappedView view(::MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
    std::string block = *brisova::HandOffBlock("http://second.example/", 42);
    std::memcpy(view.get(), block.data(), block.size());
    frame().SendMessage(WM_HAND_OFF, 41, 0);
    EXPECT_TRUE(Windows().empty());
    frame().SendMessage(WM_HAND_OFF, 42, 0);
    EXPECT_EQ(Addresses(), std::vector<std::string>{"http://second.example/"});
    frame().SendMessage(WM_HAND_OFF, 42, 0);
    EXPECT_EQ(Windows().size(), 1u);
}
