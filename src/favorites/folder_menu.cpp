#include "favorites/folder_menu.h"

#include <algorithm>
#include <optional>

#include "platform/ascii_case.h"

namespace brisova {

namespace {
bool IsLinkFileName(std::string_view name) {
    if (name.size() < 4) return false;
    const std::string extension = AsciiLowerCase(name.substr(name.size() - 4));
    return extension == ".url" || extension == ".lnk";
}

struct Candidate {
    std::string name;
    int index = 0;
    bool claimed = false;
};

bool ClaimsFiles(std::uint16_t attributes) {
    return attributes == kOrderFile || attributes == kOrderNoAttributes;
}

bool ClaimsFolders(std::uint16_t attributes) {
    return attributes == kOrderFolder || attributes == kOrderSystemFolder || attributes == kOrderNoAttributes;
}
}  // namespace

FolderContents SortOutEntries(const std::vector<DirectoryEntry>& entries, int firstIndex) {
    FolderContents contents;
    contents.nextIndex = firstIndex;
    for (const DirectoryEntry& e : entries) {
        if (e.directory) {
            if (e.name != "." && e.name != ".." && !e.name.empty()) contents.folders.push_back(e.name);
        } else if (!e.hidden && !e.system && IsLinkFileName(e.name)) {
            contents.links.push_back({e.name, contents.nextIndex++});
        }
    }
    return contents;
}

NameCollation ByteCollation() {
    return {[](std::string_view a, std::string_view b) { return a.compare(b); },
            [](std::string_view a, std::string_view b) { return AsciiLowerCase(a).compare(AsciiLowerCase(b)); }};
}

std::vector<MenuEntry> PlanFolderMenu(const FolderContents& contents, const MenuOrder* order,
                                      const NameCollation& collation) {
    std::vector<Candidate> links;
    for (const LinkFile& link : contents.links) links.push_back({link.name, link.index});
    std::vector<Candidate> folders;
    for (const std::string& folder : contents.folders) folders.push_back({folder});

    std::vector<MenuEntry> menu;
    const auto sameName = [&](const Candidate& c, const std::string& name) {
        return !c.claimed && collation.compareIgnoringCase(c.name, name) == 0;
    };
    if (order) {
        for (int shown : order->shown) {
            if (shown < 0) continue;
            const MenuOrderEntry& entry = order->entries[static_cast<std::size_t>(shown)];
            if (!entry.name) continue;
            if (ClaimsFiles(entry.attributes)) {
                auto link = std::find_if(links.begin(), links.end(), [&](const Candidate& c) { return sameName(c, *entry.name); });
                if (link != links.end()) {
                    link->claimed = true;
                    menu.push_back({MenuEntry::Kind::Link, link->name, link->index});
                    continue;
                }
            }
            if (!ClaimsFolders(entry.attributes)) continue;
            for (Candidate& folder : folders) {
                if (!sameName(folder, *entry.name)) continue;
                folder.claimed = true;
                menu.push_back({MenuEntry::Kind::Folder, folder.name, 0});
            }
        }
    }

    std::stable_sort(folders.begin(), folders.end(), [&](const Candidate& a, const Candidate& b) {
        return collation.compare(a.name, b.name) < 0;
    });
    std::stable_sort(links.begin(), links.end(), [&](const Candidate& a, const Candidate& b) {
        return collation.compareIgnoringCase(a.name, b.name) < 0;
    });
    for (const Candidate& folder : folders)
        if (!folder.claimed) menu.push_back({MenuEntry::Kind::Folder, folder.name, 0});
    for (const Candidate& link : links)
        if (!link.claimed) menu.push_back({MenuEntry::Kind::Link, link.name, link.index});
    return menu;
}

}  // namespace brisova
