#include "infolib/library_search.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace brisova {

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

struct ScoredPage {
    const InfoNode* page;
    int score;
};

void CollectPages(const InfoNode& folder, bool wholeTree, std::vector<const InfoNode*>& pages) {
    for (const auto& child : folder.children) {
        if (child->IsPage()) pages.push_back(child.get());
        else if (wholeTree) CollectPages(*child, true, pages);
    }
}

// The page's score, 0 when it does not match.
int ScorePage(const InfoNode& page, const QueryMatcher& query, const TextCopyReader& read) {
    const int nameScore = query.Score(LowerAscii(page.name));
    if (nameScore > 0 && static_cast<std::size_t>(nameScore) == query.wordCount()) return nameScore;
    if (std::optional<std::string> text = read(page)) {
        const int textScore = query.Score(*text);
        return textScore > nameScore ? textScore : 0;
    }
    return nameScore;
}

// Pages are scored a block at a time, so that a search that has its 40,000 results early
// reads little past them.
constexpr std::size_t kBlockPages = 4096;
// Below this many pages, threads cost more than they save.
constexpr std::size_t kPagesPerThread = 64;
// A thread takes this many pages at a time: few enough to keep the threads busy to the end.
constexpr std::size_t kPagesPerTurn = 8;

unsigned SearchThreads() {
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp(cores, 1u, 16u);
}

// Fills scores[i] for pages[first + i], the work shared by `threads` threads that take the
// next few pages in turn.
void ScoreBlock(const std::vector<const InfoNode*>& pages, std::size_t first, std::vector<int>& scores,
                const QueryMatcher& query, const TextCopyReader& read, unsigned threads) {
    std::atomic<std::size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureLock;
    auto work = [&] {
        try {
            for (std::size_t i = next.fetch_add(kPagesPerTurn); i < scores.size(); i = next.fetch_add(kPagesPerTurn))
                for (std::size_t j = i; j < std::min(i + kPagesPerTurn, scores.size()); ++j)
                    scores[j] = ScorePage(*pages[first + j], query, read);
        } catch (...) {
            std::lock_guard<std::mutex> lock(failureLock);
            if (!failure) failure = std::current_exception();
            next = scores.size();
        }
    };
    threads = std::min<unsigned>(threads, static_cast<unsigned>(scores.size() / kPagesPerThread) + 1);
    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < threads; ++t) helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers) helper.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace

std::string LowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    }
    return out;
}

std::string DecodeQuery(std::string_view encoded) {
    std::string out;
    for (std::size_t i = 0; i < encoded.size() && out.size() < kMaxQueryBytes; ++i) {
        char c = encoded[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%' && i + 2 < encoded.size() && HexValue(encoded[i + 1]) >= 0 &&
                   HexValue(encoded[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(encoded[i + 1]) * 16 + HexValue(encoded[i + 2]));
            i += 2;
        } else {
            out += c;
        }
    }
    return LowerAscii(out);
}

std::vector<std::string> SplitQueryWords(std::string_view query) {
    std::vector<std::string> words;
    std::size_t pos = 0;
    while (words.size() < kMaxQueryWords) {
        std::size_t start = query.find_first_not_of(' ', pos);
        if (start == std::string_view::npos) break;
        std::size_t end = query.find(' ', start);
        if (end == std::string_view::npos) end = query.size();
        words.emplace_back(query.substr(start, end - start));
        pos = end;
    }
    return words;
}

QueryMatcher::QueryMatcher(std::vector<std::string> words) : words_(std::move(words)) {
    searchers_.reserve(words_.size());
    for (const std::string& word : words_) searchers_.emplace_back(word.begin(), word.end());
}

int QueryMatcher::Score(std::string_view text) const {
    int score = 0;
    for (std::size_t w = 0; w < words_.size(); ++w) {
        // An empty word is found anywhere, as the text's own find would find it.
        if (words_[w].empty() || std::search(text.begin(), text.end(), searchers_[w]) != text.end()) ++score;
    }
    return score;
}

std::vector<const InfoNode*> SearchPages(const InfoNode& folder, bool wholeTree, const QueryMatcher& query,
                                         const TextCopyReader& readTextCopy) {
    std::vector<const InfoNode*> pages;
    CollectPages(folder, wholeTree, pages);
    // The first 40,000 matches in the order the pages are met, then the best first.
    std::vector<ScoredPage> found;
    const unsigned threads = SearchThreads();
    std::vector<int> scores;
    for (std::size_t first = 0; first < pages.size() && found.size() < kMaxSearchResults; first += kBlockPages) {
        scores.assign(std::min(kBlockPages, pages.size() - first), 0);
        ScoreBlock(pages, first, scores, query, readTextCopy, threads);
        for (std::size_t i = 0; i < scores.size() && found.size() < kMaxSearchResults; ++i)
            if (scores[i] > 0) found.push_back({pages[first + i], scores[i]});
    }
    std::stable_sort(found.begin(), found.end(), [](const ScoredPage& a, const ScoredPage& b) { return a.score > b.score; });
    std::vector<const InfoNode*> ordered;
    ordered.reserve(found.size());
    for (const ScoredPage& p : found) ordered.push_back(p.page);
    return ordered;
}

}  // namespace brisova
