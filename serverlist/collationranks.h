// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCollator>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <vector>

// The collation order of the texts the server grid sorts by (names, maps, mods), kept across
// sorts. Each text gets a slot with its collation key (made once, about 0.6 us); a row remembers
// its slot number (CGridItemInfo::m_nSortSlot). The slots of a list sorted together get ranks
// that are valid among them, so a re-sort of the same rows reads one number a row and compares
// numbers, not keys. Texts compare as people read them: the user's locale (English rules under
// the C locale, whose collator knows no numeric mode), case-insensitive, numbers inside them by
// value.
// Threads: the thread that owns the grid only.
class CollationRanks {
public:
    // The text's slot: `slot` when it is one that holds this text, else a new one, whose number
    // is then stored in `slot` (0 is never a slot). O(text), plus a collation key for a new slot.
    std::uint32_t Slot(QStringView text, std::uint32_t& slot);
    // Makes the ranks of the slots comparable among themselves: texts that compare equal share a
    // rank, a text that sorts later has a higher one. O(n) when these slots were ranked together
    // last time (or a subset of them), else O(n log n) key comparisons.
    void RankTogether(const std::vector<std::uint32_t>& rows);
    std::uint32_t RankOf(std::uint32_t slot) const { return m_slots[slot - 1].rank; }
    // Call before each sort of the whole grid, not during one. Forgets every slot when more than
    // twice as many are kept as were asked for since the last call, plus 1,024 (texts of rows
    // gone or rewritten), or when the locale has changed since they were made. O(1), or O(k)
    // when it forgets them.
    void Trim();

private:
    struct Entry {
        QString text;
        QCollatorSortKey key;
        std::uint32_t rank = 0;
        std::uint32_t ranking = 0;  // the RankTogether that gave the rank; 0: none yet
    };

    std::unique_ptr<QCollator> m_pCollator;  // made with the first slot, for m_strLocale
    QString m_strLocale;
    std::vector<Entry> m_slots;     // slot n is m_slots[n - 1]
    std::uint32_t m_nRankings = 0;  // RankTogether calls that ranked
    std::size_t m_nAsked = 0;       // calls of Slot since the last Trim
};
