#include "shared/startup_rules.h"

#include <algorithm>
#include <array>

#include "platform/ascii_case.h"
#include "platform/utf8_text.h"

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

namespace {
bool HasSwitch(const std::vector<std::string>& arguments, std::string_view name) {
    return std::any_of(arguments.begin(), arguments.end(), [name](const std::string& arg) {
        return arg.size() > 1 && (arg[0] == '/' || arg[0] == '-') && EqualsIgnoringCase(arg.substr(1), name);
    });
}
}  // namespace

bool AsksToUnregister(const std::vector<std::string>& arguments) {
    return HasSwitch(arguments, "unregister");
}

bool StartedBySystemRestart(const std::vector<std::string>& arguments) {
    return HasSwitch(arguments, "restart");
}

bool IsInternetShortcutPath(std::string_view path) {
    return path.size() >= 4 && EqualsIgnoringCase(path.substr(path.size() - 4), ".url");
}

namespace {
constexpr std::string_view kHandOffMark = "BrHO";

std::string HandOffTag(std::uint32_t number) {
    std::string tag(kHandOffMark);
    for (int shift = 0; shift < 32; shift += 8) tag.push_back(static_cast<char>((number >> shift) & 0xFF));
    return tag;
}
}  // namespace

std::optional<std::string> HandOffBlock(std::string_view address, std::uint32_t number) {
    if (address.size() + 1 + kHandOffTagSize > kHandOffBlockSize) return std::nullopt;
    std::string block(kHandOffBlockSize, '\0');
    block.replace(0, address.size(), address);
    block.replace(kHandOffBlockSize - kHandOffTagSize, kHandOffTagSize, HandOffTag(number));
    return block;
}

std::optional<std::string> ReadHandOffBlock(std::string_view block, std::uint32_t number) {
    if (number == 0 || block.size() != kHandOffBlockSize ||
        block.substr(kHandOffBlockSize - kHandOffTagSize) != HandOffTag(number)) {
        return std::nullopt;
    }
    std::string_view address = block.substr(0, kHandOffBlockSize - kHandOffTagSize);
    address = address.substr(0, address.find('\0'));
    if (address.empty()) return std::nullopt;
    return std::string(address);
}

std::vector<std::string> StartupPages(std::string_view fileText) {
    fileText = WithoutByteOrderMark(fileText);
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
