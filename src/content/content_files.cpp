#include "content/content_files.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>

#include "infolib/library_paths.h"
#include "platform/utf8_text.h"

namespace brisova {

namespace {
// No content file is read beyond this; a larger one is taken as far as this goes.
constexpr std::size_t kMaxFileBytes = 1024 * 1024;

// Splits text into lines as a text-mode reader would: at "\n", with a "\r" before it dropped. A
// last line without its newline is still a line.
class LineReader {
public:
    explicit LineReader(std::string_view text) : rest_(text) {}
    std::optional<std::string_view> Next() {
        if (rest_.empty()) return std::nullopt;
        std::size_t end = rest_.find('\n');
        std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        return line;
    }

private:
    std::string_view rest_;
};

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

// A list ends at a label of 4 characters or fewer; an empty line is one.
bool IsLabel(std::string_view line) {
    return CharacterCount(line) > 4;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

std::optional<std::string> ReadFile(const std::string& path, std::size_t limit) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) return std::nullopt;
    std::string bytes;
    char chunk[4096];
    while (bytes.size() < limit) {
        std::size_t n = std::fread(chunk, 1, std::min(sizeof chunk, limit - bytes.size()), file.get());
        if (n == 0) break;
        bytes.append(chunk, n);
    }
    return std::string(WithoutByteOrderMark(bytes));
}
}  // namespace

int ParseTipCount(std::string_view infoText) {
    std::string_view line = Trimmed(LineReader(infoText).Next().value_or(""));
    long long count = 0;
    std::size_t i = 0;
    for (; i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])); ++i) {
        count = count * 10 + (line[i] - '0');
        // More tips than anyone writes: the count is not believed.
        if (count > 100000) return 0;
    }
    return static_cast<int>(count);
}

std::string BoundedText(std::string_view fileText) {
    std::string_view text = fileText.substr(0, fileText.find('\0'));
    if (text.size() <= kMaxTipBytes) return std::string(text);
    std::size_t end = kMaxTipBytes;
    // Back up to the first byte of the character that the limit would split.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return std::string(text.substr(0, end));
}

std::string EditControlText(std::string_view text) {
    std::string shown;
    shown.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) shown += '\r';
        shown += text[i];
    }
    return shown;
}

std::vector<DonationChoice> ParseDonationChoices(std::string_view text) {
    std::vector<DonationChoice> choices;
    LineReader lines(text);
    while (choices.size() < kMaxDonationChoices) {
        auto label = lines.Next();
        if (!label || !IsLabel(*label)) break;
        auto address = lines.Next();
        if (!address) break;
        choices.push_back({std::string(*label), std::string(Trimmed(*address))});
    }
    return choices;
}

std::vector<ShopEntry> ParseShopEntries(std::string_view text, std::size_t room) {
    std::vector<ShopEntry> entries;
    LineReader lines(text);
    while (entries.size() < room) {
        auto label = lines.Next();
        if (!label || !IsLabel(*label)) break;
        auto address = lines.Next();
        // A label without its address is no entry.
        if (!address) break;
        auto key = lines.Next();
        entries.push_back({std::string(*label), std::string(Trimmed(*address)), std::string(Trimmed(key.value_or("")))});
    }
    return entries;
}

VendorLinks ParseVendorLinks(std::string_view text) {
    VendorLinks links;
    LineReader lines(text);
    while (auto line = lines.Next()) {
        std::size_t equals = line->find('=');
        if (equals == std::string_view::npos) continue;
        std::string_view name = Trimmed(line->substr(0, equals));
        std::string_view value = Trimmed(line->substr(equals + 1));
        if (value.empty()) continue;
        if (name == "HomePage") links.homePage = value;
        else if (name == "Comments") links.comments = value;
    }
    return links;
}

std::string CommentsMailAddress(const VendorLinks& links) {
    if (links.comments.starts_with("mailto:")) return links.comments;
    return "mailto:" + links.comments;
}

std::string ContentFiles::Path(std::initializer_list<std::string_view> parts) const {
    std::string path = programDirectory_;
    for (std::string_view part : parts) path = JoinPath(path, part);
    return path;
}

int ContentFiles::TipCount() const {
    auto info = ReadFile(Path({"data", "mosttips", "info"}), 256);
    return info ? ParseTipCount(*info) : 0;
}

std::string ContentFiles::Tip(int index) const {
    auto text = ReadFile(Path({"data", "mosttips", "t" + std::to_string(index)}), kMaxTipBytes + 4);
    return text ? BoundedText(*text) : std::string();
}

bool ContentFiles::DonationOffered() const {
    return ReadFile(Path({"data", "donate", "data"}), 0).has_value();
}

std::optional<std::string> ContentFiles::DonationText() const {
    auto text = ReadFile(Path({"data", "donate", "info"}), kMaxTipBytes + 4);
    if (!text) return std::nullopt;
    return BoundedText(*text);
}

std::vector<DonationChoice> ContentFiles::DonationChoices() const {
    return ParseDonationChoices(ReadFile(Path({"data", "donate", "data"}), kMaxFileBytes).value_or(""));
}

ShopMenu ContentFiles::ShopAndTravel() const {
    ShopMenu menu;
    menu.shop = ParseShopEntries(ReadFile(Path({"data", "shop"}), kMaxFileBytes).value_or(""), kMaxShopEntries);
    menu.travel = ParseShopEntries(ReadFile(Path({"data", "travel"}), kMaxFileBytes).value_or(""),
                                   kMaxShopEntries - menu.shop.size());
    return menu;
}

VendorLinks ContentFiles::Vendor() const {
    return ParseVendorLinks(ReadFile(Path({"data", "vendor"}), 64 * 1024).value_or(""));
}

}  // namespace brisova
