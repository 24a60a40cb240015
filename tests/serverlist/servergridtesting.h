#pragma once

// Reading a grid's tree and making records, for the server grid tests.

#include "gridctrl/gridtreectrl.h"
#include "net/servergroups.h"
#include "net/serverrecord.h"
#include "tests/support/simprocess.h"

#include <QStringList>

#include <cstdio>

#include <string>
#include <vector>

namespace kr::test {

inline std::vector<CGridTreeItem*> Roots(const CGridTreeCtrl& grid) {
    std::vector<CGridTreeItem*> roots;
    for (POSITION pos = grid.GetFirstRootPosition(); pos;)
        roots.push_back(grid.GetNextRoot(pos));
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

// Filed under a group: answers, and its version and game type have groups.
inline bool Grouped(const FleetEntry& server) {
    return server.Answers() &&
           VersionGroupIndex(VersionText(static_cast<uint8_t>(server.version))) >= 0 &&
           GameTypeGroupIndex(GameTypeText(static_cast<int8_t>(server.gameType))) >= 0;
}

// The name, map, players and mod texts (sub-texts 1 to 4) a row shows for the fleet server,
// joined by '|': the reset texts of a server that does not answer in time.
inline QString ExpectedServerTexts(const FleetEntry& server) {
    if (!server.Answers()) {
        return "?|?|?/?|?";
    }
    char players[32];
    std::snprintf(players, sizeof(players), "%2d/%2d", server.players, server.maxPlayers);
    return QString::fromLatin1(server.name + "|" + server.map + "|" + players + "|" + server.mod);
}

inline QString ServerTexts(const CGridItemInfo& info) {
    return QStringList(info.m_arrSubTexts.mid(1, 4)).join('|');
}

}  // namespace kr::test
