// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class ServerRecord;

// What this run learnt of each server beyond its row: its last pings, when it last answered and
// whether the master's list named it. Keyed by the address its query used, packed ("a.b.c.d:port";
// a host name, which only a favourite that could not be resolved carries, has no entry). Memory:
// about 55 bytes per server filed or queried again this run (an entry of kMaxPings pings at most
// in a hash table), plus 8 bytes per server of the master's last list.
// Threads: the grid's thread only.
class CServerHistory {
public:
    static constexpr int kMaxPings = 10;

    struct Entry {
        std::array<uint16_t, kMaxPings> pings{};  // newest first; pingCount of them are used
        uint32_t lastAnswer = 0;  // seconds since the epoch; 0 while it never answered
        uint8_t pingCount = 0;
        bool listed = false;  // the master's list of its last filing named it
    };

    // A record AddServerRow files: an answer (a ping below 9999) adds its ping, dropping the
    // oldest past kMaxPings, and the time now; whether the master listed it is read from the
    // last download's list (g_serverAddresses), packed and sorted once per refresh. O(log listed),
    // plus O(listed log listed) at a refresh's first filing.
    void RecordFiled(const ServerRecord& record);
    // A record of a query made again (Enter): as RecordFiled, but whether it is listed stays.
    void RecordQueriedAgain(const ServerRecord& record);
    // The server's entry; null when it was neither filed nor queried this run. O(1).
    const Entry* Find(const std::string& address) const;

private:
    Entry& Record(uint64_t packed, const ServerRecord& record);
    bool IsListed(uint64_t packed);

    QHash<uint64_t, Entry> m_entries;
    std::vector<uint64_t> m_listed;  // the master's last list as ip << 16 | port, sorted
    int32_t m_listedRefresh = -1;    // the refresh (g_refreshCount) m_listed was read for
};
