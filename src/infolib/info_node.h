// One folder or saved page of the library, as the tree file and the tree control know it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace brisova {

enum class NodeType : std::int32_t { Page = 0, Folder = 1 };

struct InfoNode {
    std::int32_t id = 0;
    // The item of a tree control that shows this folder, owned by that control; null otherwise.
    void* treeItem = nullptr;
    NodeType type = NodeType::Page;
    std::string name;
    std::string fileName;  // pages only: the saved file inside the page directory
    std::int32_t time = 0;  // creation time, seconds since 1970 UTC; stored for pages only
    InfoNode* parent = nullptr;
    std::vector<std::unique_ptr<InfoNode>> children;

    bool IsFolder() const { return type == NodeType::Folder; }
    bool IsPage() const { return type == NodeType::Page; }
};

using NodeList = std::vector<std::unique_ptr<InfoNode>>;

// Folders may nest this deep below the top level and no deeper; the tree file reader keeps one
// record per open level.
inline constexpr int kMaxTreeLevels = 499;

}  // namespace brisova
