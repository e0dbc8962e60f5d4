// A library root in a fresh temporary directory, and helpers to build and compare trees.
#pragma once

#include "infolib/info_node.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace brisova::testing {

class TempLibraryRoot {
public:
    TempLibraryRoot() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() / ("brisova-infolib-" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempLibraryRoot() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string str() const { return path_.string(); }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    void Write(const std::string& relative, const std::string& bytes) const {
        std::filesystem::create_directories((path_ / relative).parent_path());
        std::ofstream(path_ / relative, std::ios::binary) << bytes;
    }
    std::string ReadText(const std::string& relative) const {
        std::ifstream in(path_ / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool Exists(const std::string& relative) const { return std::filesystem::exists(path_ / relative); }

private:
    std::filesystem::path path_;
};

inline InfoNode* AddChild(InfoNode& parent, std::int32_t id, NodeType type, std::string name,
                          std::string fileName = "", std::int32_t time = 0) {
    auto node = std::make_unique<InfoNode>();
    node->id = id;
    node->type = type;
    node->name = std::move(name);
    node->fileName = std::move(fileName);
    node->time = time;
    node->parent = &parent;
    parent.children.push_back(std::move(node));
    return parent.children.back().get();
}

inline std::unique_ptr<InfoNode> MakeFolder(std::int32_t id, std::string name) {
    auto node = std::make_unique<InfoNode>();
    node->id = id;
    node->type = NodeType::Folder;
    node->name = std::move(name);
    return node;
}

// Same shape and same stored fields; a folder's time is not stored, so it is not compared.
inline bool SameTree(const NodeList& a, const NodeList& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const InfoNode& x = *a[i];
        const InfoNode& y = *b[i];
        if (x.id != y.id || x.type != y.type || x.name != y.name) return false;
        if (x.IsPage() && (x.fileName != y.fileName || x.time != y.time)) return false;
        if (!SameTree(x.children, y.children)) return false;
    }
    return true;
}

}  // namespace brisova::testing
