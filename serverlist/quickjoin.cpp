// SPDX-License-Identifier: GPL-3.0-or-later
// Quick Join's choice among the shown server rows, read from their texts.

#include "serverlist/quickjoin.h"

#include "net/favouriteaddress.h"
#include "serverlist/pingsort.h"
#include "serverlist/servergrid.h"

#include <algorithm>
#include <tuple>

namespace {

// What the ranking reads of a candidate row.
struct Candidate {
    CGridTreeItem* node;
    int players;
    int ping;
    bool favourite;
    QString address;
};

// A private server needs a password, which Quick Join gives only when one is remembered.
bool CanEnter(const CGridItemInfo& info, const QString& address, const QSet<QString>& remembered) {
    return !ServerRowHasMark(info, kPrivateCellKey) || remembered.contains(address);
}

void CollectCandidates(const CServerGrid& grid, CGridTreeItem* node, int pingLimit,
                       const QSet<QString>& remembered, std::vector<Candidate>& candidates) {
    for (POSITION pos = grid.GetFirstChildPosition(node); pos;) {
        CollectCandidates(grid, grid.GetNextChild(node, pos), pingLimit, remembered, candidates);
    }
    if (!grid.IsServerRow(node) || grid.IsHidden(node)) {
        return;
    }
    const CGridItemInfo& info = *grid.GetInfo(node);
    const int ping = PingTextValue(ServerRowField(info, kPingSubText));
    int players = 0;
    int maximum = 0;
    ReadServerPlayers(ServerRowField(info, kPlayersSubText), players, maximum);
    const QString address = ServerRowField(info, kAddressSubText).toString();
    if (ReadServerAvailability(info) != ServerAvailability::Open || maximum <= 0 ||
        ping > pingLimit || !CanEnter(info, address, remembered) ||
        !ParseFavouriteAddress(address.toStdString())) {
        return;
    }
    candidates.push_back({node, players, ping, grid.IsFavouriteRow(node), address});
}

bool HasServerRowBelow(const CServerGrid& grid, CGridTreeItem* node) {
    if (grid.IsServerRow(node)) {
        return true;
    }
    for (POSITION pos = grid.GetFirstChildPosition(node); pos;) {
        if (HasServerRowBelow(grid, grid.GetNextChild(node, pos))) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool HasServerRows(const CServerGrid& grid) {
    for (POSITION pos = grid.GetFirstRootPosition(); pos;) {
        if (HasServerRowBelow(grid, grid.GetNextRoot(pos))) {
            return true;
        }
    }
    return false;
}

int QuickJoinPingLimit(const ServerFilter& filter) {
    return filter.m_nMaxPing > 0 ? filter.m_nMaxPing : kQuickJoinDefaultPingLimit;
}

std::vector<CGridTreeItem*> QuickJoinCandidates(const CServerGrid& grid,
                                                const QSet<QString>& remembered) {
    const int pingLimit = QuickJoinPingLimit(grid.GetFilter());
    std::vector<Candidate> candidates;
    for (POSITION pos = grid.GetFirstRootPosition(); pos;) {
        CollectCandidates(grid, grid.GetNextRoot(pos), pingLimit, remembered, candidates);
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        return std::tie(b.players, a.ping, b.favourite, a.address) <
               std::tie(a.players, b.ping, a.favourite, b.address);
    });
    std::vector<CGridTreeItem*> nodes;
    nodes.reserve(candidates.size());
    for (const Candidate& candidate : candidates) {
        nodes.push_back(candidate.node);
    }
    return nodes;
}
