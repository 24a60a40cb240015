// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverlist/serverrowindex.h"

void ServerRowIndex::Clear(std::uint64_t nodesFreed) {
    decltype(m_rows)().swap(m_rows);  // its buckets too: an index of 100,000 rows is megabytes
    m_nodesFreed = nodesFreed;
}

void ServerRowIndex::Add(const QString& address, CGridTreeItem* node) {
    m_rows.emplace(address, node);
}

CGridTreeItem* ServerRowIndex::Take(const QString& address) {
    const auto it = m_rows.find(address);
    if (it == m_rows.end()) {
        return nullptr;
    }
    CGridTreeItem* node = it->second;
    m_rows.erase(it);
    return node;
}
