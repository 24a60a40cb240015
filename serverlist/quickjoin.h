// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>

#include <vector>

class CGridTreeItem;
class CServerGrid;
struct ServerFilter;

// Quick Join's ping limit when the filter sets none, in milliseconds.
constexpr int kQuickJoinDefaultPingLimit = 150;

// The ping limit Quick Join applies: the filter's, or kQuickJoinDefaultPingLimit without one.
int QuickJoinPingLimit(const ServerFilter& filter);

// Whether the grid has a server row at all, shown or not. O(nodes) at worst; a grid with server
// rows usually answers at its first group with one.
bool HasServerRows(const CServerGrid& grid);

// The server rows Quick Join may join, best first. A candidate is a server row the filter shows,
// with an address a game can join, open (players below a maximum above 0), not private unless its
// address is among `remembered` (those with a remembered password), and answering with a ping
// within QuickJoinPingLimit. Ordered by the most players, then the lowest ping, then favourites
// first, then the address text, so the order is total and stable.
// Reads the row texts only; O(nodes + candidates log candidates).
std::vector<CGridTreeItem*> QuickJoinCandidates(const CServerGrid& grid,
                                                const QSet<QString>& remembered);
