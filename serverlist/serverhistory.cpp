// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverlist/serverhistory.h"

#include "net/refreshdriver.h"
#include "net/serveraddress.h"
#include "net/serverrecord.h"
#include "serverlist/serverrowtexts.h"

#include <QDateTime>

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
    uint64_t packed = 0;
    if (PackServerAddress(record.m_address, packed)) {
        const bool listed = IsListed(packed);
        Record(packed, record).listed = listed;
    }
}

void CServerHistory::RecordQueriedAgain(const ServerRecord& record) {
    uint64_t packed = 0;
    if (PackServerAddress(record.m_address, packed)) {
        Record(packed, record);
    }
}

CServerHistory::Entry& CServerHistory::Record(uint64_t packed, const ServerRecord& record) {
    Entry& entry = m_entries[packed];
    if (record.m_ping < static_cast<uint32_t>(kUnansweredPing)) {
        std::copy_backward(entry.pings.begin(), entry.pings.end() - 1, entry.pings.end());
        entry.pings[0] = static_cast<uint16_t>(record.m_ping);
        entry.pingCount = static_cast<uint8_t>(std::min(entry.pingCount + 1, kMaxPings));
        entry.lastAnswer = static_cast<uint32_t>(QDateTime::currentSecsSinceEpoch());
    }
    return entry;
}

const CServerHistory::Entry* CServerHistory::Find(const std::string& address) const {
    uint64_t packed = 0;
    if (!PackServerAddress(address, packed)) {
        return nullptr;
    }
    const auto entry = m_entries.constFind(packed);
    return entry != m_entries.cend() ? &*entry : nullptr;
}

bool CServerHistory::IsListed(uint64_t packed) {
    // Rows are filed only once the download has ended, so the list stands still while read.
    if (m_listedRefresh != g_refreshCount) {
        m_listedRefresh = g_refreshCount;
        m_listed.clear();
        m_listed.reserve(g_serverAddresses.size());
        for (const ServerAddress& server : g_serverAddresses) {
            uint64_t listed = 0;
            if (PackServerAddress(server.m_ip + ':' + std::to_string(server.m_port), listed)) {
                m_listed.push_back(listed);
            }
        }
        std::sort(m_listed.begin(), m_listed.end());
    }
    return std::binary_search(m_listed.begin(), m_listed.end(), packed);
}
