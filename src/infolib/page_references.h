// Where a page's HTML and style sheets refer to other addresses: the attribute values that load
// something into the page (images, style sheets, scripts, icons), the links that lead away from
// it, the <base> that changes what relative addresses mean, and the url(...) and @import of
// style text. Only the positions are found; what to write there is decided by whoever saves
// the page.
//
// The HTML is read the way a browser tokenises it, byte by byte, in any encoding that keeps
// ASCII as ASCII: comments, <script>, <style>, <textarea> and <title> content are never taken
// for tags (style content is read as style text), attribute values may be double-quoted,
// single-quoted or bare, and tag and attribute names are compared without regard to case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace brisova {

enum class ReferenceKind {
    Image,       // img src, input type=image src, background of body/table/tr/td/th, url() in style
    Stylesheet,  // link rel=stylesheet href, @import
    Script,      // script src
    Icon,        // link rel=icon href
    Link,        // a/area href, frame/iframe src, form action: left online, never saved
    Base,        // base href
};

// How a replacement has to be written to mean the same where it stands.
enum class ReferenceSyntax {
    HtmlAttribute,   // an attribute value: "&" is written as "&amp;"
    StyleText,       // url(...) or @import in a <style> element or a style sheet file
    StyleAttribute,  // url(...) inside a style attribute: style text, then an attribute value
};

struct TextReference {
    ReferenceKind kind = ReferenceKind::Image;
    ReferenceSyntax syntax = ReferenceSyntax::HtmlAttribute;
    // The value's bytes in the text, without its quotes.
    std::size_t begin = 0;
    std::size_t end = 0;
    // The quote around the value ('"' or '\''), or 0 for a bare value.
    char quote = 0;
    // The whole attribute, from its name to the end of its value and closing quote (HTML only).
    std::size_t attributeBegin = 0;
    std::size_t attributeEnd = 0;
    // The value as the browser reads it: character references decoded in attribute values.
    std::string value;
};

// The references in HTML, in the order they appear.
std::vector<TextReference> FindHtmlReferences(std::string_view html);

// The url(...) and @import references of style text; positions are counted from `offset`.
std::vector<TextReference> FindStyleReferences(std::string_view style, std::size_t offset = 0,
                                               ReferenceSyntax syntax = ReferenceSyntax::StyleText);

// An attribute value as the browser reads it: "&amp;", "&lt;", "&gt;", "&quot;", "&apos;" and
// numeric character references ("&#38;", "&#x26;") decoded, numbers as UTF-8.
std::string DecodeAttributeValue(std::string_view raw);

}  // namespace brisova
