// Web addresses as a saved page needs them: the absolute address a reference in the page stands
// for, and the local file behind a "file:" address. Addresses are the page's own bytes; what
// cannot travel in a request as it stands (blanks, quotes, angle brackets, bytes above 127) is
// escaped with "%", the way the browser sends them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brisova {

// The lower-cased scheme of an address ("http" for "HTTP://x/"), or empty when it has none.
std::string AddressScheme(std::string_view address);

// The absolute address `reference` stands for in a document at `base`: a reference with a scheme
// of its own stands for itself, "//host/x" keeps the base's scheme, "/x" its host, "x" and
// "../x" are taken from the base's directory, "?q" replaces only the query. "." and ".."
// segments are resolved, the fragment is dropped, and in http, https, ftp and file addresses a
// backslash counts as "/" (as the browser reads them). A drive path such as "C:\dir\a.png"
// becomes a "file:" address. Nothing when the reference is relative and the base cannot take
// one ("about:blank", a base without a scheme).
std::optional<std::string> ResolveAddress(std::string_view base, std::string_view reference);

// The local drive path ("C:\dir\a b.png") a "file:" address names, percent escapes decoded.
// Nothing for a file on another computer ("file://server/share/x"), for an address that is not
// a "file:" one, and for anything that would climb out of its directory.
std::optional<std::string> LocalPathFromFileAddress(std::string_view address);

// Decodes "%" followed by two hexadecimal digits; any other "%" stays as it is.
std::string PercentDecode(std::string_view text);

}  // namespace brisova
