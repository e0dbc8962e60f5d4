// The rules behind the mail commands: the mailto address of a link, the attachment of a page,
// and the command line of the user's mail program.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace brisova {

// Percent-encodes everything but the unreserved characters, so that "&", "?", "#", "%", blanks
// and non-ASCII bytes of a subject or body cannot end it early or change its meaning.
std::string PercentEncodeMailtoPart(std::string_view text);

// The name a page goes by in a message: its title, or for a title that is itself an address
// ("http:..." or "file:..."), the last segment of it with ':' made '_'.
std::string MailNameFromTitle(std::string_view title);

// "mailto:?subject=...&body=..." for Link by Email. A local page ("file:") is named by its path,
// any other by its name with ".htm"; the body is the address.
std::string LinkMailAddress(std::string_view address, std::string_view title);

// The file a local page ("file:" address) stands for, with its escapes decoded and '\' as the
// separator: "file:///C:/My%20Pages/a.htm" is "C:\My Pages\a.htm", "file://host/share/a.htm"
// is "\\host\share\a.htm". Nothing for any other address or one without a path.
// A decoded control character (a NUL among them) makes it no local page.
std::optional<std::string> LocalPagePath(std::string_view address);

// The local page's file when the mail system can take it as an attachment as it is: not when
// its path holds ';', which separates attachments. Such a page goes through a copy.
std::optional<std::string> LocalAttachmentPath(std::string_view address);

// A file name (without extension) for the temporary copy of a page: the mail name of its title,
// cut to at most `maxBytes` at a character boundary, with every character that a file name
// cannot hold (and ';', which separates attachments) made '_', never a device name, never
// empty, never "." or "..".
std::string SafeAttachmentName(std::string_view title, std::size_t maxBytes = 64);

// The "<BASE HREF=...>" line that makes a saved copy of `address` load its resources from
// where the page came from.
std::string BaseHrefLine(std::string_view address);

struct CommandLine {
    std::string program;
    std::string arguments;
};

// Splits a registered command line into program and arguments: a program in double quotes
// runs to the closing quote; otherwise it ends at the first blank.
CommandLine SplitCommandLine(std::string_view command);

// The mail program's command line with the mailto address in place of its first "%1"; a
// command line without "%1" gets the address as its last argument.
CommandLine MailCommandLine(std::string_view command, std::string_view mailAddress);

}  // namespace brisova
