#include "infolib/library_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/disk_file.h"

namespace brisova {

namespace fs = std::filesystem;

namespace {
fs::path ToPath(const std::string& path) { return PathFromUtf8(path); }
}  // namespace

std::optional<std::string> DiskLibraryFiles::Read(const std::string& path, std::size_t maxBytes) const {
    try {
        return ReadFileBytes(ToPath(path), maxBytes);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool DiskLibraryFiles::Replace(const std::string& path, std::string_view bytes) {
    try {
        return ReplaceFileContent(ToPath(path), bytes);
    } catch (const std::exception&) {
        return false;
    }
}

bool DiskLibraryFiles::IsDirectory(const std::string& path) const {
    try {
        std::error_code error;
        return fs::is_directory(ToPath(path), error);
    } catch (const std::exception&) {
        return false;
    }
}

bool DiskLibraryFiles::MakeDirectory(const std::string& path) {
    try {
        std::error_code error;
        fs::create_directories(ToPath(path), error);
        return !error && fs::is_directory(ToPath(path), error);
    } catch (const std::exception&) {
        return false;
    }
}

void DiskLibraryFiles::RemoveTree(const std::string& path) {
    try {
        RemoveTreeWithoutFollowingLinks(ToPath(path));
    } catch (const std::exception&) {
    }
}

std::optional<std::string> DiskLibraryFiles::FirstFile(const std::string& directory) const {
    try {
        std::error_code error;
        for (fs::directory_iterator it(ToPath(directory), error), end; !error && it != end; it.increment(error)) {
            std::error_code typeError;
            if (!it->is_directory(typeError)) return Utf8FromPath(it->path().filename());
        }
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

}  // namespace brisova
