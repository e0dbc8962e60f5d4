#include "infolib/pseudo_address.h"

#include "infolib/html_fragments.h"

#include <climits>

namespace brisova {

namespace {

// The text from the start up to the first stop character, or all of it.
std::string_view UpTo(std::string_view text, char stop) { return text.substr(0, text.find(stop)); }

}  // namespace

std::optional<std::int32_t> ParseLibraryNumber(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > INT32_MAX) return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ParseShowFolderArgument(std::string_view argument) {
    return ParseLibraryNumber(UpTo(argument, '.'));
}

std::optional<SearchArgument> ParseSearchArgument(std::string_view argument) {
    constexpr std::string_view kWords = "?NeiRong=";
    constexpr std::string_view kNode = "&Node=";
    std::size_t words = argument.find(kWords);
    if (words == std::string_view::npos) return std::nullopt;
    words += kWords.size();
    std::size_t node = argument.find(kNode, words);
    if (node == std::string_view::npos) return std::nullopt;
    std::optional<std::int32_t> folderId = ParseLibraryNumber(UpTo(argument.substr(node + kNode.size()), '&'));
    if (!folderId) return std::nullopt;
    return SearchArgument{*folderId, std::string(argument.substr(words, node - words))};
}

std::optional<DeleteArgument> ParseDeleteArgument(std::string_view argument) {
    std::size_t underscore = argument.find('_');
    if (underscore == std::string_view::npos) return std::nullopt;
    std::optional<std::int32_t> pageId = ParseLibraryNumber(argument.substr(0, underscore));
    std::optional<std::int32_t> pageNumber = ParseLibraryNumber(UpTo(argument.substr(underscore + 1), '.'));
    if (!pageId || !pageNumber) return std::nullopt;
    return DeleteArgument{*pageId, *pageNumber};
}

PseudoAddressCheck CheckPseudoAddress(std::string_view address) {
    PseudoAddressCheck check;
    if (address.starts_with(kShowFolderPrefix)) {
        check.handled = true;
        if (auto id = ParseShowFolderArgument(address.substr(kShowFolderPrefix.size()))) {
            check.request = LibraryRequestType::ShowFolder;
            check.folderId = *id;
        }
    } else if (address.starts_with(kSearchPrefix)) {
        check.handled = true;
        std::string_view argument = address.substr(kSearchPrefix.size());
        if (ParseSearchArgument(argument)) {
            check.request = LibraryRequestType::Search;
            check.argument = std::string(argument);
        }
    } else if (address.starts_with(kDeletePrefix)) {
        check.handled = true;
        std::string_view argument = address.substr(kDeletePrefix.size());
        if (ParseDeleteArgument(argument)) {
            check.request = LibraryRequestType::DeletePage;
            check.argument = std::string(argument);
            check.askFirst = true;
        }
    }
    return check;
}

std::optional<std::string> CutPageRow(std::string_view page, std::int32_t id) {
    const std::string begin = RowBeginMarker(id);
    const std::string end = RowEndMarker(id);
    std::size_t from = page.find(begin);
    if (from == std::string_view::npos) return std::nullopt;
    std::size_t to = page.find(end, from + begin.size());
    if (to == std::string_view::npos) return std::nullopt;
    std::string cut(page.substr(0, from));
    cut.append(page.substr(to + end.size()));
    return cut;
}

}  // namespace brisova
