// The word search over saved pages: query decoding, word scores and the ordered result list.
#pragma once

#include "infolib/info_node.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisova {

inline constexpr std::size_t kMaxSearchResults = 40000;
inline constexpr std::size_t kMaxQueryBytes = 499;
inline constexpr std::size_t kMaxQueryWords = 99;

// "A" to "Z" lowered, every other byte kept: the same lowering the text copies have.
std::string LowerAscii(std::string_view text);

// Form encoding undone: "+" is a space, "%" and two hex digits a byte, a stray "%" stays.
// Lowered, and cut at kMaxQueryBytes.
std::string DecodeQuery(std::string_view encoded);

// The words of a decoded query: runs of bytes other than space, at most kMaxQueryWords.
std::vector<std::string> SplitQueryWords(std::string_view query);

class QueryMatcher {
public:
    explicit QueryMatcher(std::vector<std::string> words);
    // The searchers point into the words.
    QueryMatcher(const QueryMatcher&) = delete;
    QueryMatcher& operator=(const QueryMatcher&) = delete;

    std::size_t wordCount() const { return words_.size(); }
    // How many of the words occur in the text; a word counts once however often it occurs.
    // Safe to call from several threads at once.
    int Score(std::string_view text) const;

private:
    using Searcher = std::boyer_moore_horspool_searcher<std::string::const_iterator>;
    std::vector<std::string> words_;
    std::vector<Searcher> searchers_;
};

// The text copy of a saved page, or nothing when it cannot be read. The search calls it from
// several threads at once.
using TextCopyReader = std::function<std::optional<std::string>(const InfoNode& page)>;

// The pages of the folder that match, best score first and, among equal scores, in the order
// they were met. Sub-folders are searched only when wholeTree is set. A page whose name holds
// every word needs no text copy; otherwise its text copy must score higher than its name, or,
// without a readable text copy, its name must hold at least one word. The pages are scored on
// every core the machine has; the result is the same as one thread's.
std::vector<const InfoNode*> SearchPages(const InfoNode& folder, bool wholeTree, const QueryMatcher& query,
                                         const TextCopyReader& readTextCopy);

}  // namespace brisova
