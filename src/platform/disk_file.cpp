#include "platform/disk_file.h"

#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace brisova {

namespace fs = std::filesystem;

fs::path PathFromUtf8(std::string_view path) {
    return fs::path(std::u8string(path.begin(), path.end()));
}

std::string Utf8FromPath(const fs::path& path) {
    std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

namespace {

std::FILE* OpenForWriting(const fs::path& path) {
#ifdef _WIN32
    return ::_wfopen(path.c_str(), L"wb");
#else
    return std::fopen(path.c_str(), "wb");
#endif
}

bool FlushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) return false;
#ifdef _WIN32
    return ::_commit(::_fileno(file)) == 0;
#else
    return ::fsync(::fileno(file)) == 0;
#endif
}

#ifdef _WIN32
int OpenForReading(const fs::path& path) { return ::_wopen(path.c_str(), _O_RDONLY | _O_BINARY); }
long long SizeOf(int file) {
    struct _stat64 status {};
    return ::_fstat64(file, &status) == 0 ? status.st_size : -1;
}
long long ReadInto(int file, char* buffer, std::size_t size) {
    // The C library reads at most INT_MAX bytes a call.
    return ::_read(file, buffer, static_cast<unsigned>(std::min<std::size_t>(size, 0x7FFFFFFF)));
}
void Close(int file) { ::_close(file); }
#else
int OpenForReading(const fs::path& path) { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC); }
long long SizeOf(int file) {
    struct stat status {};
    return ::fstat(file, &status) == 0 ? status.st_size : -1;
}
long long ReadInto(int file, char* buffer, std::size_t size) { return ::read(file, buffer, size); }
void Close(int file) { ::close(file); }
#endif

}  // namespace

std::optional<std::string> ReadFileBytes(const fs::path& path, std::size_t maxBytes) {
    const int file = OpenForReading(path);
    if (file < 0) return std::nullopt;
    const long long size = SizeOf(file);
    if (size < 0) {
        Close(file);
        return std::nullopt;
    }
    // One byte more than measured shows at once whether the file ended where it was measured.
    std::string bytes;
    bytes.resize(std::min<std::size_t>(maxBytes, static_cast<std::size_t>(size) + 1));
    std::size_t have = 0;
    bool failed = false;
    while (have < bytes.size()) {
        const long long got = ReadInto(file, bytes.data() + have, bytes.size() - have);
        if (got < 0) failed = true;
        if (got <= 0) break;
        have += static_cast<std::size_t>(got);
        // A file that grew since it was measured is read on in larger steps, up to maxBytes.
        if (have == bytes.size() && bytes.size() < maxBytes)
            bytes.resize(std::min<std::size_t>(maxBytes, bytes.size() * 2));
    }
    Close(file);
    if (failed) return std::nullopt;
    bytes.resize(have);
    return bytes;
}

ReplacingFileWriter::ReplacingFileWriter(fs::path target, fs::path temporary)
    : target_(std::move(target)), temporary_(std::move(temporary)), file_(OpenForWriting(temporary_)) {}

ReplacingFileWriter::~ReplacingFileWriter() { Discard(); }

bool ReplacingFileWriter::Write(std::string_view bytes) {
    if (!file_ || failed_) return false;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        failed_ = true;
        return false;
    }
    written_ += bytes.size();
    return true;
}

bool ReplacingFileWriter::Commit() {
    if (!file_ || failed_) return false;
    bool flushed = FlushToDisk(file_);
    bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    std::error_code error;
    if (flushed && closed) fs::rename(temporary_, target_, error);
    if (!flushed || !closed || error) {
        fs::remove(temporary_, error);
        return false;
    }
    return true;
}

void ReplacingFileWriter::Discard() {
    if (!file_) return;
    std::fclose(file_);
    file_ = nullptr;
    std::error_code ignored;
    fs::remove(temporary_, ignored);
}

#ifndef _WIN32
bool IsLinkOrJunction(const fs::path& path) {
    std::error_code ignored;
    return fs::is_symlink(fs::symlink_status(path, ignored));
}
#endif

void RemoveTreeWithoutFollowingLinks(const fs::path& path) {
    std::error_code error;
    if (!IsLinkOrJunction(path) && fs::is_directory(path, error)) {
        std::vector<fs::path> children;
        for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
            children.push_back(it->path());
        }
        for (const fs::path& child : children) RemoveTreeWithoutFollowingLinks(child);
    }
    fs::remove(path, error);
}

bool ReplaceFileContent(const fs::path& target, std::string_view bytes) {
    fs::path temporary = target;
    temporary += ".tmp";
    ReplacingFileWriter writer(target, temporary);
    return writer.Write(bytes) && writer.Commit();
}

}  // namespace brisova
