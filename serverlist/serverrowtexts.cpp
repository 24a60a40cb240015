#include "serverlist/serverrowtexts.h"

#include "gridctrl/griditeminfo.h"
#include "serverlist/pingsort.h"

const QString& ServerRowField(const CGridItemInfo& info, int k) {
    static const QString empty;
    return k < info.m_arrSubTexts.size() ? info.m_arrSubTexts.at(k) : empty;
}

bool ReadServerPlayers(const QString& text, int& players, int& maximum) {
    const qsizetype slash = text.indexOf(u'/');
    bool ok = slash > 0;
    players = ok ? QStringView(text).left(slash).trimmed().toInt(&ok) : 0;
    bool okMax = ok;
    maximum = ok ? QStringView(text).mid(slash + 1).trimmed().toInt(&okMax) : 0;
    return ok && okMax;
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
