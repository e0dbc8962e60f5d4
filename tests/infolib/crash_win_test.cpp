// The library killed at random moments while it saves and deletes pages: afterwards its tree file
// always loads whole, and every page it lists is there with all of its text. The test program
// runs itself as the child that saves, and kills it 50 times.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <random>
#include <string>

#include "infolib/complete_page.h"
#include "infolib/info_library_store.h"
#include "infolib/library_files.h"
#include "infolib/library_paths.h"
#include "infolib/tree_file.h"
#include "online/temp_dir.h"
#include "platform/disk_file.h"
#include "platform/handles_win.h"

namespace {

constexpr const char* kRootVariable = "BRISOVA_CRASH_LIBRARY";

class NothingFetched final : public brisova::ResourceFetcher {
public:
    std::optional<std::string> Fetch(const std::string&) override { return std::nullopt; }
};

std::string PageHtml(int number) {
    return "<html><body>" + std::string(2000 + number * 37 % 5000, static_cast<char>('a' + number % 26)) +
           "</body></html>";
}

std::string PageAddress(int number) { return "http://crash.example/" + std::to_string(number); }

// The body of each saved page names its number, so a page read back can be checked whole.
std::string ExpectedPageFile(const std::string& name) {
    int number = std::atoi(name.c_str() + 5);  // "Page N"
    return brisova::WithSavedFromMark(PageHtml(number), PageAddress(number));
}

void CheckEveryListedPage(const std::string& root, const brisova::NodeList& nodes, int round) {
    brisova::DiskLibraryFiles disk;
    const brisova::LibraryFiles& files = disk;
    for (const auto& node : nodes) {
        if (node->IsPage()) {
            std::string path = brisova::PageFilePath(root, node->id, node->fileName);
            EXPECT_EQ(files.Read(path), ExpectedPageFile(node->name)) << "round " << round << ": " << path;
        }
        CheckEveryListedPage(root, node->children, round);
    }
}

}  // namespace

// Run only as the child of the test below: saves pages and deletes every third one until killed.
TEST(DISABLED_LibraryCrashChild, SavesAndDeletesPagesUntilKilled) {
    const char* root = std::getenv(kRootVariable);
    ASSERT_NE(root, nullptr);
    brisova::DiskLibraryFiles files;
    NothingFetched nothing;
    for (int number = 0;; ++number) {
        brisova::InfoLibraryStore store(files, root);
        store.Load();
        std::optional<std::string> directory = store.BeginPageSave();
        ASSERT_TRUE(directory);
        brisova::SaveCompletePage(files, nothing, PageHtml(number), PageAddress(number), *directory,
                                  "Page " + std::to_string(number) + ".htm");
        store.FinishPageSave(store.root(), "Page " + std::to_string(number));
        if (number % 3 == 2) store.DeletePage(store.nextId() - 2);
        store.Save();
    }
}

TEST(LibraryCrash, KilledAtRandomMomentsEveryFileLoadsWhole) {
    TempDir dir;
    std::string root = brisova::Utf8FromPath(dir.path()) + "\\MyInfoLib";
    ::CreateDirectoryA(root.c_str(), nullptr);
    ::SetEnvironmentVariableA(kRootVariable, root.c_str());
    char self[MAX_PATH * 4] = {};
    ::GetModuleFileNameA(nullptr, self, sizeof self);
    std::string commandLine = std::string("\"") + self +
                              "\" --gtest_also_run_disabled_tests --gtest_filter=DISABLED_LibraryCrashChild.*";
    std::mt19937 random(8122026);
    int listedPages = 0;
    for (int round = 0; round < 50; ++round) {
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        // Without a console of its own: a console host started for a child that is then killed
        // outlives it and keeps the test run's output open.
        ASSERT_TRUE(::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                                     nullptr, &si, &pi));
        ScopedHandle process(pi.hProcess);
        ScopedHandle thread(pi.hThread);
        ::Sleep(std::uniform_int_distribution<DWORD>(100, 700)(random));
        ::TerminateProcess(process.get(), 1);
        ::WaitForSingleObject(process.get(), 10000);

        brisova::DiskLibraryFiles disk;
        std::optional<std::string> bytes = static_cast<const brisova::LibraryFiles&>(disk).Read(brisova::TreeFilePath(root));
        if (!bytes) continue;  // killed before its first save
        brisova::TreeFileContent tree = brisova::ParseTreeFile(*bytes);
        ASSERT_TRUE(tree.sound) << "round " << round;
        CheckEveryListedPage(root, tree.topLevel, round);
        listedPages = static_cast<int>(tree.topLevel.empty() ? 0 : tree.topLevel.front()->children.size());
    }
    ::SetEnvironmentVariableA(kRootVariable, nullptr);
    EXPECT_GT(listedPages, 0) << "the child never got as far as saving a page";
}
