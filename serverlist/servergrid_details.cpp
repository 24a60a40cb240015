// SPDX-License-Identifier: GPL-3.0-or-later
// What the details pane and a row's tool tip tell of a row, read from the row, its group, the
// favourites and the history each time they are asked: nothing of a node is kept.

#include "serverlist/pingsort.h"
#include "serverlist/servergrid.h"

namespace {

const QString kUnknownGroup = QStringLiteral("?");

}  // namespace

std::optional<ServerDetails> CServerGrid::DetailsOf(const CGridTreeItem* node) const {
    if (!IsServerRow(node)) {
        return std::nullopt;
    }
    const CGridItemInfo& info = *GetInfo(node);
    ServerDetails details;
    details.name = info.GetSubText(kNameSubText);
    details.address = info.GetSubText(kAddressSubText);
    // A game-type group under its version; a row dropped elsewhere (a demonstration's drag) or
    // filed under "Favourites (no answer)" has neither.
    const CGridTreeItem* type = GetParentNode(node);
    const CGridTreeItem* version = GetParentNode(type);
    const bool bInGroup = IsVersionOrTypeRow(type) && IsVersionOrTypeRow(version);
    details.gameType = bInGroup ? GetInfo(type)->m_strText : kUnknownGroup;
    details.version = bInGroup ? GetInfo(version)->m_strText : kUnknownGroup;
    details.map = info.GetSubText(kMapSubText);
    details.mod = info.GetSubText(kModSubText);
    if (!ReadServerPlayers(ServerRowField(info, kPlayersSubText), details.players,
                           details.maxPlayers)) {
        details.players = details.maxPlayers = -1;
    }
    details.ping = PingTextValue(ServerRowField(info, kPingSubText));
    details.isPrivate = ServerRowHasMark(info, kPrivateCellKey);
    details.dedicated = ServerRowHasMark(info, kDedicatedCellKey);
    details.favourite = IsFavouriteRow(node);
    if (const CServerHistory::Entry* entry =
            m_history.Find(details.address.toLatin1().toStdString())) {
        details.listed = entry->listed;
        if (entry->lastAnswer != 0) {
            details.lastAnswer = QDateTime::fromSecsSinceEpoch(entry->lastAnswer);
        }
        details.pings.assign(entry->pings.begin(), entry->pings.begin() + entry->pingCount);
    }
    return details;
}

QString CServerGrid::DetailsText(const CGridTreeItem* node) const {
    if (const std::optional<ServerDetails> details = DetailsOf(node)) {
        return ServerDetailLines(*details).join('\n');
    }
    if (!IsGroupRow(node)) {
        return NoServerDetailText();
    }
    QString label = GetInfo(node)->m_strText;
    if (const CGridTreeItem* version = GetParentNode(node); IsVersionOrTypeRow(version)) {
        label = GetInfo(version)->m_strText + ' ' + label;
    }
    int shown = 0;
    int all = 0;
    CountServersBelow(node, shown, all);
    return GroupDetailText(label, shown, all);
}
