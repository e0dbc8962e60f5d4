#include "infolib/library_search.h"

#include <algorithm>
#include <functional>

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

class Collector {
public:
    Collector(const QueryMatcher& query, const TextCopyReader& read) : query_(query), read_(read) {}

    bool full() const { return found_.size() >= kMaxSearchResults; }

    void Visit(const InfoNode& folder, bool wholeTree) {
        for (const auto& child : folder.children) {
            if (full()) return;
            if (child->IsPage()) {
                Consider(*child);
            } else if (wholeTree) {
                Visit(*child, true);
            }
        }
    }

    std::vector<const InfoNode*> Ordered() {
        std::stable_sort(found_.begin(), found_.end(),
                         [](const ScoredPage& a, const ScoredPage& b) { return a.score > b.score; });
        std::vector<const InfoNode*> pages;
        pages.reserve(found_.size());
        for (const ScoredPage& p : found_) pages.push_back(p.page);
        return pages;
    }

private:
    void Consider(const InfoNode& page) {
        int nameScore = query_.Score(LowerAscii(page.name));
        if (nameScore > 0 && static_cast<std::size_t>(nameScore) == query_.wordCount()) {
            found_.push_back({&page, nameScore});
            return;
        }
        if (std::optional<std::string> text = read_(page)) {
            int textScore = query_.Score(*text);
            if (textScore > nameScore) found_.push_back({&page, textScore});
        } else if (nameScore > 0) {
            found_.push_back({&page, nameScore});
        }
    }

    const QueryMatcher& query_;
    const TextCopyReader& read_;
    std::vector<ScoredPage> found_;
};

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

QueryMatcher::QueryMatcher(std::vector<std::string> words) : words_(std::move(words)) {}

int QueryMatcher::Score(std::string_view text) const {
    int score = 0;
    for (const std::string& word : words_) {
        if (text.find(word) != std::string_view::npos) ++score;
    }
    return score;
}

std::vector<const InfoNode*> SearchPages(const InfoNode& folder, bool wholeTree, const QueryMatcher& query,
                                         const TextCopyReader& readTextCopy) {
    Collector collector(query, readTextCopy);
    collector.Visit(folder, wholeTree);
    return collector.Ordered();
}

}  // namespace brisova
