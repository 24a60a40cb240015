#include "tools/korvath-query/queryresult.h"

#include <algorithm>
#include <optional>

#include "net/servergroups.h"

QueryResult BuildQueryResult(std::vector<FiledServer> filed,
                             const std::vector<ServerAddress>& list) {
    QueryResult result;
    result.listed = list.size();

    std::vector<QueryResult::Group> grid;
    for (int v = 0; v < kVersionGroupCount; ++v) {
        for (int t = 0; t < kGameTypeGroupCount; ++t) {
            grid.push_back(QueryResult::Group{VersionGroupText(v), GameTypeGroupText(t), {}});
        }
    }

    // A listed server without a row: never filed (its query never ran), or filed without a group.
    std::vector<std::optional<QueryResult::Ungrouped>> withoutRow(list.size());
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
            grid[v * kGameTypeGroupCount + t].servers.push_back(std::move(record));
            withoutRow[server.listIndex].reset();
        } else {
            withoutRow[server.listIndex] = QueryResult::Ungrouped{
                record.m_address, record.m_ping, record.m_version, record.m_gameType};
        }
    }
    for (size_t i = 0; i < list.size(); ++i) {
        if (!filedAt[i]) {
            withoutRow[i] = QueryResult::Ungrouped{
                list[i].m_ip + ":" + std::to_string(list[i].m_port), 9999, "", ""};
        }
    }

    for (QueryResult::Group& group : grid) {
        if (group.servers.empty()) {
            continue;
        }
        std::stable_sort(
            group.servers.begin(), group.servers.end(),
            [](const ServerRecord& a, const ServerRecord& b) { return a.m_ping < b.m_ping; });
        result.groups.push_back(std::move(group));
    }
    for (std::optional<QueryResult::Ungrouped>& entry : withoutRow) {
        if (entry) {
            result.ungrouped.push_back(std::move(*entry));
        }
    }
    return result;
}
