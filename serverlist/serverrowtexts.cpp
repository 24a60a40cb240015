// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverlist/serverrowtexts.h"

#include "gridctrl/griditeminfo.h"
#include "serverlist/pingsort.h"

QStringView ServerRowField(const CGridItemInfo& info, int k) {
    return info.m_arrSubTexts.view(k);
}

bool ReadServerPlayers(QStringView text, int& players, int& maximum) {
    const qsizetype slash = text.indexOf(u'/');
    bool ok = slash > 0;
    players = ok ? text.left(slash).trimmed().toInt(&ok) : 0;
    bool okMax = ok;
    maximum = ok ? text.mid(slash + 1).trimmed().toInt(&okMax) : 0;
    return ok && okMax;
}

bool ServerRowHasMark(const CGridItemInfo& info, int cellKey) {
    const auto image = info.m_mapCellImage.find(cellKey);
    return image != info.m_mapCellImage.end() && image->second != -1;
}

ServerAvailability ReadServerAvailability(const CGridItemInfo& info) {
    int players = 0;
    int maximum = 0;
    if (PingTextValue(ServerRowField(info, kPingSubText)) >= kUnansweredPing ||
        !ReadServerPlayers(ServerRowField(info, kPlayersSubText), players, maximum)) {
        return ServerAvailability::NoAnswer;
    }
    return maximum > 0 && players >= maximum ? ServerAvailability::Full : ServerAvailability::Open;
}
