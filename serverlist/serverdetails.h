// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// Everything the program knows of one server row, as the details pane and the row's tool tip
// tell it.
struct ServerDetails {
    QString name;
    QString address;
    QString version;   // the group's, "?" for a row under "Favourites (no answer)"
    QString gameType;  // likewise
    QString map;
    QString mod;       // empty when the server runs none
    int players = -1;  // -1: not known ("?/?")
    int maxPlayers = -1;
    int ping = 9999;  // 9999: no answer
    bool isPrivate = false;
    bool dedicated = false;
    bool listed = false;  // the master's last list named it
    bool favourite = false;
    QDateTime lastAnswer;         // invalid: no answer this run
    std::vector<uint32_t> pings;  // this run's answers, newest first
};

// The details pane's lines for a server: name, address, version and game type, map, mod ("none"
// when empty), players "n of m" with the free slots, ping, "needs a password" and "dedicated" or
// "listen server", listed and favourite, the last answer in local time, the pings newest first.
// Translated texts. O(lines + pings).
QStringList ServerDetailLines(const ServerDetails& details);
// The same in the three lines of a row's tool tip: name and address; version, game type, map and
// mod; players, ping and the kind of server.
QString ServerToolTip(const ServerDetails& details);
// The pane's text for a group row: its label and its servers, shown of all.
QString GroupDetailText(const QString& group, int shown, int all);
// The pane's text when no row is selected: "No server selected".
QString NoServerDetailText();
