// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading a grid's tree, making records, and what a refresh of a fleet must file, for the server
// grid and browser tests.

#include "gridctrl/gridtreectrl.h"
#include "net/serverrecord.h"
#include "serverlist/servergrid.h"
#include "tests/support/simprocess.h"

#include <QPoint>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace kr::test {

inline std::vector<CGridTreeItem*> Roots(const CGridTreeCtrl& grid) {
    std::vector<CGridTreeItem*> roots;
    for (POSITION pos = grid.GetFirstRootPosition(); pos;) {
        roots.push_back(grid.GetNextRoot(pos));
    }
    return roots;
}

inline std::vector<CGridTreeItem*> Children(const CGridTreeCtrl& grid, CGridTreeItem* node) {
    std::vector<CGridTreeItem*> children;
    for (POSITION pos = grid.GetFirstChildPosition(node); pos;) {
        children.push_back(grid.GetNextChild(node, pos));
    }
    return children;
}

// Column-0 texts of the nodes, or sub-text k when k >= 0.
inline std::vector<std::string> Texts(const CGridTreeCtrl& grid,
                                      const std::vector<CGridTreeItem*>& nodes, int k = -1) {
    std::vector<std::string> texts;
    for (CGridTreeItem* node : nodes) {
        const CGridItemInfo* info = grid.GetInfo(node);
        texts.push_back((k < 0 ? info->m_strText : info->GetSubText(k)).toStdString());
    }
    return texts;
}

// The nodes as one text in tree order, each node's children in brackets after it:
// "1.00[VLD TDM[a b] DM]". A node without a text of its own (a server row) shows its sub-text 1.
inline std::string Outline(const CGridTreeCtrl& grid, const std::vector<CGridTreeItem*>& nodes) {
    std::string outline;
    for (CGridTreeItem* node : nodes) {
        const CGridItemInfo* info = grid.GetInfo(node);
        outline += outline.empty() ? "" : " ";
        outline +=
            (info->m_strText.isEmpty() ? info->GetSubText(1) : info->m_strText).toStdString();
        if (const std::vector<CGridTreeItem*> children = Children(grid, node); !children.empty()) {
            outline += "[" + Outline(grid, children) + "]";
        }
    }
    return outline;
}

// The server rows of the grid, in tree order.
inline void AppendServerNodes(const CServerGrid& grid, CGridTreeItem* node,
                              std::vector<CGridTreeItem*>& servers) {
    if (grid.IsServerRow(node)) {
        servers.push_back(node);
    }
    for (CGridTreeItem* child : Children(grid, node)) {
        AppendServerNodes(grid, child, servers);
    }
}
inline std::vector<CGridTreeItem*> ServerNodes(const CServerGrid& grid) {
    std::vector<CGridTreeItem*> servers;
    for (CGridTreeItem* root : Roots(grid)) {
        AppendServerNodes(grid, root, servers);
    }
    return servers;
}

// A server grid made and prepared: five collapsed versions with three game types each.
struct PreparedGrid : CServerGrid {
    explicit PreparedGrid(QWidget* parent = nullptr) {
        EXPECT_TRUE(Create(parent, 256));
        PrepareGrid();
    }
};

// The texts of every cell of the row, joined with "|".
inline QString RowCells(const CListCtrl& grid, int row) {
    QStringList cells;
    for (int col = 0; col < grid.GetColumnCount(); ++col) {
        cells << grid.GetItemText(row, col);
    }
    return cells.join('|');
}

// Where the tests press, drop and ask for tips on a row: 150 pixels in, 4 below its top.
inline QPoint RowPoint(const CListCtrl& grid, int row) {
    CRect bounds;
    grid.GetItemRect(row, &bounds, LVIR_BOUNDS);
    return QPoint(150, bounds.top + 4);
}

inline void ExpandAll(CGridTreeCtrl& grid) {
    for (CGridTreeItem* root : Roots(grid)) {
        grid.ExpandSubtree(root, nullptr);
    }
}

// A record as a query leaves it for an answering server.
inline ServerRecord MakeRecord(const std::string& version, const std::string& gameType,
                               const std::string& pingText = "50",
                               const std::string& name = "server") {
    ServerRecord r;
    r.m_version = version;
    r.m_gameType = gameType;
    r.m_pingText = pingText;
    r.m_name = name;
    r.m_map = "map";
    r.m_playersText = " 3/16";
    r.m_mod = "mod";
    r.m_address = "127.0.0.1:27001";
    return r;
}

// A server row as one text: address, name, map, players and mod, then the private and dedicated
// marks as drawn (-1 when the cell shows none).
inline std::string RowText(const CGridItemInfo& info) {
    const auto mark = [&info](int key) {
        const auto image = info.m_mapCellImage.find(key);
        return std::to_string(image == info.m_mapCellImage.end() ? -1 : image->second);
    };
    return (QStringList(info.GetSubText(7)) + info.m_arrSubTexts.toList().mid(1, 4))
               .join('|')
               .toStdString() +
           "|" + mark(kPrivateCellKey) + "|" + mark(kDedicatedCellKey);
}

// The row text of the fleet server: the reset texts and no marks when it does not answer in time.
inline std::string ExpectedRowText(const FleetEntry& server) {
    if (!server.Answers()) {
        return server.address + "|?|?|?/?|?|-1|-1";
    }
    char players[32];
    std::snprintf(players, sizeof(players), "%2d/%2d", server.players, server.maxPlayers);
    return QString::fromLatin1(server.address + "|" + server.name + "|" + server.map + "|" +
                               players + "|" + server.mod + "|")
               .toStdString() +
           std::to_string(server.flags & 4 ? kCellImagePrivate : -1) + "|" +
           std::to_string(server.flags & 1 ? kCellImageDedicated : -1);
}

using Filing = std::map<std::string, std::vector<std::string>>;  // group key -> sorted row texts

// The row texts under each game-type group of the grid, each carrying its address. Checks on the
// way that each group's servers come in ping order, with a ping below the 9999 of a server that
// did not answer. O(n log n).
inline Filing FiledServers(const CServerGrid& grid) {
    Filing filed;
    for (const GroupNodeEntry& group : grid.GroupNodes()) {
        if (group.m_key.back() == '*') {
            continue;  // a version: its children are the game-type groups
        }
        int previousPing = 0;
        for (CGridTreeItem* server : Children(grid, group.m_pNode)) {
            const CGridItemInfo* info = grid.GetInfo(server);
            const int ping = info->GetSubText(0).toInt();
            EXPECT_TRUE(previousPing <= ping && ping < 9999) << group.m_key << ": " << ping;
            previousPing = ping;
            filed[group.m_key].push_back(RowText(*info));
        }
    }
    for (auto& [group, rows] : filed) {
        std::sort(rows.begin(), rows.end());
    }
    return filed;
}

// The group key ("1.20DM") a fleet server is filed under; empty when it gets no row.
inline std::string GroupKey(const FleetEntry& server) {
    static const std::map<int, std::string> versions = {
        {0x85, "1.00"}, {0x87, "1.10"}, {0x89, "1.20"}, {0x91, "1.30"}};
    static const std::map<int, std::string> types = {{0, "DM"}, {1, "VLD"}, {2, "TDM"}};
    if (!server.Answers() || !versions.contains(server.version) ||
        !types.contains(server.gameType)) {
        return "";
    }
    return versions.at(server.version) + types.at(server.gameType);
}

// What a refresh must file for the fleet listed `copies` times over.
inline Filing ExpectedFiling(const std::vector<FleetEntry>& fleet, int copies = 1) {
    Filing expected;
    for (const FleetEntry& server : fleet) {
        if (const std::string group = GroupKey(server); !group.empty()) {
            expected[group].insert(expected[group].end(), copies, ExpectedRowText(server));
        }
    }
    for (auto& [group, rows] : expected) {
        std::sort(rows.begin(), rows.end());
    }
    return expected;
}

}  // namespace kr::test
