// Every path of the library on disk is built here, so the separator lives in one place.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brisova {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

std::string JoinPath(std::string_view directory, std::string_view name);

// The library root below the program directory: "data" then "MyInfoLib".
std::string LibraryRootFor(std::string_view programDirectory);

std::string TreeFilePath(std::string_view root);      // "MyInfoLib" in the root
std::string TemplatePath(std::string_view root);      // "frame"
std::string OutputDirectory(std::string_view root);   // "webtmp"
std::string OutputPagePath(std::string_view root, int pageNumber);
std::string PageDirectory(std::string_view root, std::int32_t id);
std::string PageFilePath(std::string_view root, std::int32_t id, std::string_view fileName);
std::string TextCopyPath(std::string_view filePath);  // the file's path + ".dat"

// A saved file's name must stay inside its page directory: no separators, not "." or "..".
bool IsPlainFileName(std::string_view name);

}  // namespace brisova
