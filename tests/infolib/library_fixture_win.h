// The library's Wine tests: the program running in the test process with a library under its
// data directory, the frame's library object created by the test, and the modal dialogs
// answered from inside their own message loops.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/tree_items_win.h"
#include "infolib/info_library_store.h"
#include "infolib/library_commands_win.h"
#include "infolib/library_paths.h"
#include "support/app_fixture_win.h"

// Acts on the dialogs a command opens while that command waits in the dialog's modal loop: a
// thread timer looks for the next expected dialog among this thread's windows and acts on it
// once it is enabled, that is once no dialog of its own is open above it. A dialog that never
// comes, or one left open after the last step, is ended after a few seconds and reported, so a
// broken script fails instead of hanging.
class DialogScript {
public:
    using Action = std::function<void(HWND dialog)>;

    DialogScript() : lastProgress_(Clock::now()) {
        Current() = this;
        timer_ = ::SetTimer(nullptr, 0, 10, &DialogScript::Tick);
    }
    ~DialogScript() {
        ::KillTimer(nullptr, timer_);
        Current() = nullptr;
    }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    DialogScript& Then(std::string caption, Action action) {
        steps_.push_back({std::move(caption), std::move(action)});
        return *this;
    }
    // Every step ran and nothing had to be ended by force.
    bool completed() const { return steps_.empty() && failure_.empty(); }
    const std::string& failure() const { return failure_; }

    // Posts a click of a dialog button, as the user's would arrive; a disabled button cannot
    // be clicked.
    static void Click(HWND dialog, int id) {
        HWND button = ::GetDlgItem(dialog, id);
        if (!button || !::IsWindowEnabled(button)) {
            ADD_FAILURE() << "button " << id << " cannot be clicked";
            return;
        }
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    }
    static bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)); }
    static std::string ItemText(HWND dialog, int id) {
        char text[512] = {};
        ::GetDlgItemTextA(dialog, id, text, sizeof text);
        return text;
    }

    // The tree control's items depth first, each indented by one blank per level.
    static std::vector<std::string> TreeItems(HWND tree) {
        std::vector<std::string> items;
        AddTreeItems(tree, RelatedTreeItem(tree, TVGN_ROOT, nullptr), 0, items);
        return items;
    }
    static std::string SelectedTreeItem(HWND tree) {
        HTREEITEM item = RelatedTreeItem(tree, TVGN_CARET, nullptr);
        return item ? TreeItemText(tree, item) : "<none>";
    }
    static bool SelectTreeItem(HWND tree, const std::string& text) {
        HTREEITEM item = FindTreeItem(tree, RelatedTreeItem(tree, TVGN_ROOT, nullptr), text);
        return item && ::SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    }

private:
    using Clock = std::chrono::steady_clock;
    static constexpr auto kPatience = std::chrono::seconds(5);
    struct Expected {
        std::string caption;
        Action action;
    };

    static DialogScript*& Current() {
        static DialogScript* current = nullptr;
        return current;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (DialogScript* script = Current()) script->Advance();
    }

    static std::vector<HWND> Dialogs() {
        std::vector<HWND> dialogs;
        ::EnumThreadWindows(
            ::GetCurrentThreadId(),
            [](HWND hwnd, LPARAM found) -> BOOL {
                char cls[16] = {};
                ::GetClassNameA(hwnd, cls, sizeof cls);
                auto* dialogs = reinterpret_cast<std::vector<HWND>*>(found);
                if (std::string(cls) == "#32770") dialogs->push_back(hwnd);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&dialogs));
        return dialogs;
    }
    static HWND FindDialog(const std::string& caption) {
        for (HWND dialog : Dialogs()) {
            char text[256] = {};
            ::GetWindowTextA(dialog, text, sizeof text);
            if (caption == text && ::IsWindowEnabled(dialog)) return dialog;
        }
        return nullptr;
    }

    void Advance() {
        if (busy_) return;
        if (!steps_.empty()) {
            if (HWND dialog = FindDialog(steps_.front().caption)) {
                Action action = std::move(steps_.front().action);
                steps_.pop_front();
                busy_ = true;
                action(dialog);
                busy_ = false;
                lastProgress_ = Clock::now();
                return;
            }
        } else if (Dialogs().empty()) {
            lastProgress_ = Clock::now();
            return;
        }
        if (Clock::now() - lastProgress_ < kPatience) return;
        failure_ = steps_.empty() ? "a dialog was left open" : "no dialog \"" + steps_.front().caption + "\"";
        steps_.clear();
        for (HWND dialog : Dialogs()) ::EndDialog(dialog, IDCANCEL);
    }

    static void AddTreeItems(HWND tree, HTREEITEM item, int depth, std::vector<std::string>& items) {
        for (; item; item = RelatedTreeItem(tree, TVGN_NEXT, item)) {
            items.push_back(std::string(static_cast<std::size_t>(depth), ' ') + TreeItemText(tree, item));
            AddTreeItems(tree, RelatedTreeItem(tree, TVGN_CHILD, item), depth + 1, items);
        }
    }
    static HTREEITEM FindTreeItem(HWND tree, HTREEITEM item, const std::string& text) {
        for (; item; item = RelatedTreeItem(tree, TVGN_NEXT, item)) {
            if (TreeItemText(tree, item) == text) return item;
            if (HTREEITEM found = FindTreeItem(tree, RelatedTreeItem(tree, TVGN_CHILD, item), text)) return found;
        }
        return nullptr;
    }

    UINT_PTR timer_ = 0;
    std::deque<Expected> steps_;
    std::string failure_;
    Clock::time_point lastProgress_;
    bool busy_ = false;
};

// Writes a page the way the document would: one file named after the title.
class FakePageSaver final : public PageSaver {
public:
    bool Save(CBrisovaView& view, const std::string& directory) override {
        titles.push_back(view.title());
        if (!writes) return false;
        std::string file = brisova::JoinPath(directory, SavedPageFileNameFor(view.title()));
        std::ofstream(file, std::ios::binary) << html;
        return true;
    }
    std::string html = "<HTML><BODY>Hello WORLD</BODY></HTML>";
    bool writes = true;
    std::vector<std::string> titles;
};

class LibraryFixture : public AppFixture {
protected:
    ~LibraryFixture() override {
        // The frame goes first, while the object it routes commands to is still there.
        if (app_ && app_->mainFrame() && app_->mainFrame()->m_hWnd) app_->mainFrame()->DestroyWindow();
    }

    std::string Root() const { return directory_ + "data\\MyInfoLib"; }
    std::string ReadLibraryFile(const std::string& relative) const {
        return ReadProgramFile("data\\MyInfoLib\\" + relative);
    }
    bool LibraryPathExists(const std::string& relative) const {
        return ::GetFileAttributesA((Root() + "\\" + relative).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    std::string PageAddress(int page) const {
        return "file://" + Root() + "\\webtmp\\" + std::to_string(page) + ".html";
    }

    // The program with its library; the template is a plain page with the five markers.
    void StartLibrary() {
        ::CreateDirectoryA(Root().c_str(), nullptr);
        WriteProgramFile("data\\MyInfoLib\\frame",
                         "<html><body><p>***INDEX***</p><table>***LEFT***</table>"
                         "<form action=\"http://$S/\"><input name=NeiRong>"
                         "<input type=hidden name=Node value=\"***SEARCHNO***\"></form>"
                         "<table>***BODY***</table><p>***PAGENO***</p></body></html>");
        WriteSetting("EnableHomePage", "0");
        ASSERT_TRUE(Start());
        auto saver = std::make_unique<FakePageSaver>();
        saver_ = saver.get();
        commands_ = frame().library();
        ASSERT_NE(commands_, nullptr);
        commands_->SetPageSaver(std::move(saver));
    }

    // Builds a library on disk before the program starts (a new page goes first in its folder):
    //   My Information (0): Alpha (2, "ALPHA APPLES"), Bravo (1), Travel (3)
    //   Travel (3): Paris (4), Europe (5)
    //   Europe (5): Rome (6, "Apples in Rome")
    void MakeLibrary() const {
        ::CreateDirectoryA(Root().c_str(), nullptr);
        brisova::DiskLibraryFiles files;
        brisova::InfoLibraryStore store(files, Root());
        store.Load();
        brisova::InfoNode* root = store.root();
        AddPage(store, root, "Bravo", "bravo text");
        AddPage(store, root, "Alpha", "ALPHA APPLES");
        brisova::InfoNode* travel = store.AddNode(root, "Travel", {}, brisova::NodeType::Folder);
        AddPage(store, travel, "Paris", "paris");
        brisova::InfoNode* europe = store.AddNode(travel, "Europe", {}, brisova::NodeType::Folder);
        AddPage(store, europe, "Rome", "Apples in Rome");
    }

    // Hands the frame's library requests to the library object, as the frame's message table
    // does; true when there was one.
    bool DeliverLibraryRequests() {
        bool delivered = false;
        MSG msg;
        while (::PeekMessageA(&msg, frame().m_hWnd, WM_LIBRARY_REQUEST, WM_LIBRARY_REQUEST, PM_REMOVE)) {
            commands_->OnLibraryRequest(msg.wParam, msg.lParam);
            delivered = true;
        }
        PumpPending();
        return delivered;
    }

    // The tree file as a fresh library object reads it.
    std::unique_ptr<brisova::InfoLibraryStore> StoredLibrary() {
        auto store = std::make_unique<brisova::InfoLibraryStore>(files_, Root());
        store->Load();
        return store;
    }

    CLibraryCommands* commands_ = nullptr;
    FakePageSaver* saver_ = nullptr;

private:
    static void AddPage(brisova::InfoLibraryStore& store, brisova::InfoNode* folder, const std::string& name,
                        const std::string& text) {
        std::optional<std::string> directory = store.BeginPageSave();
        ASSERT_TRUE(directory);
        std::ofstream(brisova::JoinPath(*directory, name + ".htm"), std::ios::binary) << text;
        ASSERT_TRUE(store.FinishPageSave(folder, name));
    }

    brisova::DiskLibraryFiles files_;
};
