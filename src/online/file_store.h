// The files of the installation as the online workers see them: named by paths relative to the
// program directory with "\" between the parts ("data\download\VerInf"), as the program writes
// its data paths. Every file is written under a temporary name and renamed into place, so a
// worker ended mid-write never leaves a damaged file under the real name.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisova {

// Appended to a file's name while it is being written.
inline constexpr std::string_view kPartialFileSuffix = "~part";

class FileWriter {
public:
    // A writer destroyed before Commit removes what it wrote and leaves the old file alone.
    virtual ~FileWriter() = default;
    virtual bool Write(std::string_view bytes) = 0;
    virtual std::uint64_t Written() const = 0;
    // Replaces the file with the bytes written, in one step.
    virtual bool Commit() = 0;
};

class FileStore {
public:
    virtual ~FileStore() = default;

    // The whole content of a plain file; none for a missing file or a directory.
    virtual std::optional<std::string> Read(const std::string& path) const = 0;
    virtual std::optional<std::uint64_t> Size(const std::string& path) const = 0;
    // Removes a plain file; directories are never removed.
    virtual bool Remove(const std::string& path) = 0;
    // None when the file cannot be created, for example because its directory is missing.
    virtual std::unique_ptr<FileWriter> Create(const std::string& path) = 0;
    // The names of the plain files in a directory, without subdirectories.
    virtual std::vector<std::string> ListFiles(const std::string& directory) const = 0;

    bool Exists(const std::string& path) const { return Size(path).has_value(); }
    bool WriteWhole(const std::string& path, std::string_view bytes);
    bool Copy(const std::string& from, const std::string& to);
};

// The files under one directory of the machine, the program directory in the program. The root
// is given as a file system path; the relative names are UTF-8.
class DirectoryFileStore final : public FileStore {
public:
    explicit DirectoryFileStore(std::filesystem::path root) : root_(std::move(root)) {}
    // The root as the program's text: UTF-8. (A path made from a narrow string directly would be
    // read in the C library's code page.)
    explicit DirectoryFileStore(const std::string& utf8Root);

    std::optional<std::string> Read(const std::string& path) const override;
    std::optional<std::uint64_t> Size(const std::string& path) const override;
    bool Remove(const std::string& path) override;
    std::unique_ptr<FileWriter> Create(const std::string& path) override;
    std::vector<std::string> ListFiles(const std::string& directory) const override;

    std::filesystem::path NativePath(const std::string& path) const;

private:
    std::filesystem::path root_;
};

}  // namespace brisova
