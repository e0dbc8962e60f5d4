// Where the history bar reads the visited pages from: the system's URL history, or a test's
// own list.
#pragma once

#include <vector>

#include "history/history_grouping.h"

namespace brisova {

class HistoryStore {
public:
    virtual ~HistoryStore() = default;
    // Every entry the store holds; empty when the store cannot be read.
    virtual std::vector<HistoryEntry> Entries() = 0;
};

}  // namespace brisova
