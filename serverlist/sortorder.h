// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gridctrl/gridtreeitem.h"
#include "serverlist/collationranks.h"

#include <QString>

// The orders the server grid can put the servers of a group in. Each key has its own first
// direction (Players: most players first; every other key ascending); "descending" is the
// reverse of ascending, whatever the key. Ties fall back to the ping, then to the address, both
// ascending, then to the order the servers had, so the order is total and stable.
enum class SortKey { Ping, Server, Map, Players, Mod, Address };

struct SortOrder {
    SortKey key = SortKey::Ping;
    bool descending = false;
    bool operator==(const SortOrder&) const = default;
};

// The keys in menu order, and each key's name in the settings file.
inline constexpr SortKey kSortKeys[] = {SortKey::Ping,    SortKey::Server, SortKey::Map,
                                        SortKey::Players, SortKey::Mod,    SortKey::Address};
QString SortKeyName(SortKey key);
// The key a settings name stands for; Ping for any other text.
SortKey SortKeyFromName(const QString& name);
// The key's own first direction: true for Players.
bool SortsDescendingFirst(SortKey key);
// The grid column that shows the key's text; -1 for a column without a key, for ColumnSortKey.
int SortKeyColumn(SortKey key);
bool ColumnSortKey(int column, SortKey* key);

// Puts a list of nodes, normally server rows, in the order. Texts compare by their rank in
// `ranks` (as people read them: case-insensitive, numbers inside them by value); ping and players
// by number, an unanswered ping (9999 or more) and players that are not "n/m" last in either
// direction; addresses by the numeric IPv4 address then the port, texts that are not
// "a.b.c.d:port" last. Group rows have none of these texts, so they compare equal and a list of
// groups keeps its order. A node without row data counts as one with empty texts.
// Cost O(n log n) comparisons of numbers read once per node; for a text key, the ranks of the
// texts first (CollationRanks): a collation key for each text not seen before, and O(n log n)
// key comparisons unless these rows were ranked together before.
void SortServerNodes(GridNodeList& nodes, const SortOrder& order, CollationRanks& ranks);
