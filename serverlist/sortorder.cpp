// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverlist/sortorder.h"

#include "serverlist/pingsort.h"
#include "serverlist/serverrowtexts.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

struct KeyInfo {
    SortKey key;
    const char* name;
    int column;
};

constexpr KeyInfo kKeyInfo[] = {
    {SortKey::Ping, "ping", 1}, {SortKey::Server, "server", 2},
    {SortKey::Map, "map", 3},   {SortKey::Players, "players", 4},
    {SortKey::Mod, "mod", 5},   {SortKey::Address, "ipport", 8},
};

const KeyInfo& Info(SortKey key) {
    return kKeyInfo[static_cast<int>(key)];
}

// "a.b.c.d:port" as the address in the high bits and the port in the low 16; false otherwise.
// Read without a copy: it runs once per server of every sort.
bool ReadAddress(QStringView text, std::int64_t& value) {
    std::int64_t address = 0;
    std::int64_t part = -1;  // the number being read, -1 before its first digit
    int dots = 0;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            part = std::max<std::int64_t>(part, 0) * 10 + (c.unicode() - u'0');
            if (part > 65535) {
                return false;
            }
        } else if ((c == u'.' && dots < 3) || (c == u':' && dots == 3)) {
            if (part < 0 || part > 255) {
                return false;
            }
            address = address << 8 | part;
            part = -1;
            ++dots;
        } else {
            return false;
        }
    }
    value = address << 16 | part;
    return dots == 4 && part >= 0;
}

// One node's values, read once before the sort; a missing value is the largest, so it comes last.
struct Entry {
    std::uint64_t primary;  // the key's number in sort order, or the index of its collation key
    std::uint64_t address;
    int ping;
    CGridTreeItem* node;
};

constexpr std::uint64_t kMissing = UINT64_MAX;

// The number with its sign bit flipped: signed order as unsigned order, reversed when descending.
std::uint64_t Ordered(std::int64_t value, bool descending) {
    const std::uint64_t biased = static_cast<std::uint64_t>(value) ^ (std::uint64_t{1} << 63);
    return descending ? ~biased : biased;
}

}  // namespace

QString SortKeyName(SortKey key) {
    return QString::fromLatin1(Info(key).name);
}

SortKey SortKeyFromName(const QString& name) {
    for (const KeyInfo& info : kKeyInfo) {
        if (name == QLatin1String(info.name)) {
            return info.key;
        }
    }
    return SortKey::Ping;
}

bool SortsDescendingFirst(SortKey key) {
    return key == SortKey::Players;
}

int SortKeyColumn(SortKey key) {
    return Info(key).column;
}

bool ColumnSortKey(int column, SortKey* key) {
    for (const KeyInfo& info : kKeyInfo) {
        if (info.column == column) {
            *key = info.key;
            return true;
        }
    }
    return false;
}

void SortServerNodes(GridNodeList& nodes, const SortOrder& order, CollationRanks& ranks) {
    const int textField = order.key == SortKey::Server ? kNameSubText
                          : order.key == SortKey::Map  ? kMapSubText
                          : order.key == SortKey::Mod  ? kModSubText
                                                       : -1;
    std::vector<std::uint32_t> rowSlots;
    if (textField >= 0) {
        rowSlots.reserve(nodes.size());
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            PrefetchAhead(nodes, i);
            std::uint32_t none = 0;  // a node without row data: a slot of its own each time
            CGridItemInfo* info = nodes[i]->m_pInfo;
            rowSlots.push_back(ranks.Slot(info != nullptr ? ServerRowField(*info, textField) : u"",
                                          info != nullptr ? info->m_nSortSlot : none));
        }
        ranks.RankTogether(rowSlots);
    }
    const CGridItemInfo empty;
    std::vector<Entry> entries;
    entries.reserve(nodes.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        PrefetchAhead(nodes, i);
        const CGridItemInfo& info = nodes[i]->m_pInfo != nullptr ? *nodes[i]->m_pInfo : empty;
        Entry entry{0, 0, PingTextValue(ServerRowField(info, kPingSubText)), nodes[i]};
        std::int64_t address = 0;
        const bool hasAddress = ReadAddress(ServerRowField(info, kAddressSubText), address);
        entry.address = hasAddress ? static_cast<std::uint64_t>(address) : kMissing;
        int players = 0;
        int maximum = 0;
        switch (order.key) {
            case SortKey::Ping:
                entry.primary = entry.ping >= kUnansweredPing
                                    ? kMissing
                                    : Ordered(entry.ping, order.descending);
                break;
            case SortKey::Players:
                entry.primary =
                    ReadServerPlayers(ServerRowField(info, kPlayersSubText), players, maximum)
                        ? Ordered(players, order.descending)
                        : kMissing;
                break;
            case SortKey::Address:
                entry.primary = hasAddress ? Ordered(address, order.descending) : kMissing;
                break;
            default:
                entry.primary = Ordered(ranks.RankOf(rowSlots[i]), order.descending);
        }
        entries.push_back(entry);
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.primary != b.primary) {
            return a.primary < b.primary;
        }
        return a.ping != b.ping ? a.ping < b.ping : a.address < b.address;
    });
    auto slot = nodes.begin();
    for (const Entry& entry : entries) {
        *slot++ = entry.node;
    }
}
