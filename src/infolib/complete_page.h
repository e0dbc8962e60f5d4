// A page saved complete, so that it still shows as it did when opened later without a network:
// the page file "<stem>.htm" in the page directory and, in the folder "<stem>_files" beside it,
// the images, style sheets, scripts and icons it loads (and the images and style sheets those
// style sheets load). The saved HTML and style sheets point at the saved copies; a reference to
// something that could not be saved, and every relative link, is written as the absolute
// address it stood for, so the saved page still works online. Everything else in the page is
// kept byte for byte.
#pragma once

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "infolib/library_files.h"
#include "infolib/page_references.h"

namespace brisova {

// Bounds that no page, however odd, gets past.
inline constexpr std::size_t kMaxSavedResources = 500;
inline constexpr std::size_t kMaxResourceBytes = 16 * 1024 * 1024;
inline constexpr std::size_t kMaxSavedResourceBytes = 256 * 1024 * 1024;

class ResourceFetcher {
public:
    virtual ~ResourceFetcher() = default;
    // The bytes at an absolute "http:", "https:" or "file:" address (at most kMaxResourceBytes),
    // or nothing when they could not be had.
    virtual std::optional<std::string> Fetch(const std::string& address) = 0;
};

// The companion folder of a page file: "Weather report.htm" keeps its resources in
// "Weather report_files". Only characters that read the same in every ASCII-based encoding and
// need no quoting in HTML or style text stay; any other run of bytes becomes one "_".
std::string CompanionFolderName(std::string_view pageFileName);

// The file names of one companion folder, each unique without regard to case (as the file
// system compares them).
class ResourceNames {
public:
    // A name made from the last segment of the address's path: only the characters
    // CompanionFolderName keeps, at most 60 before the extension, never a device name. Style
    // sheets end in ".css" and scripts in ".js"; an image gets the extension its bytes show
    // (or ".img" when they show none and the name has no image extension), so that the browser
    // takes the saved file for what it is. "_2", "_3", ... before the extension keep names apart.
    std::string Take(std::string_view address, ReferenceKind kind, std::string_view content);

private:
    std::set<std::string> taken_;  // lower-cased
};

// The page with the comment that names where it was saved from ("<!-- saved from url=(0022)
// http://example.com/ -->"), after its document type declaration: the browser control opens a
// marked file in the security zone of that address, not with the rights of the local machine.
// An address that cannot be named (none, or too long) marks the page as from the Internet. A
// page in a 16-bit encoding is left as it is.
std::string WithSavedFromMark(std::string_view html, std::string_view pageAddress);

// Writes `html`, the page at `pageAddress`, as directory\pageFileName, marked as saved from there, with what it loads
// fetched through `fetcher` into the companion folder (made only when something is saved in
// it). Only "http:" and "https:" resources are fetched, and "file:" ones when the page is a
// local file itself. False only when the page file could not be written.
bool SaveCompletePage(LibraryFiles& files, ResourceFetcher& fetcher, std::string_view html,
                      std::string_view pageAddress, const std::string& directory,
                      const std::string& pageFileName);

}  // namespace brisova
