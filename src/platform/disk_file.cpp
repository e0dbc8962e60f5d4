#include "platform/disk_file.h"

#include <system_error>
#include <utility>
#include <vector>

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

}  // namespace

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
