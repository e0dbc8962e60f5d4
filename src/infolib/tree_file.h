// The binary tree file: a 32-bit next id, then node lists of tagged records, little-endian.
#pragma once

#include "infolib/info_node.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace brisova {

inline constexpr std::uint8_t kTagNode = 0;
inline constexpr std::uint8_t kTagChildren = 1;
inline constexpr std::uint8_t kTagEnd = 2;

struct TreeFileContent {
    std::int32_t nextId = 0;
    NodeList topLevel;
    // False when the bytes were damaged or cut short; what was sound before that is kept.
    bool sound = false;
};

// Never reads past the bytes, never allocates more than they hold. A subtree nested deeper
// than kMaxTreeLevels is read over and left out.
TreeFileContent ParseTreeFile(std::string_view bytes);

std::string SerializeTree(std::int32_t nextId, const NodeList& topLevel);

}  // namespace brisova
