#include "infolib/library_paths.h"

namespace brisova {

std::string JoinPath(std::string_view directory, std::string_view name) {
    std::string path(directory);
    if (!path.empty() && path.back() != kPathSeparator) path += kPathSeparator;
    path += name;
    return path;
}

std::string LibraryRootFor(std::string_view programDirectory) {
    return JoinPath(JoinPath(programDirectory, "data"), "MyInfoLib");
}

std::string TreeFilePath(std::string_view root) { return JoinPath(root, "MyInfoLib"); }

std::string TemplatePath(std::string_view root) { return JoinPath(root, "frame"); }

std::string OutputDirectory(std::string_view root) { return JoinPath(root, "webtmp"); }

std::string OutputPagePath(std::string_view root, int pageNumber) {
    return JoinPath(OutputDirectory(root), std::to_string(pageNumber) + ".html");
}

std::string PageDirectory(std::string_view root, std::int32_t id) {
    return JoinPath(root, std::to_string(id));
}

std::string PageFilePath(std::string_view root, std::int32_t id, std::string_view fileName) {
    return JoinPath(PageDirectory(root, id), fileName);
}

std::string TextCopyPath(std::string_view filePath) { return std::string(filePath) + ".dat"; }

bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\:") == std::string_view::npos;
}

}  // namespace brisova
