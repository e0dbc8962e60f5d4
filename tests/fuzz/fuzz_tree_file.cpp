// The library's tree file: whatever it holds reads as a tree that writes back and reads again
// as the same tree.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "infolib/tree_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    brisova::TreeFileContent tree = brisova::ParseTreeFile(std::string_view(reinterpret_cast<const char*>(data), size));
    std::string written = brisova::SerializeTree(tree.nextId, tree.topLevel);
    brisova::TreeFileContent again = brisova::ParseTreeFile(written);
    if (brisova::SerializeTree(again.nextId, again.topLevel) != written) std::abort();
    return 0;
}
