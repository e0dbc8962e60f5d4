#include "address_bar/address_rules.h"

#include <algorithm>
#include <cctype>

#include "platform/ascii_case.h"

namespace brisova {

namespace {
bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string_view DropLeadingBlanks(std::string_view text) {
    auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
    return text.substr(static_cast<std::size_t>(first - text.begin()));
}

}  // namespace

std::optional<std::string> CompleteTypedText(std::string_view fieldText, CompletionKeys keys) {
    std::string_view typed = DropLeadingBlanks(fieldText);
    if (typed.empty()) return std::nullopt;

    std::string text;
    if (keys.ctrl) text = "http://www." + std::string(typed) + ".com";
    else if (keys.shift) text = "http://www." + std::string(typed) + ".net";
    else text = typed;

    std::size_t colon = text.find(':');
    if (colon == std::string::npos) return "http://" + text;
    // A drive path (c:\dir) keeps its backslashes; a scheme written with them is repaired.
    if (colon > 1) std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

std::optional<EnteredAddress> EnterAddress(std::string_view fieldText, CompletionKeys keys,
                                           std::span<const ShortcutEntry> shortcuts) {
    std::optional<std::string> completed = CompleteTypedText(fieldText, keys);
    if (!completed) return std::nullopt;
    std::string target = ExpandShortcut(*completed, shortcuts);
    return EnteredAddress{std::move(*completed), std::move(target)};
}

int FindTypedItem(const std::vector<std::string>& items, std::string_view text) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (EqualsIgnoringCase(items[i], text)) return static_cast<int>(i);
    }
    return -1;
}

std::optional<std::string> TypedListAddition(const std::vector<std::string>& items, std::string_view listText) {
    if (listText.empty() || FindTypedItem(items, listText) >= 0) return std::nullopt;
    std::string toggled(listText);
    if (toggled.back() == '/') toggled.pop_back();
    else toggled.push_back('/');
    if (FindTypedItem(items, toggled) >= 0) return std::nullopt;
    return std::string(listText);
}

std::string TypedUrlValueName(std::size_t number) {
    return "url" + std::to_string(number);
}

std::vector<std::string> LoadTypedUrls(const TypedUrlReader& readValue) {
    std::vector<std::string> items;
    for (std::size_t n = 1;; ++n) {
        std::optional<std::string> value = readValue(TypedUrlValueName(n));
        if (!value) break;
        if (!value->empty()) items.push_back(std::move(*value));
    }
    return items;
}

std::vector<NamedText> TypedUrlsToSave(const std::vector<std::string>& items) {
    std::vector<NamedText> values;
    std::size_t count = std::min(items.size(), kMaxSavedTypedUrls);
    for (std::size_t i = 0; i < count; ++i) {
        if (items[i].empty()) continue;
        values.push_back({TypedUrlValueName(values.size() + 1), items[i]});
    }
    return values;
}

bool ShowsGoButton(std::optional<std::string_view> value) {
    return value != "no";
}

int AddressBoxWidth(int barWidth, bool showGo, int goButtonWidth) {
    long long width = showGo ? static_cast<long long>(barWidth) - goButtonWidth - 2 : barWidth;
    return width < 0 ? 0 : static_cast<int>(std::min<long long>(width, barWidth));
}

bool AcceptsDroppedText(std::string_view text) {
    // The scheme as the control reads it: tabs and line breaks inside it do not count.
    std::string scheme;
    for (char c : DropLeadingBlanks(text)) {
        if (c == ':') return scheme != "javascript" && scheme != "vbscript";
        if (c == '\t' || c == '\r' || c == '\n') continue;
        scheme += AsciiLower(c);
        if (scheme.size() > 10) break;
    }
    return true;
}

}  // namespace brisova
