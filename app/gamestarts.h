// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// Tells of every game StartGame starts, whatever started it (Join, Quick Join, a join link,
// Recently Played, the end of a wait for a slot), so that a wait for a slot can end when the
// player joins a server by hand. UI thread only.
class CGameStarts : public QObject {
    Q_OBJECT
public:
    static CGameStarts& Instance();

signals:
    // A game was started on "host:port".
    void started(const QString& address);
};
