#include "online/file_store.h"

#include <fstream>
#include <iterator>

#include "platform/disk_file.h"

namespace brisova {

namespace fs = std::filesystem;

bool FileStore::WriteWhole(const std::string& path, std::string_view bytes) {
    std::unique_ptr<FileWriter> writer = Create(path);
    return writer && writer->Write(bytes) && writer->Commit();
}

bool FileStore::Copy(const std::string& from, const std::string& to) {
    std::optional<std::string> bytes = Read(from);
    return bytes && WriteWhole(to, *bytes);
}

namespace {

class TemporaryFileWriter final : public FileWriter {
public:
    TemporaryFileWriter(fs::path destination, fs::path temporary)
        : file_(std::move(destination), std::move(temporary)) {}

    bool opened() const { return file_.opened(); }
    bool Write(std::string_view bytes) override { return file_.Write(bytes); }
    std::uint64_t Written() const override { return file_.written(); }
    bool Commit() override { return file_.Commit(); }

private:
    ReplacingFileWriter file_;
};

}  // namespace

DirectoryFileStore::DirectoryFileStore(const std::string& utf8Root) : root_(PathFromUtf8(utf8Root)) {}

fs::path DirectoryFileStore::NativePath(const std::string& path) const {
    std::string portable = path;
    for (char& c : portable) {
        if (c == '\\') c = '/';
    }
    return root_ / PathFromUtf8(portable);
}

std::optional<std::string> DirectoryFileStore::Read(const std::string& path) const {
    fs::path native = NativePath(path);
    std::error_code error;
    if (!fs::is_regular_file(native, error)) return std::nullopt;
    std::ifstream in(native, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

std::optional<std::uint64_t> DirectoryFileStore::Size(const std::string& path) const {
    std::error_code error;
    fs::path native = NativePath(path);
    if (!fs::is_regular_file(native, error)) return std::nullopt;
    std::uintmax_t size = fs::file_size(native, error);
    if (error) return std::nullopt;
    return size;
}

bool DirectoryFileStore::Remove(const std::string& path) {
    std::error_code error;
    fs::path native = NativePath(path);
    if (fs::is_directory(native, error)) return false;
    return fs::remove(native, error);
}

std::unique_ptr<FileWriter> DirectoryFileStore::Create(const std::string& path) {
    fs::path destination = NativePath(path);
    fs::path temporary = destination;
    temporary += std::string(kPartialFileSuffix);
    auto writer = std::make_unique<TemporaryFileWriter>(destination, temporary);
    if (!writer->opened()) return nullptr;
    return writer;
}

std::vector<std::string> DirectoryFileStore::ListFiles(const std::string& directory) const {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(NativePath(directory), error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) continue;
        names.push_back(Utf8FromPath(it->path().filename()));
    }
    return names;
}

}  // namespace brisova
