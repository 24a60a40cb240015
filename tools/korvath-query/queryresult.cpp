// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/korvath-query/queryresult.h"

#include <algorithm>
#include <optional>

#include "net/servergroups.h"
#include "net/serverquery.h"

namespace {

// The records in ascending ping, equal pings in the order given; each is moved out once.
std::vector<ServerRecord> MoveInPingOrder(std::vector<ServerRecord*> order) {
    std::stable_sort(order.begin(), order.end(), [](const ServerRecord* a, const ServerRecord* b) {
        return a->m_ping < b->m_ping;
    });
    std::vector<ServerRecord> records;
    records.reserve(order.size());
    for (ServerRecord* record : order) {
        records.push_back(std::move(*record));
    }
    return records;
}

}  // namespace

QueryResult BuildQueryResult(std::vector<FiledServer> filed,
                             const std::vector<ServerAddress>& list) {
    QueryResult result;
    result.listed = list.size();
    // Each grid group's members in filing order.
    std::vector<std::vector<ServerRecord*>> members(kVersionGroupCount * kGameTypeGroupCount);
    // By list index, the record of a server without a row: filed without a group, or, when it was
    // never filed (its query never ran), its placeholders made below.
    std::vector<ServerRecord*> withoutRow(list.size(), nullptr);
    std::vector<std::optional<ServerRecord>> neverFiled(list.size());
    std::vector<bool> filedAt(list.size(), false);
    for (FiledServer& server : filed) {
        ServerRecord& record = server.record;
        if (!record.m_version.empty()) {
            ++result.answered;
        }
        filedAt[server.listIndex] = true;
        const int v = VersionGroupIndex(record.m_version);
        const int t = GameTypeGroupIndex(record.m_gameType);
        if (v >= 0 && t >= 0) {
            members[v * kGameTypeGroupCount + t].push_back(&record);
            withoutRow[server.listIndex] = nullptr;
        } else {
            withoutRow[server.listIndex] = &record;
        }
    }
    for (size_t i = 0; i < list.size(); ++i) {
        if (!filedAt[i]) {
            PrepareQueryRecord(list[i].m_ip, list[i].m_port, neverFiled[i].emplace());
            withoutRow[i] = &*neverFiled[i];
        }
    }
    for (std::size_t g = 0; g < members.size(); ++g) {
        if (!members[g].empty()) {
            result.groups.push_back({VersionGroupText(static_cast<int>(g) / kGameTypeGroupCount),
                                     GameTypeGroupText(static_cast<int>(g) % kGameTypeGroupCount),
                                     MoveInPingOrder(std::move(members[g]))});
        }
    }
    std::erase(withoutRow, nullptr);
    result.ungrouped = MoveInPingOrder(std::move(withoutRow));
    return result;
}
