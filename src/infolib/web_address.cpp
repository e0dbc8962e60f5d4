#include "infolib/web_address.h"

#include <vector>

#include "platform/ascii_case.h"

namespace brisova {

namespace {

bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The length of the scheme before its ":", or 0 without one.
std::size_t SchemeLength(std::string_view address) {
    if (address.empty() || !IsAlpha(address[0])) return 0;
    for (std::size_t i = 1; i < address.size(); ++i) {
        char c = address[i];
        if (c == ':') return i;
        if (!IsAlpha(c) && !IsDigit(c) && c != '+' && c != '-' && c != '.') return 0;
    }
    return 0;
}

bool IsHierarchical(std::string_view scheme) {
    return scheme == "http" || scheme == "https" || scheme == "ftp" || scheme == "file";
}

// Without the blanks and control characters around it and the tabs and line breaks inside,
// which the browser ignores in an address.
std::string Cleaned(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
    std::string cleaned;
    cleaned.reserve(last - first);
    for (char c : text.substr(first, last - first)) {
        if (c != '\t' && c != '\n' && c != '\r') cleaned.push_back(c);
    }
    return cleaned;
}

// Backslashes before the query become slashes.
void SlashBackslashes(std::string& address) {
    for (char& c : address) {
        if (c == '?' || c == '#') break;
        if (c == '\\') c = '/';
    }
}

struct Parts {
    std::string scheme;
    bool hasAuthority = false;
    std::string authority;
    std::string path;
    bool hasQuery = false;
    std::string query;
};

// Splits what follows the scheme's ":"; the fragment is dropped.
Parts SplitAfterScheme(std::string_view rest) {
    Parts parts;
    rest = rest.substr(0, rest.find('#'));
    if (rest.starts_with("//")) {
        rest.remove_prefix(2);
        std::size_t end = rest.find_first_of("/?");
        parts.hasAuthority = true;
        parts.authority = std::string(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
    }
    std::size_t question = rest.find('?');
    parts.path = std::string(rest.substr(0, question));
    if (question != std::string_view::npos) {
        parts.hasQuery = true;
        parts.query = std::string(rest.substr(question + 1));
    }
    return parts;
}

// "." and ".." segments resolved; a ".." never climbs above the first segment. Segment by
// segment, so that a long run of them costs no more than its length.
std::string WithoutDotSegments(std::string_view path) {
    if (path.empty()) return {};
    bool absolute = path.front() == '/';
    std::vector<std::string_view> kept;
    bool trailingSlash = false;
    std::size_t start = absolute ? 1 : 0;
    for (;;) {
        std::size_t slash = path.find('/', start);
        bool last = slash == std::string_view::npos;
        std::string_view segment = path.substr(start, last ? std::string_view::npos : slash - start);
        if (segment == "." || segment == "..") {
            if (segment == ".." && !kept.empty()) kept.pop_back();
            trailingSlash = last;
        } else {
            kept.push_back(segment);
        }
        if (last) break;
        start = slash + 1;
    }
    std::string result = absolute ? "/" : "";
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (i > 0) result += '/';
        result += kept[i];
    }
    if (trailingSlash && !kept.empty()) result += '/';
    return result;
}

std::string Composed(const Parts& parts) {
    std::string address = parts.scheme + ":";
    if (parts.hasAuthority) address += "//" + parts.authority;
    std::string path = parts.path;
    if (parts.hasAuthority && path.empty() && parts.scheme != "file") path = "/";
    // Without an authority a path beginning with "//" would read as one: "/." keeps it a path.
    if (!parts.hasAuthority && path.starts_with("//")) path.insert(0, "/.");
    address += path;
    if (parts.hasQuery) address += "?" + parts.query;

    std::string escaped;
    escaped.reserve(address.size());
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (char c : address) {
        auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte >= 0x7F || c == '"' || c == '<' || c == '>' || c == '`') {
            escaped += '%';
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0xF];
        } else {
            escaped += c;
        }
    }
    return escaped;
}

bool IsDrive(std::string_view text) {
    return text.size() == 2 && IsAlpha(text[0]) && (text[1] == ':' || text[1] == '|');
}

}  // namespace

std::string AddressScheme(std::string_view address) {
    return AsciiLowerCase(address.substr(0, SchemeLength(address)));
}

std::optional<std::string> ResolveAddress(std::string_view base, std::string_view reference) {
    std::string ref = Cleaned(reference);
    if (ref.size() >= 3 && IsDrive(ref.substr(0, 2)) && (ref[2] == '\\' || ref[2] == '/')) {
        ref = "file:///" + ref;
    }

    std::string baseText = Cleaned(base);
    std::string baseScheme = AddressScheme(baseText);
    std::string refScheme = AddressScheme(ref);

    if (!refScheme.empty()) {
        if (!IsHierarchical(refScheme)) return ref;
        SlashBackslashes(ref);
        std::string_view rest = std::string_view(ref).substr(refScheme.size() + 1);
        if (refScheme == "file" || rest.starts_with("//")) {
            Parts parts = SplitAfterScheme(rest);
            parts.scheme = refScheme;
            parts.path = WithoutDotSegments(parts.path);
            return Composed(parts);
        }
        // "http:x" is relative to a base of the same scheme and names a host otherwise.
        if (refScheme != baseScheme) {
            while (rest.starts_with("/")) rest.remove_prefix(1);
            Parts parts = SplitAfterScheme("//" + std::string(rest));
            parts.scheme = refScheme;
            parts.path = WithoutDotSegments(parts.path);
            return Composed(parts);
        }
        ref = std::string(rest);
    }

    if (!IsHierarchical(baseScheme)) return std::nullopt;
    SlashBackslashes(baseText);
    SlashBackslashes(ref);
    Parts baseParts = SplitAfterScheme(std::string_view(baseText).substr(baseScheme.size() + 1));
    baseParts.path = WithoutDotSegments(baseParts.path);
    Parts refParts = SplitAfterScheme(ref);

    Parts target;
    target.scheme = baseScheme;
    if (refParts.hasAuthority) {
        target.hasAuthority = true;
        target.authority = refParts.authority;
        target.path = WithoutDotSegments(refParts.path);
        target.hasQuery = refParts.hasQuery;
        target.query = refParts.query;
        return Composed(target);
    }
    target.hasAuthority = baseParts.hasAuthority;
    target.authority = baseParts.authority;
    if (refParts.path.empty()) {
        target.path = baseParts.path;
        target.hasQuery = refParts.hasQuery || baseParts.hasQuery;
        target.query = refParts.hasQuery ? refParts.query : baseParts.query;
        return Composed(target);
    }
    if (refParts.path.front() == '/') {
        target.path = WithoutDotSegments(refParts.path);
    } else {
        std::string merged;
        if (baseParts.hasAuthority && baseParts.path.empty()) {
            merged = "/" + refParts.path;
        } else {
            std::size_t slash = baseParts.path.rfind('/');
            merged = (slash == std::string::npos ? std::string() : baseParts.path.substr(0, slash + 1)) +
                     refParts.path;
        }
        target.path = WithoutDotSegments(merged);
    }
    target.hasQuery = refParts.hasQuery;
    target.query = refParts.query;
    return Composed(target);
}

std::string PercentDecode(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            decoded += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

std::optional<std::string> LocalPathFromFileAddress(std::string_view address) {
    if (AddressScheme(address) != "file") return std::nullopt;
    std::string rest(address.substr(5));
    rest = rest.substr(0, rest.find_first_of("?#"));
    for (char& c : rest) {
        if (c == '\\') c = '/';
    }
    std::string_view path = rest;
    if (path.starts_with("//")) {
        path.remove_prefix(2);
        std::size_t slash = path.find('/');
        std::string authority = AsciiLowerCase(path.substr(0, slash));
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash);
        if (IsDrive(authority)) {
            std::string withDrive = authority + std::string(path);
            return LocalPathFromFileAddress("file:///" + withDrive);
        }
        if (!authority.empty() && authority != "localhost") return std::nullopt;
    }
    while (path.starts_with("/")) path.remove_prefix(1);
    std::string decoded = PercentDecode(path);
    if (decoded.size() < 3 || !IsDrive(decoded.substr(0, 2)) || (decoded[2] != '/' && decoded[2] != '\\')) {
        return std::nullopt;
    }
    decoded[1] = ':';
    std::string local;
    local.reserve(decoded.size());
    std::size_t segmentStart = 0;
    for (std::size_t i = 0; i <= decoded.size(); ++i) {
        char c = i < decoded.size() ? decoded[i] : '/';
        if (c == '/' || c == '\\') {
            std::string_view segment = std::string_view(decoded).substr(segmentStart, i - segmentStart);
            if (segment == "..") return std::nullopt;
            segmentStart = i + 1;
            if (i < decoded.size()) local += '\\';
        } else {
            if (c == '\0' || (c == ':' && i != 1)) return std::nullopt;
            local += c;
        }
    }
    return local;
}

}  // namespace brisova
