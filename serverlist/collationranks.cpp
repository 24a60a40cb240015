// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverlist/collationranks.h"

#include <QLocale>

#include <algorithm>
#include <utility>

namespace {

QLocale SortLocale() {
    return QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale();
}

}  // namespace

std::uint32_t CollationRanks::Slot(QStringView text, std::uint32_t& slot) {
    ++m_nAsked;
    if (slot != 0 && slot <= m_slots.size() && m_slots[slot - 1].text == text) {
        return slot;
    }
    if (m_pCollator == nullptr) {
        m_pCollator = std::make_unique<QCollator>(SortLocale());
        m_pCollator->setNumericMode(true);
        m_pCollator->setCaseSensitivity(Qt::CaseInsensitive);
        m_strLocale = QLocale().name();
    }
    QString copy = text.toString();
    QCollatorSortKey key = m_pCollator->sortKey(copy);
    m_slots.push_back({std::move(copy), std::move(key)});
    slot = static_cast<std::uint32_t>(m_slots.size());
    return slot;
}

void CollationRanks::RankTogether(const std::vector<std::uint32_t>& rows) {
    if (rows.empty()) {
        return;
    }
    const std::uint32_t ranking = m_slots[rows.front() - 1].ranking;
    if (ranking != 0 && std::all_of(rows.begin(), rows.end(), [&](std::uint32_t slot) {
            return m_slots[slot - 1].ranking == ranking;
        })) {
        return;
    }
    std::vector<std::uint32_t> order(rows);
    std::sort(order.begin(), order.end(), [this](std::uint32_t a, std::uint32_t b) {
        return m_slots[a - 1].key.compare(m_slots[b - 1].key) < 0;
    });
    ++m_nRankings;
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        Entry& entry = m_slots[order[i] - 1];
        if (i > 0 && m_slots[order[i - 1] - 1].key.compare(entry.key) != 0) {
            ++rank;
        }
        entry.rank = rank;
        entry.ranking = m_nRankings;
    }
}

void CollationRanks::Trim() {
    const std::size_t limit = 2 * std::exchange(m_nAsked, 0) + 1024;
    if (m_slots.size() > limit || (m_pCollator != nullptr && m_strLocale != QLocale().name())) {
        m_slots.clear();
        m_pCollator.reset();
    }
}
