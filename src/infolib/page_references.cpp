#include "infolib/page_references.h"

#include <algorithm>
#include <array>
#include <optional>

#include "platform/ascii_case.h"

namespace brisova {

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix) {
    return at <= text.size() && text.size() - at >= prefix.size() &&
           EqualsIgnoringCase(text.substr(at, prefix.size()), prefix);
}

struct Attribute {
    std::string_view name;
    std::size_t begin = 0;
    std::size_t end = 0;
    bool hasValue = false;
    std::size_t valueBegin = 0;
    std::size_t valueEnd = 0;
    char quote = 0;
};

struct Tag {
    std::string name;  // lower-cased
    std::vector<Attribute> attributes;
    std::size_t end = 0;  // just after its ">"
    bool complete = false;
};

// The start tag whose "<" is at `at`, followed by a letter.
Tag ReadStartTag(std::string_view html, std::size_t at) {
    const std::size_t n = html.size();
    Tag tag;
    std::size_t i = at + 1;
    std::size_t nameStart = i;
    while (i < n && !IsSpace(html[i]) && html[i] != '/' && html[i] != '>') ++i;
    tag.name = AsciiLowerCase(html.substr(nameStart, i - nameStart));
    for (;;) {
        while (i < n && (IsSpace(html[i]) || html[i] == '/')) ++i;
        if (i >= n) {
            tag.end = n;
            return tag;
        }
        if (html[i] == '>') {
            tag.end = i + 1;
            tag.complete = true;
            return tag;
        }
        Attribute attribute;
        attribute.begin = i;
        ++i;  // the first character belongs to the name, even "=" or a quote
        while (i < n && !IsSpace(html[i]) && html[i] != '/' && html[i] != '>' && html[i] != '=') ++i;
        attribute.name = html.substr(attribute.begin, i - attribute.begin);
        attribute.end = i;
        while (i < n && IsSpace(html[i])) ++i;
        if (i < n && html[i] == '=') {
            ++i;
            while (i < n && IsSpace(html[i])) ++i;
            if (i < n && (html[i] == '"' || html[i] == '\'')) {
                std::size_t close = html.find(html[i], i + 1);
                if (close == npos) {
                    tag.end = n;
                    return tag;
                }
                attribute.quote = html[i];
                attribute.valueBegin = i + 1;
                attribute.valueEnd = close;
                i = close + 1;
            } else {
                attribute.valueBegin = i;
                while (i < n && !IsSpace(html[i]) && html[i] != '>') ++i;
                attribute.valueEnd = i;
            }
            attribute.hasValue = true;
            attribute.end = i;
        }
        tag.attributes.push_back(attribute);
    }
}

// The first attribute of that name with a value; a repeated attribute does not count.
const Attribute* FindAttribute(const Tag& tag, std::string_view name) {
    for (const Attribute& attribute : tag.attributes) {
        if (EqualsIgnoringCase(attribute.name, name)) return attribute.hasValue ? &attribute : nullptr;
    }
    return nullptr;
}

std::string DecodedValue(std::string_view html, const Attribute& attribute) {
    return DecodeAttributeValue(html.substr(attribute.valueBegin, attribute.valueEnd - attribute.valueBegin));
}

void AddAttribute(std::string_view html, const Tag& tag, std::string_view name, ReferenceKind kind,
                  std::vector<TextReference>& references) {
    const Attribute* attribute = FindAttribute(tag, name);
    if (!attribute) return;
    TextReference reference;
    reference.kind = kind;
    reference.begin = attribute->valueBegin;
    reference.end = attribute->valueEnd;
    reference.quote = attribute->quote;
    reference.attributeBegin = attribute->begin;
    reference.attributeEnd = attribute->end;
    reference.value = DecodedValue(html, *attribute);
    references.push_back(std::move(reference));
}

bool HasToken(std::string_view list, std::string_view token) {
    std::size_t i = 0;
    while (i < list.size()) {
        while (i < list.size() && IsSpace(list[i])) ++i;
        std::size_t start = i;
        while (i < list.size() && !IsSpace(list[i])) ++i;
        if (i > start && EqualsIgnoringCase(list.substr(start, i - start), token)) return true;
    }
    return false;
}

void CollectTag(std::string_view html, const Tag& tag, std::vector<TextReference>& references) {
    const std::size_t first = references.size();
    const std::string& name = tag.name;
    if (name == "img") {
        AddAttribute(html, tag, "src", ReferenceKind::Image, references);
    } else if (name == "input") {
        const Attribute* type = FindAttribute(tag, "type");
        if (type && HasToken(DecodedValue(html, *type), "image")) {
            AddAttribute(html, tag, "src", ReferenceKind::Image, references);
        }
    } else if (name == "script") {
        AddAttribute(html, tag, "src", ReferenceKind::Script, references);
    } else if (name == "link") {
        const Attribute* rel = FindAttribute(tag, "rel");
        std::string relations = rel ? DecodedValue(html, *rel) : std::string();
        if (HasToken(relations, "stylesheet")) {
            AddAttribute(html, tag, "href", ReferenceKind::Stylesheet, references);
        } else if (HasToken(relations, "icon")) {
            AddAttribute(html, tag, "href", ReferenceKind::Icon, references);
        }
    } else if (name == "body" || name == "table" || name == "tr" || name == "td" || name == "th") {
        AddAttribute(html, tag, "background", ReferenceKind::Image, references);
    } else if (name == "a" || name == "area") {
        AddAttribute(html, tag, "href", ReferenceKind::Link, references);
    } else if (name == "frame" || name == "iframe") {
        AddAttribute(html, tag, "src", ReferenceKind::Link, references);
    } else if (name == "form") {
        AddAttribute(html, tag, "action", ReferenceKind::Link, references);
    } else if (name == "base") {
        AddAttribute(html, tag, "href", ReferenceKind::Base, references);
    }

    // Style text inside an attribute is read only when no character reference hides part of it.
    if (const Attribute* style = FindAttribute(tag, "style")) {
        std::string_view raw = html.substr(style->valueBegin, style->valueEnd - style->valueBegin);
        if (raw.find('&') == npos) {
            for (TextReference& reference :
                 FindStyleReferences(raw, style->valueBegin, ReferenceSyntax::StyleAttribute)) {
                references.push_back(std::move(reference));
            }
        }
    }
    // A style attribute may stand before the tag's own reference; callers read them in text order.
    auto byPosition = [](const TextReference& a, const TextReference& b) { return a.begin < b.begin; };
    auto tagReferences = references.begin() + static_cast<std::ptrdiff_t>(first);
    if (!std::is_sorted(tagReferences, references.end(), byPosition))
        std::stable_sort(tagReferences, references.end(), byPosition);
}

// Elements whose content is text, not markup, up to their end tag.
bool HasTextContent(std::string_view name) {
    static constexpr std::array<std::string_view, 9> kNames = {
        "script", "style", "textarea", "title", "xmp", "iframe", "noembed", "noframes", "noscript"};
    for (std::string_view text : kNames) {
        if (name == text) return true;
    }
    return false;
}

// Where the end tag "</name" begins, or the end of the text.
std::size_t FindEndTag(std::string_view html, std::size_t from, std::string_view name) {
    for (std::size_t at = html.find("</", from); at != npos; at = html.find("</", at + 2)) {
        std::size_t after = at + 2 + name.size();
        if (!StartsWithNoCase(html, at + 2, name)) continue;
        if (after == html.size() || IsSpace(html[after]) || html[after] == '/' || html[after] == '>') return at;
    }
    return html.size();
}

// Past a quoted style string starting at `at`; a line break ends it too.
std::size_t SkipStyleString(std::string_view style, std::size_t at) {
    char quote = style[at];
    for (std::size_t i = at + 1; i < style.size(); ++i) {
        if (style[i] == '\\') {
            ++i;
        } else if (style[i] == quote || style[i] == '\n') {
            return i + 1;
        }
    }
    return style.size();
}

std::size_t SkipStyleBlanks(std::string_view style, std::size_t i) {
    for (;;) {
        while (i < style.size() && IsSpace(style[i])) ++i;
        if (!style.substr(i).starts_with("/*")) return i;
        std::size_t close = style.find("*/", i + 2);
        i = close == npos ? style.size() : close + 2;
    }
}

bool IsNameCharacter(char c) {
    return IsAlpha(c) || IsDigit(c) || c == '-' || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

// A quoted string at `at` as a reference; nothing when it is not closed.
std::optional<TextReference> StyleString(std::string_view style, std::size_t at, std::size_t offset) {
    std::size_t end = SkipStyleString(style, at);
    if (end <= at + 1 || style[end - 1] != style[at]) return std::nullopt;
    TextReference reference;
    reference.quote = style[at];
    reference.begin = offset + at + 1;
    reference.end = offset + end - 1;
    reference.value = std::string(style.substr(at + 1, end - at - 2));
    return reference;
}

// The url( at `at`: its value as a reference, and where reading goes on.
std::optional<TextReference> StyleUrl(std::string_view style, std::size_t at, std::size_t offset,
                                      std::size_t& next) {
    std::size_t i = at + 4;
    while (i < style.size() && IsSpace(style[i])) ++i;
    next = i;
    if (i >= style.size()) return std::nullopt;
    if (style[i] == '"' || style[i] == '\'') {
        std::optional<TextReference> reference = StyleString(style, i, offset);
        next = SkipStyleString(style, i);
        return reference;
    }
    std::size_t start = i;
    while (i < style.size() && style[i] != ')' && !IsSpace(style[i]) && style[i] != '"' && style[i] != '\'') ++i;
    next = i;
    if (i == start || i >= style.size()) return std::nullopt;
    std::size_t after = i;
    while (after < style.size() && IsSpace(style[after])) ++after;
    if (after >= style.size() || style[after] != ')') return std::nullopt;
    TextReference reference;
    reference.begin = offset + start;
    reference.end = offset + i;
    reference.value = std::string(style.substr(start, i - start));
    next = after + 1;
    return reference;
}

}  // namespace

std::string DecodeAttributeValue(std::string_view raw) {
    static constexpr std::array<std::pair<std::string_view, char>, 9> kNamed = {
        {{"amp;", '&'}, {"lt;", '<'}, {"gt;", '>'}, {"quot;", '"'}, {"apos;", '\''},
         {"AMP;", '&'}, {"LT;", '<'}, {"GT;", '>'}, {"QUOT;", '"'}}};
    std::string decoded;
    decoded.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        char c = raw[i];
        if (c != '&') {
            decoded += c;
            continue;
        }
        if (i + 1 < raw.size() && raw[i + 1] == '#') {
            std::size_t j = i + 2;
            bool hex = j < raw.size() && (raw[j] == 'x' || raw[j] == 'X');
            if (hex) ++j;
            std::size_t digitsStart = j;
            unsigned long value = 0;
            for (; j < raw.size(); ++j) {
                char d = raw[j];
                int digit = IsDigit(d)                       ? d - '0'
                            : hex && AsciiLower(d) >= 'a' && AsciiLower(d) <= 'f' ? AsciiLower(d) - 'a' + 10
                                                                        : -1;
                if (digit < 0) break;
                if (value <= 0x10FFFF) value = value * (hex ? 16 : 10) + static_cast<unsigned>(digit);
            }
            if (j == digitsStart) {
                decoded += c;
                continue;
            }
            if (j < raw.size() && raw[j] == ';') ++j;
            if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) value = 0xFFFD;
            if (value < 0x80) {
                decoded += static_cast<char>(value);
            } else if (value < 0x800) {
                decoded += static_cast<char>(0xC0 | (value >> 6));
                decoded += static_cast<char>(0x80 | (value & 0x3F));
            } else if (value < 0x10000) {
                decoded += static_cast<char>(0xE0 | (value >> 12));
                decoded += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
                decoded += static_cast<char>(0x80 | (value & 0x3F));
            } else {
                decoded += static_cast<char>(0xF0 | (value >> 18));
                decoded += static_cast<char>(0x80 | ((value >> 12) & 0x3F));
                decoded += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
                decoded += static_cast<char>(0x80 | (value & 0x3F));
            }
            i = j - 1;
            continue;
        }
        bool named = false;
        for (auto [name, character] : kNamed) {
            if (raw.substr(i + 1).starts_with(name)) {
                decoded += character;
                i += name.size();
                named = true;
                break;
            }
        }
        if (!named) decoded += c;
    }
    return decoded;
}

std::vector<TextReference> FindStyleReferences(std::string_view style, std::size_t offset, ReferenceSyntax syntax) {
    std::vector<TextReference> references;
    auto add = [&](std::optional<TextReference> reference, ReferenceKind kind) {
        if (!reference) return;
        reference->kind = kind;
        reference->syntax = syntax;
        references.push_back(std::move(*reference));
    };
    std::size_t i = 0;
    while (i < style.size()) {
        char c = style[i];
        if (c == '/' && i + 1 < style.size() && style[i + 1] == '*') {
            std::size_t close = style.find("*/", i + 2);
            i = close == npos ? style.size() : close + 2;
        } else if (c == '"' || c == '\'') {
            i = SkipStyleString(style, i);
        } else if (c == '@' && StartsWithNoCase(style, i + 1, "import")) {
            std::size_t at = SkipStyleBlanks(style, i + 7);
            if (at < style.size() && (style[at] == '"' || style[at] == '\'')) {
                add(StyleString(style, at, offset), ReferenceKind::Stylesheet);
                i = SkipStyleString(style, at);
            } else if (StartsWithNoCase(style, at, "url(")) {
                std::size_t next = at;
                add(StyleUrl(style, at, offset, next), ReferenceKind::Stylesheet);
                i = next;
            } else {
                i = at;
            }
        } else if ((c == 'u' || c == 'U') && StartsWithNoCase(style, i, "url(") &&
                   (i == 0 || !IsNameCharacter(style[i - 1]))) {
            std::size_t next = i;
            add(StyleUrl(style, i, offset, next), ReferenceKind::Image);
            i = next;
        } else {
            ++i;
        }
    }
    return references;
}

std::vector<TextReference> FindHtmlReferences(std::string_view html) {
    std::vector<TextReference> references;
    const std::size_t n = html.size();
    std::size_t i = 0;
    while (i < n) {
        std::size_t open = html.find('<', i);
        if (open == npos) break;
        if (html.substr(open).starts_with("<!--")) {
            std::size_t body = open + 4;
            if (html.substr(body).starts_with(">")) {
                i = body + 1;
            } else if (html.substr(body).starts_with("->")) {
                i = body + 2;
            } else {
                std::size_t close = html.find("-->", body);
                i = close == npos ? n : close + 3;
            }
            continue;
        }
        char next = open + 1 < n ? html[open + 1] : '\0';
        if (next == '!' || next == '?' || next == '/') {
            // Declarations, processing instructions and end tags hold nothing that loads.
            std::size_t close = html.find('>', open + 2);
            i = close == npos ? n : close + 1;
            continue;
        }
        if (!IsAlpha(next)) {
            i = open + 1;
            continue;
        }
        Tag tag = ReadStartTag(html, open);
        if (!tag.complete) break;
        CollectTag(html, tag, references);
        i = tag.end;
        if (tag.name == "plaintext") break;
        if (HasTextContent(tag.name)) {
            std::size_t close = FindEndTag(html, i, tag.name);
            if (tag.name == "style") {
                for (TextReference& reference : FindStyleReferences(html.substr(i, close - i), i)) {
                    references.push_back(std::move(reference));
                }
            }
            i = close;
        }
    }
    return references;
}

}  // namespace brisova
