// What the program's taskbar button offers when the user right-clicks it: tasks, and a category
// of entries. Each starts the program with its arguments; a running program is handed them.
#pragma once

#include <string>
#include <vector>

namespace brisova {

struct JumpListEntry {
    std::string title;
    std::string arguments;

    bool operator==(const JumpListEntry&) const = default;
};

struct JumpList {
    std::vector<JumpListEntry> tasks;
    std::string categoryName;
    std::vector<JumpListEntry> category;

    bool operator==(const JumpList&) const = default;
};

}  // namespace brisova
