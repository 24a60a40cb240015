// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "net/serveraddress.h"
#include "tools/korvath-query/consolehost.h"

// The outcome of one refresh in the browser's grid order.
struct QueryResult {
    struct Group {
        std::string version;
        std::string gameType;
        std::vector<ServerRecord> servers;  // ascending ping; equal pings in filing order
    };
    std::size_t listed = 0;
    std::size_t answered = 0;
    std::vector<Group> groups;  // only non-empty groups: versions, then types, grid order
    // The listed servers without a row: no answer, a version or game type without a group, or a
    // query that never ran (kept with an unanswered server's placeholders). Ascending ping; equal
    // pings in list order.
    std::vector<ServerRecord> ungrouped;
};

// Sorts the filed records into groups (moving them there); `list` is the master list they were
// queried from. Cost: O(n log n) in the listed servers, sorting pointers; each record is moved
// once.
QueryResult BuildQueryResult(std::vector<FiledServer> filed,
                             const std::vector<ServerAddress>& list);
