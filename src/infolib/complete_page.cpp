#include "infolib/complete_page.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

#include "platform/device_names.h"
#include "infolib/library_paths.h"
#include "infolib/web_address.h"
#include "platform/ascii_case.h"

namespace brisova {

namespace {

constexpr std::size_t kMaxNameStem = 60;
constexpr std::size_t kMaxExtension = 10;

bool IsAlnum(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

bool IsKeptInName(char c) {
    return IsAlnum(c) || std::string_view("-_.~!+,=@$").find(c) != std::string_view::npos;
}

// Kept characters as they are, every run of others as one "_".
std::string Sanitized(std::string_view text, bool keepBlanks) {
    std::string result;
    bool replacing = false;
    for (char c : text) {
        if (IsKeptInName(c) || (keepBlanks && c == ' ')) {
            result += c;
            replacing = false;
        } else if (!replacing) {
            result += '_';
            replacing = true;
        }
    }
    return result;
}

std::string TrimmedDots(std::string_view text) {
    std::size_t first = text.find_first_not_of(". ");
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(". ");
    return std::string(text.substr(first, last - first + 1));
}

// The image type the bytes show, as the extension the browser maps to it.
std::string_view SniffedImageExtension(std::string_view bytes) {
    if (bytes.starts_with("\x89PNG")) return "png";
    if (bytes.starts_with("GIF8")) return "gif";
    if (bytes.starts_with("\xFF\xD8\xFF")) return "jpg";
    if (bytes.starts_with(std::string_view("\0\0\1\0", 4))) return "ico";
    if (bytes.starts_with(std::string_view("\0\0\2\0", 4))) return "cur";
    if (bytes.starts_with("BM")) return "bmp";
    if (bytes.size() >= 12 && bytes.starts_with("RIFF") && bytes.substr(8, 4) == "WEBP") return "webp";
    std::string head = AsciiLowerCase(bytes.substr(0, 1024));
    std::size_t start = head.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    if (start != std::string::npos && head[start] == '<' && head.find("<svg", start) != std::string::npos) return "svg";
    return {};
}

bool IsImageExtension(std::string_view extension) {
    static constexpr std::array<std::string_view, 14> kImages = {
        "png", "gif", "jpg", "jpeg", "jpe", "jfif", "bmp", "ico", "cur", "svg", "webp", "tif", "tiff", "avif"};
    return std::find(kImages.begin(), kImages.end(), extension) != kImages.end();
}

bool SameImageType(std::string_view extension, std::string_view sniffed) {
    if (sniffed == "jpg") return extension == "jpg" || extension == "jpeg" || extension == "jpe" || extension == "jfif";
    return extension == sniffed;
}

// The last segment of the address's path, escapes decoded.
std::string LastPathSegment(std::string_view address) {
    std::size_t schemeEnd = address.find(':');
    std::string_view rest = schemeEnd == std::string_view::npos ? address : address.substr(schemeEnd + 1);
    rest = rest.substr(0, rest.find_first_of("?#"));
    if (rest.starts_with("//")) {
        std::size_t slash = rest.find('/', 2);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash);
    }
    std::size_t slash = rest.rfind('/');
    return PercentDecode(slash == std::string_view::npos ? rest : rest.substr(slash + 1));
}

// ---- rewriting ----

struct Edit {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::string text;
};

std::string Applied(std::string_view text, std::vector<Edit> edits) {
    std::stable_sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.begin < b.begin; });
    std::string result;
    result.reserve(text.size());
    std::size_t done = 0;
    for (const Edit& edit : edits) {
        if (edit.begin < done || edit.end < edit.begin || edit.end > text.size()) continue;
        result.append(text.substr(done, edit.begin - done));
        result += edit.text;
        done = edit.end;
    }
    result.append(text.substr(done));
    return result;
}

// An address as it has to be written in place of the reference's value: "&" as a character
// reference inside HTML, and quotes, backslashes and (in a bare url()) parentheses escaped,
// since any of them would end the value early.
std::string Written(std::string_view address, const TextReference& reference) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    bool inHtml = reference.syntax != ReferenceSyntax::StyleText;
    bool bareStyle = reference.syntax != ReferenceSyntax::HtmlAttribute && reference.quote == 0;
    std::string written;
    for (char c : address) {
        if (c == '&' && inHtml) {
            written += "&amp;";
        } else if (c == '"' || c == '\'' || c == '\\' || static_cast<unsigned char>(c) <= ' ' ||
                   (bareStyle && (c == '(' || c == ')'))) {
            written += '%';
            written += kHex[static_cast<unsigned char>(c) >> 4];
            written += kHex[static_cast<unsigned char>(c) & 0xF];
        } else {
            written += c;
        }
    }
    return written;
}

bool IsResource(ReferenceKind kind) { return kind != ReferenceKind::Link && kind != ReferenceKind::Base; }

std::string Trimmed(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
    return std::string(text.substr(first, last - first));
}

constexpr std::size_t kNoResource = static_cast<std::size_t>(-1);

// One reference and what it stands for.
struct Use {
    TextReference reference;
    std::size_t resource = kNoResource;
    // The absolute address to write when the resource is not saved; empty to keep the value.
    std::string absolute;
};

struct Resource {
    std::string address;
    ReferenceKind kind;
    std::string name;
    bool saved = false;
};

// A fetched style sheet, written once the resources it loads are known.
struct StyleSheet {
    std::size_t resource = 0;
    std::string text;
    std::vector<Use> uses;
};

class CompletePageWriter {
public:
    CompletePageWriter(LibraryFiles& files, ResourceFetcher& fetcher, std::string_view pageAddress,
                       std::string folderPath)
        : files_(files),
          fetcher_(fetcher),
          localPage_(AddressScheme(pageAddress) == "file"),
          folderPath_(std::move(folderPath)) {}

    // What each reference of a text at `base` stands for; resources are numbered on the way.
    std::vector<Use> Plan(const std::vector<TextReference>& references, std::string_view base) {
        std::vector<Use> uses;
        for (const TextReference& reference : references) {
            if (reference.kind == ReferenceKind::Base) {
                uses.push_back({reference, kNoResource, {}});
                continue;
            }
            std::string value = Trimmed(reference.value);
            if (value.empty() || value.front() == '#') continue;
            std::optional<std::string> absolute = ResolveAddress(base, value);
            if (!absolute) continue;
            bool relative = AddressScheme(value).empty();
            Use use{reference, kNoResource, relative ? *absolute : std::string()};
            std::string scheme = AddressScheme(*absolute);
            bool fetchable = scheme == "http" || scheme == "https" || (scheme == "file" && localPage_);
            if (IsResource(reference.kind) && fetchable) use.resource = Register(*absolute, reference.kind);
            if (use.resource != kNoResource || !use.absolute.empty()) uses.push_back(std::move(use));
        }
        return uses;
    }

    // Fetches every resource, those that the style sheets add on the way too, and writes them.
    void FetchAll() {
        for (std::size_t i = 0; i < resources_.size(); ++i) {
            std::optional<std::string> bytes = fetcher_.Fetch(resources_[i].address);
            if (!bytes || bytes->size() > kMaxResourceBytes || bytes->size() > kMaxSavedResourceBytes - savedBytes_) {
                continue;
            }
            savedBytes_ += bytes->size();
            resources_[i].name = names_.Take(resources_[i].address, resources_[i].kind, *bytes);
            if (resources_[i].kind == ReferenceKind::Stylesheet) {
                // Marked saved now, so that style sheets that load each other point at each other.
                resources_[i].saved = true;
                // Planning adds resources, so nothing may point into the list meanwhile.
                std::string address = resources_[i].address;
                std::vector<Use> uses = Plan(FindStyleReferences(*bytes), address);
                sheets_.push_back({i, std::move(*bytes), std::move(uses)});
            } else {
                resources_[i].saved = Write(resources_[i].name, *bytes);
            }
        }
        for (const StyleSheet& sheet : sheets_) {
            // Its resources sit beside it in the same folder.
            Resource& resource = resources_[sheet.resource];
            resource.saved = Write(resource.name, Rewritten(sheet.text, sheet.uses, ""));
        }
    }

    // The text with each reference pointing at the saved copy (`prefix` + name) or, when there
    // is none, at the absolute address; a <base> loses its address.
    std::string Rewritten(std::string_view text, const std::vector<Use>& uses, std::string_view prefix) const {
        std::vector<Edit> edits;
        for (const Use& use : uses) {
            const TextReference& reference = use.reference;
            if (reference.kind == ReferenceKind::Base) {
                // Left in place it would send the saved copies' names back to the server.
                edits.push_back({reference.attributeBegin, reference.attributeEnd, {}});
            } else if (use.resource != kNoResource && resources_[use.resource].saved) {
                edits.push_back({reference.begin, reference.end,
                                 Written(std::string(prefix) + resources_[use.resource].name, reference)});
            } else if (!use.absolute.empty()) {
                edits.push_back({reference.begin, reference.end, Written(use.absolute, reference)});
            }
        }
        return Applied(text, std::move(edits));
    }

private:
    std::size_t Register(const std::string& address, ReferenceKind kind) {
        auto found = byAddress_.find(address);
        if (found != byAddress_.end()) return found->second;
        if (resources_.size() >= kMaxSavedResources) return kNoResource;
        resources_.push_back({address, kind, {}, false});
        byAddress_.emplace(address, resources_.size() - 1);
        return resources_.size() - 1;
    }

    bool Write(const std::string& name, std::string_view bytes) {
        if (!folderMade_) folderMade_ = files_.MakeDirectory(folderPath_);
        return folderMade_ && files_.Replace(JoinPath(folderPath_, name), bytes);
    }

    LibraryFiles& files_;
    ResourceFetcher& fetcher_;
    bool localPage_;
    std::string folderPath_;
    bool folderMade_ = false;
    std::vector<Resource> resources_;
    std::map<std::string, std::size_t> byAddress_;
    std::vector<StyleSheet> sheets_;
    ResourceNames names_;
    std::size_t savedBytes_ = 0;
};

}  // namespace

std::string CompanionFolderName(std::string_view pageFileName) {
    std::string_view stem = pageFileName;
    std::size_t dot = stem.rfind('.');
    if (dot != std::string_view::npos) {
        std::string extension = AsciiLowerCase(stem.substr(dot));
        if (extension == ".htm" || extension == ".html") stem = stem.substr(0, dot);
    }
    std::string folder = Sanitized(stem, true);
    if (folder.empty()) folder = "page";
    return folder + "_files";
}

std::string ResourceNames::Take(std::string_view address, ReferenceKind kind, std::string_view content) {
    std::string name = TrimmedDots(Sanitized(LastPathSegment(address), false));
    std::string stem = name;
    std::string extension;
    std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot + 1 < name.size() && name.size() - dot - 1 <= kMaxExtension &&
        std::all_of(name.begin() + static_cast<std::ptrdiff_t>(dot) + 1, name.end(), IsAlnum)) {
        stem = name.substr(0, dot);
        extension = AsciiLowerCase(name.substr(dot + 1));
    }

    // The extension the browser needs to take the file for what it is.
    std::string_view wanted;
    switch (kind) {
    case ReferenceKind::Stylesheet: wanted = "css"; break;
    case ReferenceKind::Script: wanted = "js"; break;
    default: {
        std::string_view sniffed = SniffedImageExtension(content);
        if (!sniffed.empty()) {
            if (!SameImageType(extension, sniffed)) wanted = sniffed;
        } else if (!IsImageExtension(extension)) {
            wanted = "img";
        }
        break;
    }
    }
    if (!wanted.empty() && extension != wanted) {
        if (!extension.empty()) stem += "." + extension;
        extension = std::string(wanted);
    }

    if (stem.size() > kMaxNameStem) stem = TrimmedDots(stem.substr(0, kMaxNameStem));
    if (stem.empty()) stem = "file";
    if (IsDeviceName(std::string_view(stem))) stem.insert(0, "_");
    std::string suffix = extension.empty() ? std::string() : "." + extension;
    std::string candidate = stem + suffix;
    for (int number = 2; !taken_.insert(AsciiLowerCase(candidate)).second; ++number) {
        candidate = stem + "_" + std::to_string(number) + suffix;
    }
    return candidate;
}

std::string WithSavedFromMark(std::string_view html, std::string_view pageAddress) {
    if (html.starts_with("\xFF\xFE") || html.starts_with("\xFE\xFF")) return std::string(html);
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string address;
    for (char c : pageAddress) {
        auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte >= 0x7F || c == '<' || c == '>' || c == '"') {
            address += '%';
            address += kHex[byte >> 4];
            address += kHex[byte & 0xF];
        } else {
            address += c;
        }
    }
    if (address.empty() || address.size() > 9999) address = "about:internet";
    std::string length = std::to_string(address.size());
    std::string mark = "<!-- saved from url=(" + std::string(4 - length.size(), '0') + length + ")" + address + " -->";

    std::size_t at = html.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    std::size_t first = html.find_first_not_of(" \t\r\n", at);
    if (first != std::string_view::npos && EqualsIgnoringCase(html.substr(first, 9), "<!doctype")) {
        std::size_t close = html.find('>', first);
        if (close != std::string_view::npos) {
            std::size_t after = close + 1;
            return std::string(html.substr(0, after)) + "\r\n" + mark + std::string(html.substr(after));
        }
    }
    return std::string(html.substr(0, at)) + mark + "\r\n" + std::string(html.substr(at));
}

bool SaveCompletePage(LibraryFiles& files, ResourceFetcher& fetcher, std::string_view html,
                      std::string_view pageAddress, const std::string& directory, const std::string& pageFileName) {
    std::string folder = CompanionFolderName(pageFileName);
    CompletePageWriter writer(files, fetcher, pageAddress, JoinPath(directory, folder));

    std::vector<TextReference> references = FindHtmlReferences(html);
    // The first <base> with an address decides what the page's relative addresses mean.
    std::string base(pageAddress);
    for (const TextReference& reference : references) {
        if (reference.kind != ReferenceKind::Base || Trimmed(reference.value).empty()) continue;
        if (std::optional<std::string> resolved = ResolveAddress(pageAddress, reference.value)) base = *resolved;
        break;
    }
    std::vector<Use> uses = writer.Plan(references, base);
    writer.FetchAll();

    // The folder's name as an address segment: its blanks escaped.
    std::string prefix;
    for (char c : folder) prefix += c == ' ' ? std::string("%20") : std::string(1, c);
    prefix += '/';
    return files.Replace(JoinPath(directory, pageFileName),
                         WithSavedFromMark(writer.Rewritten(html, uses, prefix), pageAddress));
}

}  // namespace brisova
