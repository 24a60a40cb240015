// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverlist/serverdetails.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace {

constexpr int kNoAnswer = 9999;

// The pane's words, translated in the context "ServerDetails".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ServerDetails)
};

QString ModText(const ServerDetails& details) {
    return details.mod.isEmpty() ? Texts::tr("none") : details.mod;
}

QString PlayersText(const ServerDetails& details) {
    if (details.players < 0 || details.maxPlayers < 0) {
        return Texts::tr("unknown");
    }
    return Texts::tr("%1 of %2, %3 free")
        .arg(details.players)
        .arg(details.maxPlayers)
        .arg(std::max(details.maxPlayers - details.players, 0));
}

QString PingText(const ServerDetails& details) {
    return details.ping >= kNoAnswer ? Texts::tr("no answer")
                                     : Texts::tr("%1 ms").arg(details.ping);
}

QString KindText(const ServerDetails& details) {
    const QString kind = details.dedicated ? Texts::tr("dedicated") : Texts::tr("listen server");
    return details.isPrivate ? Texts::tr("%1, needs a password").arg(kind) : kind;
}

QString YesNo(bool yes) {
    return yes ? Texts::tr("yes") : Texts::tr("no");
}

}  // namespace

QStringList ServerDetailLines(const ServerDetails& details) {
    QStringList pings;
    for (const uint32_t ping : details.pings) {
        pings << QString::number(ping);
    }
    return {
        Texts::tr("Name: %1").arg(details.name),
        Texts::tr("Address: %1").arg(details.address),
        Texts::tr("Version: %1, game type: %2").arg(details.version, details.gameType),
        Texts::tr("Map: %1").arg(details.map),
        Texts::tr("Mod: %1").arg(ModText(details)),
        Texts::tr("Players: %1").arg(PlayersText(details)),
        Texts::tr("Ping: %1").arg(PingText(details)),
        Texts::tr("Server: %1").arg(KindText(details)),
        Texts::tr("Listed by the master: %1").arg(YesNo(details.listed)),
        Texts::tr("Favourite: %1").arg(YesNo(details.favourite)),
        Texts::tr("Last answer: %1")
            .arg(details.lastAnswer.isValid()
                     ? QLocale().toString(details.lastAnswer, QLocale::ShortFormat)
                     : Texts::tr("none this run")),
        Texts::tr("Pings this run (newest first): %1")
            .arg(pings.isEmpty() ? Texts::tr("none") : Texts::tr("%1 ms").arg(pings.join(", "))),
    };
}

QString ServerToolTip(const ServerDetails& details) {
    return QStringList{Texts::tr("%1 (%2)").arg(details.name, details.address),
                       Texts::tr("%1 %2, map %3, mod %4")
                           .arg(details.version, details.gameType, details.map, ModText(details)),
                       Texts::tr("players %1, ping %2, %3")
                           .arg(PlayersText(details), PingText(details), KindText(details))}
        .join('\n');
}

QString GroupDetailText(const QString& group, int shown, int all) {
    return Texts::tr("%1: %2 of %n server(s) shown", nullptr, all).arg(group).arg(shown);
}

QString NoServerDetailText() {
    return Texts::tr("No server selected");
}
