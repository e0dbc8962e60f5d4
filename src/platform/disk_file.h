// The program's text is UTF-8, paths included. File system paths are made from it and read
// back through these two functions only: a std::filesystem::path built from a plain narrow string
// would go through the C library's multibyte conversion, which on Windows is not UTF-8.
//
// Files the program rewrites go through ReplacingFileWriter: written under a temporary name
// beside the target, flushed to the disk, then renamed over the target, so a crash, a power cut
// or a stopped thread leaves the old content or the new, never a mixture.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace brisova {

std::filesystem::path PathFromUtf8(std::string_view path);
std::string Utf8FromPath(const std::filesystem::path& path);

class ReplacingFileWriter {
public:
    ReplacingFileWriter(std::filesystem::path target, std::filesystem::path temporary);
    ReplacingFileWriter(const ReplacingFileWriter&) = delete;
    ReplacingFileWriter& operator=(const ReplacingFileWriter&) = delete;
    // Without a commit the target stays as it was and the temporary file is removed.
    ~ReplacingFileWriter();

    bool opened() const { return file_ != nullptr; }
    bool Write(std::string_view bytes);
    std::uint64_t written() const { return written_; }
    // Flushes the temporary file to the disk and renames it over the target.
    bool Commit();

private:
    void Discard();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
    std::uint64_t written_ = 0;
    bool failed_ = false;
};

// The file's bytes, at most maxBytes of them, or nothing when it cannot be read. The file is
// opened, measured and read in one call where it did not grow meanwhile: the library's search
// reads thousands of small files.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes);

// The whole file replaced by bytes through "<target>.tmp".
bool ReplaceFileContent(const std::filesystem::path& target, std::string_view bytes);

// A symbolic link, or on Windows any reparse point (a junction too): a place that leads elsewhere.
bool IsLinkOrJunction(const std::filesystem::path& path);

// Removes the path with everything below it. A link or junction met on the way is removed
// itself, never followed: what it points to stays untouched.
void RemoveTreeWithoutFollowingLinks(const std::filesystem::path& path);

}  // namespace brisova
