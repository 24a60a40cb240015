#pragma once

#include <QDateTime>

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class ServerRecord;

// What this run learnt of each server beyond its row: its last pings, when it last answered and
// whether the master's list named it. Keyed by the address its query used ("ip:port"). Memory:
// one entry of about 150 bytes per server filed or queried again this run, at most kMaxPings
// pings in each, plus 8 bytes per server of the master's last list.
// Threads: the grid's thread only.
class CServerHistory {
public:
    static constexpr int kMaxPings = 10;

    struct Entry {
        std::array<uint32_t, kMaxPings> pings{};  // newest first; pingCount of them are used
        int pingCount = 0;
        QDateTime lastAnswer;  // local time; invalid while it never answered
        bool listed = false;   // the master's list of its last filing named it
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
    Entry& Record(const ServerRecord& record);
    bool IsListed(const std::string& address);

    std::unordered_map<std::string, Entry> m_entries;
    std::vector<uint64_t> m_listed;  // the master's last list as ip << 16 | port, sorted
    int32_t m_listedRefresh = -1;    // the refresh (g_refreshCount) m_listed was read for
};
