#include "app/startup_rules.h"

#include <algorithm>
#include <array>

#include "platform/ascii_case.h"

namespace brisova {

namespace {
bool IsShellVerb(std::string_view flag) {
    static constexpr std::array<std::string_view, 8> kVerbs{
        "p", "pt", "dde", "automation", "embedding", "unregister", "unregserver", "regserver"};
    return std::any_of(kVerbs.begin(), kVerbs.end(), [&](std::string_view v) { return EqualsIgnoringCase(flag, v); });
}
}  // namespace

std::string StartAddressFromArguments(const std::vector<std::string>& arguments) {
    std::string address;
    for (const std::string& arg : arguments) {
        if (!arg.empty() && (arg[0] == '/' || arg[0] == '-')) {
            if (IsShellVerb(std::string_view(arg).substr(1))) return {};
            continue;
        }
        if (address.empty()) address = arg;
    }
    return address;
}

bool IsInternetShortcutPath(std::string_view path) {
    return path.size() >= 4 && EqualsIgnoringCase(path.substr(path.size() - 4), ".url");
}

std::optional<std::string> HandOffPayload(std::string_view address) {
    if (address.size() + 1 > kHandOffBlockSize) return std::nullopt;
    std::string payload(address);
    payload.push_back('\0');
    return payload;
}

std::string ReadHandOffBlock(const char* block, std::size_t size) {
    const char* end = std::find(block, block + size, '\0');
    return std::string(block, end);
}

Bytes EncodeWindowRecord(const std::vector<std::string>& addresses) {
    Bytes record;
    for (const std::string& address : addresses) {
        record.insert(record.end(), address.begin(), address.end());
        record.push_back('\n');
    }
    record.push_back('\0');
    return record;
}

bool ShouldOfferRestore(const std::optional<Bytes>& record) {
    return record && record->size() > 5;
}

std::vector<std::string> DecodeWindowRecord(const Bytes& record) {
    std::vector<std::string> addresses;
    std::string piece;
    for (std::uint8_t b : record) {
        if (b == '\0') break;
        if (b == '\n') {
            if (!piece.empty()) addresses.push_back(std::move(piece));
            piece.clear();
        } else {
            piece += static_cast<char>(b);
        }
    }
    if (!piece.empty()) addresses.push_back(std::move(piece));
    return addresses;
}

std::vector<std::string> StartupPages(std::string_view fileText) {
    std::vector<std::string> pages;
    std::size_t start = 0;
    while (start < fileText.size()) {
        std::size_t end = fileText.find('\n', start);
        if (end == std::string_view::npos) end = fileText.size();
        std::string_view line = fileText.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.find_first_not_of(" \t") != std::string_view::npos) pages.emplace_back(line);
        start = end + 1;
    }
    return pages;
}

}  // namespace brisova
