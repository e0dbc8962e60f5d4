// The system's URL history: the pages the browser control recorded as visited.
#pragma once

#include "history/history_store.h"

class UrlHistoryStore final : public brisova::HistoryStore {
public:
    std::vector<brisova::HistoryEntry> Entries() override;
};

// Today as a local calendar day.
int LocalToday();
