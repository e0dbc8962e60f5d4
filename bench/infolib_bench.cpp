// The library at full size: 40,000 saved pages in 200 folders, one of them holding 1,000 pages,
// each page with a 10 KB text copy. The library is generated once into BRISOVA_BENCH_LIBRARY
// (default: a directory under the system's temporary directory) and reused by later runs.
//
// bench/library/run compares the search with grep and ripgrep over the same text copies; it
// uses two modes of this program instead of the benchmarks:
//   infolib_bench --library      generates the library when missing, then prints its directory
//                                and the two words searched, one a line
//   infolib_bench --search-once  prints the milliseconds of one two-word search from the root
#include "infolib/index_pages.h"
#include "infolib/info_library_store.h"
#include "infolib/library_paths.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string_view>

using namespace brisova;

namespace {

constexpr int kFolders = 200;
constexpr int kPages = 40000;
constexpr int kBigFolderPages = 1000;
constexpr std::size_t kTextBytes = 10 * 1024;
// One page in 100 holds the first word, one in 50 the second.
constexpr std::string_view kRareWord = "quartzmoth";
constexpr std::string_view kCommonWord = "lanternvane";

std::string LibraryDirectory() {
    if (const char* dir = std::getenv("BRISOVA_BENCH_LIBRARY")) return dir;
    return (std::filesystem::temp_directory_path() / "brisova-infolib-bench").string();
}

std::vector<std::string> Vocabulary(std::mt19937& random) {
    std::vector<std::string> words;
    std::uniform_int_distribution<int> length(2, 10);
    std::uniform_int_distribution<int> letter('a', 'z');
    for (int i = 0; i < 5000; ++i) {
        std::string w;
        for (int n = length(random); n > 0; --n) w += static_cast<char>(letter(random));
        words.push_back(w);
    }
    return words;
}

std::string PageText(std::mt19937& random, const std::vector<std::string>& vocabulary, int page) {
    std::string text = "<html><head><title>page " + std::to_string(page) + "</title></head><body>\n";
    std::uniform_int_distribution<std::size_t> pick(0, vocabulary.size() - 1);
    while (text.size() < kTextBytes - 32) {
        text += vocabulary[pick(random)];
        text += text.size() % 80 < 8 ? '\n' : ' ';
    }
    if (page % 100 == 7) (text += ' ') += kRareWord;
    if (page % 50 == 3) (text += ' ') += kCommonWord;
    text += "\n</body></html>\n";
    return text;
}

void Generate(const std::string& root) {
    std::cerr << "generating the library in " << root << " ...\n";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    std::ofstream(JoinPath(root, "frame"), std::ios::binary)
        << "<html><body>***INDEX***<table>***LEFT***</table><form action=\"http://$S/\">"
           "<input name=NeiRong><input type=hidden name=Node value=\"***SEARCHNO***\"></form>"
           "<table>***BODY***</table>***PAGENO***</body></html>";
    DiskLibraryFiles files;
    InfoLibraryStore store(files, root);
    store.Load();
    std::mt19937 random(7);
    std::vector<std::string> vocabulary = Vocabulary(random);
    std::vector<InfoNode*> folders;
    for (int f = 0; f < kFolders; ++f) {
        folders.push_back(store.AddNode(store.root(), "Folder " + std::to_string(f), "", NodeType::Folder));
    }
    for (int page = 0; page < kPages; ++page) {
        int spread = (page - kBigFolderPages) % (kFolders - 1);
        InfoNode* folder = page < kBigFolderPages ? folders[0] : folders[1 + spread];
        InfoNode* node = store.AddNode(folder, "Saved page number " + std::to_string(page), "page.htm",
                                       NodeType::Page);
        std::string directory = PageDirectory(root, node->id);
        std::filesystem::create_directories(directory);
        std::ofstream(TextCopyPath(JoinPath(directory, "page.htm")), std::ios::binary)
            << PageText(random, vocabulary, page);
    }
    store.Save();
}

const std::string& BenchLibrary() {
    static const std::string root = [] {
        std::string dir = LibraryDirectory();
        if (!std::filesystem::exists(JoinPath(dir, "MyInfoLib"))) Generate(dir);
        return dir;
    }();
    return root;
}

struct Library {
    Library() : store(files, BenchLibrary()), writer(store) { store.Load(); }
    DiskLibraryFiles files;
    InfoLibraryStore store;
    IndexPageWriter writer;
};

std::int32_t BigFolderId(const InfoLibraryStore& store) { return store.root()->children.front()->id; }

void ShowRootFolder(benchmark::State& state) {
    Library lib;
    for (auto _ : state) benchmark::DoNotOptimize(lib.writer.ShowFolder(0));
}
BENCHMARK(ShowRootFolder)->Unit(benchmark::kMillisecond);

void ShowThousandPageFolder(benchmark::State& state) {
    Library lib;
    std::int32_t id = BigFolderId(lib.store);
    for (auto _ : state) benchmark::DoNotOptimize(lib.writer.ShowFolder(id));
}
BENCHMARK(ShowThousandPageFolder)->Unit(benchmark::kMillisecond);

const std::string kTwoWordQuery = std::string(kRareWord) + "+" + std::string(kCommonWord);

void SearchTwoWordsFromTheRoot(benchmark::State& state) {
    Library lib;
    lib.writer.ShowFolder(0);
    for (auto _ : state) benchmark::DoNotOptimize(lib.writer.Search(0, kTwoWordQuery));
}
BENCHMARK(SearchTwoWordsFromTheRoot)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void LoadTree(benchmark::State& state) {
    Library lib;
    for (auto _ : state) benchmark::DoNotOptimize(lib.store.Load());
}
BENCHMARK(LoadTree)->Unit(benchmark::kMillisecond);

void SaveTree(benchmark::State& state) {
    Library lib;
    for (auto _ : state) {
        lib.store.MarkDirty();
        benchmark::DoNotOptimize(lib.store.Save());
    }
}
BENCHMARK(SaveTree)->Unit(benchmark::kMillisecond);

int PrintLibrary() {
    std::cout << BenchLibrary() << '\n' << kRareWord << '\n' << kCommonWord << '\n';
    return 0;
}

int PrintOneSearch() {
    Library lib;
    lib.writer.ShowFolder(0);
    auto start = std::chrono::steady_clock::now();
    bool searched = lib.writer.Search(0, kTwoWordQuery);
    std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    if (!searched) return 1;
    std::cout << took.count() << '\n';
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string_view mode = argc == 2 ? argv[1] : "";
    if (mode == "--library") return PrintLibrary();
    if (mode == "--search-once") return PrintOneSearch();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
