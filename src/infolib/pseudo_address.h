// The addresses the library's generated pages use for their actions. No server answers them:
// the browser view cancels the navigation and posts a request to the main frame instead.
//   "http://$I" folder-id ".html"                         show a folder's index
//   "http://$S" ... "?NeiRong=" words "&Node=" folder-id ...  search a folder
//   "http://$D" page-id "_" page-number ".html"            delete a saved page
// The prefixes compare case-sensitively; numbers are plain decimal digits, nothing else.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brisova {

inline constexpr std::string_view kShowFolderPrefix = "http://$I";
inline constexpr std::string_view kSearchPrefix = "http://$S";
inline constexpr std::string_view kDeletePrefix = "http://$D";

// The main frame's message for library requests: wParam the request type, lParam its argument.
inline constexpr unsigned kLibraryRequestMessage = 0x402;
enum class LibraryRequestType : int { ShowFolder = 0, Search = 1, DeletePage = 2 };

inline constexpr std::string_view kDeleteQuestion = "Are you sure you want to delete the information?";
inline constexpr std::string_view kDeleteCaption = "Delete Information";

// One or more decimal digits and nothing else, within 0..INT32_MAX.
std::optional<std::int32_t> ParseLibraryNumber(std::string_view text);

struct SearchArgument {
    std::int32_t folderId = 0;
    std::string encodedWords;
};
struct DeleteArgument {
    std::int32_t pageId = 0;
    int pageNumber = 0;
};

// Each takes the address after its nine-character prefix.
std::optional<std::int32_t> ParseShowFolderArgument(std::string_view argument);
std::optional<SearchArgument> ParseSearchArgument(std::string_view argument);
std::optional<DeleteArgument> ParseDeleteArgument(std::string_view argument);

// What the browser view does with an address it is about to navigate to.
struct PseudoAddressCheck {
    // A pseudo-address: the navigation is cancelled, whether or not a request follows.
    bool handled = false;
    // The request to post; a malformed pseudo-address posts none.
    std::optional<LibraryRequestType> request;
    std::int32_t folderId = 0;  // ShowFolder
    std::string argument;       // Search and DeletePage: the address after its prefix
    // DeletePage: ask kDeleteQuestion first and post only on Yes.
    bool askFirst = false;
};
PseudoAddressCheck CheckPseudoAddress(std::string_view address);

// The generated page without the row of that saved page (both markers and all between them);
// nothing when the page does not hold both markers in order.
std::optional<std::string> CutPageRow(std::string_view page, std::int32_t id);

}  // namespace brisova
