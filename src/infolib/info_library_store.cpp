#include "infolib/info_library_store.h"

#include "infolib/library_paths.h"
#include "infolib/tree_file.h"

#include <algorithm>
#include <climits>
#include <ctime>

namespace brisova {

namespace {

InfoNode* FindIn(const NodeList& list, const std::function<bool(const InfoNode&)>& match) {
    for (const auto& node : list) {
        if (match(*node)) return node.get();
        if (node->IsFolder()) {
            if (InfoNode* found = FindIn(node->children, match)) return found;
        }
    }
    return nullptr;
}

std::int32_t HighestId(const NodeList& list, std::int32_t highest) {
    for (const auto& node : list) {
        highest = std::max({highest, node->id, HighestId(node->children, highest)});
    }
    return highest;
}

int LevelOf(const InfoNode& node) {
    int level = 0;
    for (const InfoNode* p = node.parent; p; p = p->parent) ++level;
    return level;
}

}  // namespace

std::int32_t CurrentUnixTime() { return static_cast<std::int32_t>(std::time(nullptr)); }

InfoLibraryStore::InfoLibraryStore(LibraryFiles& files, std::string rootPath, Clock clock)
    : files_(files),
      rootPath_(std::move(rootPath)),
      treeFilePath_(TreeFilePath(rootPath_)),
      clock_(std::move(clock)) {}

InfoLibraryStore::~InfoLibraryStore() { SaveAndFree(); }

bool InfoLibraryStore::Load() {
    topLevel_.clear();
    nextId_ = 0;
    dirty_ = false;
    std::optional<std::string> bytes = files_.Read(treeFilePath_);
    TreeFileContent content = ParseTreeFile(bytes ? *bytes : std::string());
    bool damaged = bytes && !bytes->empty() && !content.sound;
    // What could not be read is kept aside before the next save replaces the file.
    if (damaged) files_.Replace(treeFilePath_ + ".damaged", *bytes);
    if (content.topLevel.empty()) {
        CreateRootFolder();
        return !damaged;
    }
    topLevel_ = std::move(content.topLevel);
    // A next id at or below an id in use would hand a saved page's directory to a new page.
    std::int32_t highest = HighestId(topLevel_, INT_MIN);
    nextId_ = highest == INT_MAX ? INT_MAX : std::max(content.nextId, highest + 1);
    return !damaged;
}

void InfoLibraryStore::CreateRootFolder() {
    auto root = std::make_unique<InfoNode>();
    root->id = 0;
    root->type = NodeType::Folder;
    root->name = std::string(kRootFolderName);
    root->time = clock_();
    topLevel_.push_back(std::move(root));
    nextId_ = 1;
}

bool InfoLibraryStore::Save() {
    if (topLevel_.empty() || !dirty_) return true;
    dirty_ = !files_.Replace(treeFilePath_, SerializeTree(nextId_, topLevel_));
    return !dirty_;
}

void InfoLibraryStore::SaveAndFree() {
    Save();
    topLevel_.clear();
}

void InfoLibraryStore::Reload() {
    SaveAndFree();
    Load();
}

InfoNode* InfoLibraryStore::FindById(std::int32_t id) const {
    return FindIn(topLevel_, [id](const InfoNode& n) { return n.id == id; });
}

InfoNode* InfoLibraryStore::FindByTreeItem(const void* treeItem) const {
    if (!treeItem) return nullptr;
    return FindIn(topLevel_, [treeItem](const InfoNode& n) { return n.treeItem == treeItem; });
}

InfoNode* InfoLibraryStore::AddNode(InfoNode* folder, std::string_view name, std::string_view fileName,
                                    NodeType type) {
    if (!folder || !folder->IsFolder() || nextId_ == INT_MAX) return nullptr;
    if (LevelOf(*folder) + 1 >= kMaxTreeLevels) return nullptr;
    dirty_ = true;
    auto node = std::make_unique<InfoNode>();
    node->id = nextId_++;
    node->type = type;
    node->name = std::string(name);
    if (type == NodeType::Page) node->fileName = std::string(fileName);
    node->time = clock_();
    node->parent = folder;
    InfoNode* added = node.get();
    if (type == NodeType::Page) {
        folder->children.insert(folder->children.begin(), std::move(node));
    } else {
        folder->children.push_back(std::move(node));
    }
    return added;
}

std::unique_ptr<InfoNode> InfoLibraryStore::Unlink(InfoNode& node, NodeList& topLevel) {
    NodeList& list = node.parent ? node.parent->children : topLevel;
    auto it = std::find_if(list.begin(), list.end(), [&](const auto& n) { return n.get() == &node; });
    if (it == list.end()) return nullptr;
    std::unique_ptr<InfoNode> owned = std::move(*it);
    list.erase(it);
    return owned;
}

void InfoLibraryStore::RemovePageDirectories(const InfoNode& node) {
    for (const auto& child : node.children) {
        if (child->IsPage()) RemoveDirectoryTree(PageDirectory(rootPath_, child->id));
        RemovePageDirectories(*child);
    }
}

bool InfoLibraryStore::DeleteFolder(InfoNode* folder) {
    if (!folder || !folder->IsFolder() || folder == root()) return false;
    std::unique_ptr<InfoNode> owned = Unlink(*folder, topLevel_);
    if (!owned) return false;
    dirty_ = true;
    // The tree stops naming the pages before their files go: a crash in between leaves unused
    // directories behind, never a tree that lists pages without files.
    if (Save()) RemovePageDirectories(*owned);
    return true;
}

bool InfoLibraryStore::DeletePage(std::int32_t id) {
    InfoNode* page = FindById(id);
    if (!page || !page->IsPage()) return false;
    dirty_ = true;
    Unlink(*page, topLevel_);
    if (Save()) RemoveDirectoryTree(PageDirectory(rootPath_, id));
    return true;
}

std::optional<std::string> InfoLibraryStore::BeginPageSave() {
    if (rootPath_.empty()) return std::nullopt;
    std::string directory = PageDirectory(rootPath_, nextId_);
    RemoveDirectoryTree(directory);
    if (!files_.MakeDirectory(directory)) return std::nullopt;
    return directory;
}

bool InfoLibraryStore::FinishPageSave(InfoNode* folder, std::string_view name) {
    dirty_ = true;
    std::string directory = PageDirectory(rootPath_, nextId_);
    std::optional<std::string> file = FirstFile(directory);
    if (!file) {
        RemoveDirectoryTree(directory);
        return false;
    }
    // A folder that takes no more nodes would leave the files in a directory no page owns.
    if (!AddNode(folder, name, *file, NodeType::Page)) {
        RemoveDirectoryTree(directory);
        return false;
    }
    MakeTextCopy(JoinPath(directory, *file));
    return true;
}

void InfoLibraryStore::RemoveDirectoryTree(const std::string& path) {
    if (rootPath_.empty()) return;
    std::string prefix = JoinPath(rootPath_, "");
    if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0) return;
    if (!IsPlainFileName(std::string_view(path).substr(prefix.size()))) return;
    files_.RemoveTree(path);
}

std::optional<std::string> InfoLibraryStore::FirstFile(const std::string& directory) const {
    return files_.FirstFile(directory);
}

bool InfoLibraryStore::MakeTextCopy(const std::string& filePath) {
    std::optional<std::string> bytes = files_.Read(filePath);
    if (!bytes) return false;
    for (char& c : *bytes) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    }
    return files_.Replace(TextCopyPath(filePath), *bytes);
}

}  // namespace brisova
