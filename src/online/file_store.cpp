#include "online/file_store.h"

#include <exception>
#include <fstream>
#include <iterator>

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
        : destination_(std::move(destination)), temporary_(std::move(temporary)),
          out_(temporary_, std::ios::binary | std::ios::trunc) {}

    ~TemporaryFileWriter() override {
        if (committed_) return;
        out_.close();
        std::error_code ignored;
        fs::remove(temporary_, ignored);
    }

    bool opened() const { return out_.is_open(); }

    bool Write(std::string_view bytes) override {
        out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out_) return false;
        written_ += bytes.size();
        return true;
    }

    std::uint64_t Written() const override { return written_; }

    bool Commit() override {
        out_.close();
        if (out_.fail()) return false;
        std::error_code error;
        fs::rename(temporary_, destination_, error);
        committed_ = !error;
        return committed_;
    }

private:
    fs::path destination_;
    fs::path temporary_;
    std::ofstream out_;
    std::uint64_t written_ = 0;
    bool committed_ = false;
};

}  // namespace

fs::path DirectoryFileStore::NativePath(const std::string& path) const {
    std::string portable = path;
    for (char& c : portable) {
        if (c == '\\') c = '/';
    }
    return root_ / fs::path(portable);
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
        // On Windows a name the user's code page cannot spell throws here; it is not one of ours.
        try {
            names.push_back(it->path().filename().string());
        } catch (const std::exception&) {
        }
    }
    return names;
}

}  // namespace brisova
