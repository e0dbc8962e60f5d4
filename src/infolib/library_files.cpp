#include "infolib/library_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace brisova {

namespace fs = std::filesystem;

namespace {
// Narrow paths become file system paths through the C library's multibyte conversion of the
// current locale. On Windows the program sets that locale to the user's code page at start
// (setlocale(LC_CTYPE, "")), so a narrow path names the same file here as in the narrow calls.
fs::path ToPath(const std::string& path) { return fs::path(path); }
}  // namespace

std::optional<std::string> DiskLibraryFiles::Read(const std::string& path, std::size_t maxBytes) const {
    try {
        std::ifstream in(ToPath(path), std::ios::binary);
        if (!in) return std::nullopt;
        std::string bytes;
        char buffer[64 * 1024];
        while (bytes.size() < maxBytes) {
            std::size_t want = std::min(sizeof buffer, maxBytes - bytes.size());
            in.read(buffer, static_cast<std::streamsize>(want));
            std::streamsize got = in.gcount();
            if (got <= 0) break;
            bytes.append(buffer, static_cast<std::size_t>(got));
        }
        if (in.bad()) return std::nullopt;
        return bytes;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool DiskLibraryFiles::Replace(const std::string& path, std::string_view bytes) {
    try {
        fs::path target = ToPath(path);
        fs::path temporary = ToPath(path + ".tmp");
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            if (!out) return false;
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.close();
            if (!out) {
                std::error_code ignored;
                fs::remove(temporary, ignored);
                return false;
            }
        }
        std::error_code error;
        fs::rename(temporary, target, error);
        if (error) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
        return true;
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
        std::error_code ignored;
        fs::remove_all(ToPath(path), ignored);
    } catch (const std::exception&) {
    }
}

std::optional<std::string> DiskLibraryFiles::FirstFile(const std::string& directory) const {
    try {
        std::error_code error;
        for (fs::directory_iterator it(ToPath(directory), error), end; !error && it != end; it.increment(error)) {
            std::error_code typeError;
            if (!it->is_directory(typeError)) return it->path().filename().string();
        }
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

}  // namespace brisova
