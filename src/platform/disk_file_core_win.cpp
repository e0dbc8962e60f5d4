#include "platform/disk_file.h"

#include <windows.h>

namespace brisova {

bool IsLinkOrJunction(const std::filesystem::path& path) {
    DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

}  // namespace brisova
