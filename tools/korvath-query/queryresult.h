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
    // A listed server without a row: it did not answer, or its version or game type has no
    // group, or its worker never ran.
    struct Ungrouped {
        std::string address;
        uint32_t ping;
        std::string version;
        std::string gameType;
    };

    std::size_t listed = 0;
    std::size_t answered = 0;
    std::vector<Group> groups;         // only non-empty groups: versions, then types, grid order
    std::vector<Ungrouped> ungrouped;  // list order
};

// Sorts the filed records into groups (moving them there); `list` is the master list they were
// queried from. Cost: O(n log n) in the filed records, sorting indices; each record is moved once.
QueryResult BuildQueryResult(std::vector<FiledServer> filed,
                             const std::vector<ServerAddress>& list);
