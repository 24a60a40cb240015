#include "tools/korvath-query/queryresult.h"

#include <algorithm>
#include <optional>

#include "net/servergroups.h"

QueryResult BuildQueryResult(std::vector<FiledServer> filed,
                             const std::vector<ServerAddress>& list) {
    QueryResult result;
    result.listed = list.size();
    // Each grid group's members as indices into `filed`, in filing order: the records themselves
    // are moved once, into their group, after the sort.
    std::vector<std::vector<std::size_t>> members(kVersionGroupCount * kGameTypeGroupCount);
    // A listed server without a row: never filed (its query never ran), or filed without a group.
    std::vector<std::optional<QueryResult::Ungrouped>> withoutRow(list.size());
    std::vector<bool> filedAt(list.size(), false);
    for (std::size_t i = 0; i < filed.size(); ++i) {
        const FiledServer& server = filed[i];
        const ServerRecord& record = server.record;
        if (!record.m_version.empty()) {
            ++result.answered;
        }
        filedAt[server.listIndex] = true;
        const int v = VersionGroupIndex(record.m_version);
        const int t = GameTypeGroupIndex(record.m_gameType);
        if (v >= 0 && t >= 0) {
            members[v * kGameTypeGroupCount + t].push_back(i);
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
    for (std::size_t g = 0; g < members.size(); ++g) {
        std::vector<std::size_t>& order = members[g];
        if (order.empty()) {
            continue;
        }
        std::stable_sort(order.begin(), order.end(), [&filed](std::size_t a, std::size_t b) {
            return filed[a].record.m_ping < filed[b].record.m_ping;
        });
        QueryResult::Group group{VersionGroupText(static_cast<int>(g) / kGameTypeGroupCount),
                                 GameTypeGroupText(static_cast<int>(g) % kGameTypeGroupCount),
                                 {}};
        group.servers.reserve(order.size());
        for (const std::size_t i : order) {
            group.servers.push_back(std::move(filed[i].record));
        }
        result.groups.push_back(std::move(group));
    }
    for (std::optional<QueryResult::Ungrouped>& entry : withoutRow) {
        if (entry) {
            result.ungrouped.push_back(std::move(*entry));
        }
    }
    return result;
}
