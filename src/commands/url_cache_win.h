// The system's records of browsing that the Clear Records commands empty.
#pragma once

#include "commands/page_command_rules.h"

// Deletes every entry of the system's URL cache that belongs to `records` and keeps the rest.
// Failures end the walk silently.
void ClearUrlCache(brisova::CacheRecords records);

// Empties the system's list of visited pages; false when its store cannot be reached.
bool ClearVisitedHistory();
