// Runs a fuzz target without libFuzzer: every file of the corpus directories first, then random
// mutations of them until the time is up. Takes libFuzzer's "-max_total_time=N" and
// "-seed=N"; a sanitizer report ends the program with the input that caused it written to
// "crash-input" in the working directory.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace {

using Input = std::vector<std::uint8_t>;

const Input* g_running = nullptr;

// Bytes that separate, quote, escape or end things in the formats under test.
constexpr std::uint8_t kMeaningful[] = {0,   '\n', '\r', '\\', '/', '.', ':', '%', '&', '=', '?', '#', '<', '>',
                                        '"', '\'', ' ', '-', '1', '9', 'A', 'Z', 'a', 'z', 0xFF, 0x80, 0xC3};

void WriteRunningInput() {
    if (!g_running) return;
    std::ofstream("crash-input", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(g_running->data()), static_cast<std::streamsize>(g_running->size()));
}

void Run(const Input& input) {
    g_running = &input;
    LLVMFuzzerTestOneInput(input.data(), input.size());
    g_running = nullptr;
}

Input Mutated(const std::vector<Input>& corpus, std::mt19937_64& random) {
    Input input = corpus.empty() ? Input{} : corpus[random() % corpus.size()];
    const int steps = 1 + static_cast<int>(random() % 8);
    for (int step = 0; step < steps; ++step) {
        std::size_t at = input.empty() ? 0 : random() % (input.size() + 1);
        switch (random() % 6) {
        case 0:  // a random byte replaced
            if (!input.empty()) input[random() % input.size()] = static_cast<std::uint8_t>(random());
            break;
        case 1:  // a byte that matters to parsers inserted
            input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), kMeaningful[random() % sizeof kMeaningful]);
            break;
        case 2:  // a run deleted
            if (!input.empty()) {
                std::size_t from = random() % input.size();
                std::size_t count = 1 + random() % std::min<std::size_t>(16, input.size() - from);
                input.erase(input.begin() + static_cast<std::ptrdiff_t>(from),
                            input.begin() + static_cast<std::ptrdiff_t>(from + count));
            }
            break;
        case 3:  // a run repeated
            if (!input.empty()) {
                std::size_t from = random() % input.size();
                std::size_t count = 1 + random() % std::min<std::size_t>(64, input.size() - from);
                Input run(input.begin() + static_cast<std::ptrdiff_t>(from),
                          input.begin() + static_cast<std::ptrdiff_t>(from + count));
                for (int times = 1 + static_cast<int>(random() % 4); times > 0; --times)
                    input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), run.begin(), run.end());
            }
            break;
        case 4:  // spliced with another corpus entry
            if (!corpus.empty()) {
                const Input& other = corpus[random() % corpus.size()];
                std::size_t from = other.empty() ? 0 : random() % other.size();
                input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), other.begin() + static_cast<std::ptrdiff_t>(from), other.end());
            }
            break;
        default:  // cut short
            input.resize(at);
            break;
        }
        if (input.size() > 64 * 1024) input.resize(64 * 1024);
    }
    return input;
}

}  // namespace

int main(int argc, char** argv) {
    double seconds = 5;
    std::uint64_t seed = std::random_device{}();
    std::vector<Input> corpus;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument.rfind("-max_total_time=", 0) == 0) {
            seconds = std::atof(argument.c_str() + 16);
        } else if (argument.rfind("-seed=", 0) == 0) {
            seed = std::strtoull(argument.c_str() + 6, nullptr, 10);
        } else if (std::filesystem::is_directory(argument)) {
            for (const auto& entry : std::filesystem::directory_iterator(argument)) {
                std::ifstream in(entry.path(), std::ios::binary);
                corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            }
        }
    }
    if (__sanitizer_set_death_callback) __sanitizer_set_death_callback(&WriteRunningInput);
    std::printf("seed %llu, %zu corpus inputs, %.0f s\n", static_cast<unsigned long long>(seed), corpus.size(), seconds);
    for (const Input& input : corpus) Run(input);

    std::mt19937_64 random(seed);
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    std::uint64_t runs = 0;
    while (std::chrono::steady_clock::now() < end) {
        for (int i = 0; i < 100; ++i, ++runs) Run(Mutated(corpus, random));
    }
    std::printf("%llu inputs, no failure\n", static_cast<unsigned long long>(runs));
    return 0;
}
