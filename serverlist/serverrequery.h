// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/asyncserverquery.h"
#include "serverlist/serverrowtexts.h"

#include <QObject>
#include <QPointer>
#include <QString>

class CServerGrid;

// A re-query's answer as the user-interface thread reads it.
struct RequeryAnswer {
    ServerQueryAnswer query;
    QString address;                  // the "host:port" text asked
    QString name;                     // the server's name as its row shows it
    ServerAvailability availability;  // as Join reads the rewritten row
    int players = 0, maxPlayers = 0;  // the reply's counts (0 without an answer)
};

// Enter's re-query of a server without blocking the user-interface thread: the query runs on a
// thread of its own (AsyncServerQuery) and its answer comes back to this object's thread as a
// queued event. There what the query reported (a socket error) is shown as status texts, and the
// grid's row with that "Ip:Port" text, when one is still there (it is looked up anew, never held
// across the wait: a refresh may free rows meanwhile), is rewritten as Enter rewrites it
// (CServerGrid::TakeQueriedAgain: the history, the row, serverRowsChanged, which the details pane
// follows), and then `answered` is emitted. One query at a time. Destroying it while a query runs
// never waits; that answer is dropped. UI thread only.
class CServerRequery : public QObject {
    Q_OBJECT
public:
    // grid: the grid whose rows answers rewrite; nothing is rewritten once it is gone.
    explicit CServerRequery(CServerGrid* grid, QObject* parent = nullptr);

    // Starts the re-query of a "host:port" text; false (nothing started) when it names no server
    // or a re-query runs (IsRunning).
    bool Start(const QString& address);
    bool IsRunning() const { return m_query.Running(); }

signals:
    // The started re-query's answer, after its row (if any) was rewritten.
    void answered(const RequeryAnswer& answer);

private:
    void Deliver();

    QPointer<CServerGrid> m_pGrid;
    AsyncServerQuery m_query;
};
