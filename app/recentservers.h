// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// The servers the user joined, newest first: the settings' section "Recently Played", an array
// "Servers" whose entries hold "Address" ("host:port" as ParseFavouriteAddress reads it), "Name"
// (the server's name when it was joined; may be empty) and "Time" (UTC, ISO 8601). No widgets.
// Each call reads the file as it is then, so every window sees the joins of the others.
// Threads: the user-interface thread only.

struct RecentServer {
    QString address;
    QString name;
    QDateTime time;
};

constexpr int kMaxRecentServers = 50;
// A longer name is cut to this many characters when it is kept.
constexpr int kMaxRecentNameLength = 256;

// The history as far as it can be read: entries without a server address or a valid time are
// skipped, so are later copies of an address; names are cut to kMaxRecentNameLength; at most
// kMaxRecentServers come back, in the file's order. Reads at most 10,000 entries, whatever the
// file claims. O(entries read).
QList<RecentServer> LoadRecentServers();

// Puts the join of `address` at `time` at the top of the history, removing its older entry and
// what passes kMaxRecentServers. An empty name keeps the one the older entry had. Writes the
// file; O(kMaxRecentServers).
void RecordRecentServer(const QString& address, const QString& name, const QDateTime& time);

// Empties the history in the file.
void ClearRecentServers();
