// The text rules of the address bar: turning what the user typed into an address, the shop and
// travel shortcut expansion, the typed-address list and its "TypedUrls" values, and the drop
// check. Where the address opens is PlaceOpenedAddress with AddressSource::AddressBar.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shared/shortcuts.h"

namespace brisova {

struct CompletionKeys {
    bool ctrl = false;
    bool shift = false;
};

// The completed text before shortcut expansion: leading blanks dropped; Ctrl wraps it in
// "http://www.%s.com", else Shift in "http://www.%s.net"; a text whose first ':' comes after
// position 1 has every '\' turned into '/'; a text without ':' gets "http://" in front.
// Nothing, when the field holds only blanks.
std::optional<std::string> CompleteTypedText(std::string_view fieldText, CompletionKeys keys);

struct EnteredAddress {
    std::string listText;  // the completed text, the form the typed-address list keeps
    std::string target;    // what opens: the completed text after shortcut expansion
};

// Enter or Go in the address box. Nothing, when the field holds only blanks.
std::optional<EnteredAddress> EnterAddress(std::string_view fieldText, CompletionKeys keys,
                                           std::span<const ShortcutEntry> shortcuts);

// Index of the first item equal to the text regardless of case, or -1.
int FindTypedItem(const std::vector<std::string>& items, std::string_view text);

// The item to insert at the top of the list after entering an address, or nothing when the
// list already holds it, also with its trailing '/' added or taken away. The text is stored as
// entered: toggling the slash would turn a document's address into a different one.
std::optional<std::string> TypedListAddition(const std::vector<std::string>& items, std::string_view listText);

inline constexpr std::size_t kMaxSavedTypedUrls = 24;

// "url1", "url2", ...
std::string TypedUrlValueName(std::size_t number);

// Reads one named string value of the "TypedUrls" key; nothing when the value is missing.
using TypedUrlReader = std::function<std::optional<std::string>(const std::string& valueName)>;

// Reads url1, url2, ... until the first missing value; empty values are skipped. Values are
// taken whole, however long: a long one must not end the list and lose every older address.
std::vector<std::string> LoadTypedUrls(const TypedUrlReader& readValue);

struct NamedText {
    std::string name;
    std::string text;

    friend bool operator==(const NamedText&, const NamedText&) = default;
};

// The values written at exit into the emptied "TypedUrls" key: the first 24 items, newest first,
// without the empty ones, numbered from url1 without gaps. Texts are written whole.
std::vector<NamedText> TypedUrlsToSave(const std::vector<std::string>& items);

// The "ShowGoButton" value of the system browser: only the exact text "no" hides the Go button;
// a missing value shows it.
bool ShowsGoButton(std::optional<std::string_view> value);

// Width of the address box in a bar of the given width: the whole bar, or what the Go button and
// a 2-pixel gap leave of it. Never negative.
int AddressBoxWidth(int barWidth, bool showGo, int goButtonWidth);

// Dropped text that starts with a script address ("javascript:", "vbscript:": both run in the
// page that receives the drop) is refused, whatever its case, leading blanks and line breaks.
bool AcceptsDroppedText(std::string_view text);

}  // namespace brisova
