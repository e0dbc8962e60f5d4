#include "commands/mail_rules.h"

#include "platform/device_names.h"

namespace brisova {

namespace {
bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string PercentDecode(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        int high = i + 2 < text.size() && text[i] == '%' ? HexValue(text[i + 1]) : -1;
        int low = high >= 0 ? HexValue(text[i + 2]) : -1;
        if (low >= 0) {
            decoded.push_back(static_cast<char>(high * 16 + low));
            i += 2;
        } else {
            decoded.push_back(text[i]);
        }
    }
    return decoded;
}

// Besides what Windows forbids, ';': it separates the attachments handed to the mail program.
bool IsForbiddenInFileName(unsigned char c) {
    return c < 0x20 || c == 0x7F || std::string_view("\\/:*?\"<>|;").find(static_cast<char>(c)) != std::string_view::npos;
}

// The longest prefix of at most `maxBytes` that does not end inside a UTF-8 sequence.
std::string_view CutAtCharacter(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::size_t end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}
}  // namespace

std::string PercentEncodeMailtoPart(std::string_view text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : text) {
        if (IsUnreserved(c)) {
            encoded.push_back(static_cast<char>(c));
        } else {
            encoded.push_back('%');
            encoded.push_back(kHex[c >> 4]);
            encoded.push_back(kHex[c & 15]);
        }
    }
    return encoded;
}

std::string MailNameFromTitle(std::string_view title) {
    if (!StartsWith(title, "file:") && !StartsWith(title, "http:") && !StartsWith(title, "https:"))
        return std::string(title);
    if (!title.empty() && title.back() == '/') title.remove_suffix(1);
    std::string name(title.substr(title.rfind('/') + 1));
    for (char& c : name)
        if (c == ':') c = '_';
    return name;
}

std::string LinkMailAddress(std::string_view address, std::string_view title) {
    std::optional<std::string> path = LocalPagePath(address);
    std::string subject = path ? *path : MailNameFromTitle(title) + ".htm";
    return "mailto:?subject=" + PercentEncodeMailtoPart(subject) + "&body=" + PercentEncodeMailtoPart(address);
}

std::optional<std::string> LocalPagePath(std::string_view address) {
    if (!StartsWith(address, "file:")) return std::nullopt;
    std::string path;
    if (StartsWith(address, "file:///")) path = PercentDecode(address.substr(8));
    else if (StartsWith(address, "file://")) path = "//" + PercentDecode(address.substr(7));
    else path = PercentDecode(address.substr(5));
    for (char& c : path) {
        // A decoded NUL would end the name early and name another file; no file name holds a
        // control character.
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return std::nullopt;
        if (c == '/') c = '\\';
    }
    if (path.empty() || path == "\\\\") return std::nullopt;
    return path;
}

std::optional<std::string> LocalAttachmentPath(std::string_view address) {
    std::optional<std::string> path = LocalPagePath(address);
    if (!path || path->find(';') != std::string::npos) return std::nullopt;
    return path;
}

std::string SafeAttachmentName(std::string_view title, std::size_t maxBytes) {
    const auto cutAndClean = [maxBytes](std::string_view text) {
        std::string name(CutAtCharacter(text, maxBytes));
        for (char& c : name)
            if (IsForbiddenInFileName(static_cast<unsigned char>(c))) c = '_';
        // Windows drops trailing dots and blanks, which would make "a." and "a" the same file
        // and ".." the parent directory.
        while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
        std::size_t first = name.find_first_not_of(' ');
        name.erase(0, first == std::string::npos ? name.size() : first);
        return name;
    };
    std::string name = cutAndClean(MailNameFromTitle(title));
    if (name.empty()) return "page";
    // The mark goes in before the cut, so that the name keeps its bound.
    if (IsDeviceName(std::string_view(name))) name = cutAndClean("_" + name);
    return name;
}

std::string BaseHrefLine(std::string_view address) {
    std::string_view base = address.substr(0, address.rfind('/') + 1);
    return "<BASE HREF=\"" + std::string(base) + "\">\n";
}

CommandLine SplitCommandLine(std::string_view command) {
    std::size_t start = command.find_first_not_of(' ');
    command.remove_prefix(start == std::string_view::npos ? command.size() : start);
    CommandLine line;
    if (!command.empty() && command.front() == '"') {
        std::size_t close = command.find('"', 1);
        line.program = std::string(command.substr(1, close == std::string_view::npos ? close : close - 1));
        if (close != std::string_view::npos) line.arguments = std::string(command.substr(close + 1));
    } else {
        std::size_t blank = command.find(' ');
        line.program = std::string(command.substr(0, blank));
        if (blank != std::string_view::npos) line.arguments = std::string(command.substr(blank + 1));
    }
    std::size_t lead = line.arguments.find_first_not_of(' ');
    line.arguments.erase(0, lead == std::string::npos ? line.arguments.size() : lead);
    return line;
}

CommandLine MailCommandLine(std::string_view command, std::string_view mailAddress) {
    CommandLine line = SplitCommandLine(command);
    std::size_t placeholder = line.arguments.find("%1");
    if (placeholder != std::string::npos) {
        line.arguments.replace(placeholder, 2, mailAddress);
    } else {
        if (!line.arguments.empty()) line.arguments.push_back(' ');
        line.arguments.append(mailAddress);
    }
    return line;
}

}  // namespace brisova
