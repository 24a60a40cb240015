#include "serverlist/serverhistory.h"

#include "net/refreshdriver.h"
#include "net/serveraddress.h"
#include "net/serverrecord.h"
#include "serverlist/serverrowtexts.h"

#include <arpa/inet.h>

#include <algorithm>
#include <charconv>

namespace {

// The address "a.b.c.d:port" as ip << 16 | port; false for any other text.
bool PackServerAddress(const std::string& address, uint64_t& packed) {
    const std::size_t colon = address.rfind(':');
    in_addr ip{};
    if (colon == std::string::npos ||
        inet_pton(AF_INET, address.substr(0, colon).c_str(), &ip) != 1) {
        return false;
    }
    uint32_t port = 0;
    const char* end = address.data() + address.size();
    const auto [last, error] = std::from_chars(address.data() + colon + 1, end, port);
    if (error != std::errc() || last != end || port > 65535) {
        return false;
    }
    packed = uint64_t{ntohl(ip.s_addr)} << 16 | port;
    return true;
}

}  // namespace

void CServerHistory::RecordFiled(const ServerRecord& record) {
    const bool listed = IsListed(record.m_address);
    Record(record).listed = listed;
}

void CServerHistory::RecordQueriedAgain(const ServerRecord& record) {
    Record(record);
}

CServerHistory::Entry& CServerHistory::Record(const ServerRecord& record) {
    Entry& entry = m_entries[record.m_address];
    if (record.m_ping < static_cast<uint32_t>(kUnansweredPing)) {
        std::copy_backward(entry.pings.begin(), entry.pings.end() - 1, entry.pings.end());
        entry.pings[0] = record.m_ping;
        entry.pingCount = std::min(entry.pingCount + 1, kMaxPings);
        entry.lastAnswer = QDateTime::currentDateTime();
    }
    return entry;
}

const CServerHistory::Entry* CServerHistory::Find(const std::string& address) const {
    const auto entry = m_entries.find(address);
    return entry != m_entries.end() ? &entry->second : nullptr;
}

bool CServerHistory::IsListed(const std::string& address) {
    // Rows are filed only once the download has ended, so the list stands still while read.
    if (m_listedRefresh != g_refreshCount) {
        m_listedRefresh = g_refreshCount;
        m_listed.clear();
        m_listed.reserve(g_serverAddresses.size());
        for (const ServerAddress& server : g_serverAddresses) {
            uint64_t packed = 0;
            if (PackServerAddress(server.m_ip + ':' + std::to_string(server.m_port), packed)) {
                m_listed.push_back(packed);
            }
        }
        std::sort(m_listed.begin(), m_listed.end());
    }
    uint64_t packed = 0;
    return PackServerAddress(address, packed) &&
           std::binary_search(m_listed.begin(), m_listed.end(), packed);
}
