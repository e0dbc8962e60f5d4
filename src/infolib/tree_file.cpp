#include "infolib/tree_file.h"

#include <vector>

namespace brisova {

namespace {

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    bool Byte(std::uint8_t& value) {
        if (pos_ >= bytes_.size()) return false;
        value = static_cast<std::uint8_t>(bytes_[pos_++]);
        return true;
    }

    bool Int32(std::int32_t& value) {
        if (bytes_.size() - pos_ < 4) return false;
        std::uint32_t u = 0;
        for (int i = 3; i >= 0; --i) u = (u << 8) | static_cast<std::uint8_t>(bytes_[pos_ + i]);
        pos_ += 4;
        value = static_cast<std::int32_t>(u);
        return true;
    }

    // A length that counts the terminating NUL, then the text; the text ends at its first NUL.
    bool Text(std::string& text) {
        std::int32_t signedLength = 0;
        if (!Int32(signedLength)) return false;
        auto length = static_cast<std::uint32_t>(signedLength);
        if (length > bytes_.size() - pos_) return false;
        std::string_view raw = bytes_.substr(pos_, length);
        pos_ += length;
        text.assign(raw.substr(0, raw.find('\0')));
        return true;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

std::unique_ptr<InfoNode> ReadNodeBody(ByteReader& in) {
    auto node = std::make_unique<InfoNode>();
    std::int32_t type = 0;
    if (!in.Int32(node->id) || !in.Text(node->name) || !in.Int32(type)) return nullptr;
    if (type == static_cast<std::int32_t>(NodeType::Folder)) {
        node->type = NodeType::Folder;
        return node;
    }
    if (type != static_cast<std::int32_t>(NodeType::Page)) return nullptr;
    node->type = NodeType::Page;
    if (!in.Text(node->fileName) || !in.Int32(node->time)) return nullptr;
    return node;
}

struct OpenLevel {
    InfoNode* parent;
    NodeList* list;
};

void PutInt32(std::string& out, std::int32_t value) {
    auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) out += static_cast<char>((u >> (8 * i)) & 0xFF);
}

void PutText(std::string& out, const std::string& text) {
    PutInt32(out, static_cast<std::int32_t>(text.size() + 1));
    out += text;
    out += '\0';
}

void PutList(std::string& out, const NodeList& list) {
    for (const auto& node : list) {
        out += static_cast<char>(kTagNode);
        PutInt32(out, node->id);
        PutText(out, node->name);
        PutInt32(out, static_cast<std::int32_t>(node->type));
        if (node->IsPage()) {
            PutText(out, node->fileName);
            PutInt32(out, node->time);
        }
        if (!node->children.empty()) {
            out += static_cast<char>(kTagChildren);
            PutList(out, node->children);
        }
    }
    out += static_cast<char>(kTagEnd);
}

}  // namespace

TreeFileContent ParseTreeFile(std::string_view bytes) {
    TreeFileContent content;
    ByteReader in(bytes);
    if (!in.Int32(content.nextId)) return content;

    std::vector<OpenLevel> levels{{nullptr, &content.topLevel}};
    // Levels below the deepest kept one are read over: their depth and whether the last node
    // read there was a folder are all that is needed to follow the tags.
    int skippedDepth = 0;
    bool skippedLastIsFolder = false;

    std::uint8_t tag = 0;
    while (in.Byte(tag)) {
        if (tag == kTagNode) {
            std::unique_ptr<InfoNode> node = ReadNodeBody(in);
            if (!node) return content;
            if (skippedDepth > 0) {
                skippedLastIsFolder = node->IsFolder();
                continue;
            }
            node->parent = levels.back().parent;
            levels.back().list->push_back(std::move(node));
        } else if (tag == kTagChildren) {
            if (skippedDepth > 0) {
                if (!skippedLastIsFolder) return content;
                ++skippedDepth;
                skippedLastIsFolder = false;
                continue;
            }
            NodeList& list = *levels.back().list;
            if (list.empty() || !list.back()->IsFolder()) return content;
            if (levels.size() == static_cast<std::size_t>(kMaxTreeLevels)) {
                skippedDepth = 1;
                skippedLastIsFolder = false;
                continue;
            }
            InfoNode* parent = list.back().get();
            levels.push_back({parent, &parent->children});
        } else if (tag == kTagEnd) {
            if (skippedDepth > 0) {
                --skippedDepth;
                skippedLastIsFolder = true;
                continue;
            }
            levels.pop_back();
            if (levels.empty()) {
                content.sound = true;
                return content;
            }
        } else {
            return content;
        }
    }
    return content;
}

std::string SerializeTree(std::int32_t nextId, const NodeList& topLevel) {
    std::string out;
    PutInt32(out, nextId);
    PutList(out, topLevel);
    return out;
}

}  // namespace brisova
