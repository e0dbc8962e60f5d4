// The few file operations the library needs, behind an interface so the library can be driven
// over any directory. Paths are the program's narrow strings; failures are reported, never thrown.
#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace brisova {

class LibraryFiles {
public:
    virtual ~LibraryFiles() = default;

    // The file's bytes, or nothing when it cannot be read; a longer file reads as its first
    // maxBytes bytes.
    virtual std::optional<std::string> Read(const std::string& path,
                                            std::size_t maxBytes = std::numeric_limits<std::size_t>::max()) const = 0;
    // Writes the whole file under a temporary name beside it and renames that over the file,
    // so a failure never leaves a half-written file behind.
    virtual bool Replace(const std::string& path, std::string_view bytes) = 0;
    virtual bool IsDirectory(const std::string& path) const = 0;
    virtual bool MakeDirectory(const std::string& path) = 0;
    // Removes the path with everything below it; links are removed, never followed.
    virtual void RemoveTree(const std::string& path) = 0;
    // The name of the first entry that is not a directory, in the file system's order.
    virtual std::optional<std::string> FirstFile(const std::string& directory) const = 0;
};

class DiskLibraryFiles final : public LibraryFiles {
public:
    std::optional<std::string> Read(const std::string& path, std::size_t maxBytes) const override;
    using LibraryFiles::Read;
    bool Replace(const std::string& path, std::string_view bytes) override;
    bool IsDirectory(const std::string& path) const override;
    bool MakeDirectory(const std::string& path) override;
    void RemoveTree(const std::string& path) override;
    std::optional<std::string> FirstFile(const std::string& directory) const override;
};

}  // namespace brisova
