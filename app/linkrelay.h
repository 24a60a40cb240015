// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/linereader.h"

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QTimer>

class QLocalSocket;

// One running copy of the browser takes the join links: it listens on a local socket in the
// user's runtime folder, and a copy started later with a link hands the link over and ends.
// A hand-over is one line of UTF-8 text, answered by one line once the running copy has taken
// the link. The exchange is confirmed: a sender that got no answer within kWaitMs shuts its end
// and offers the link itself, and the running copy takes a line only when its answer arrives.
class CLinkRelay : public QObject {
    Q_OBJECT
public:
    // A line longer than this, its line end included, is not a link: its peer is dropped.
    static constexpr qsizetype kMaxLineLength = 1024;
    // How long a hand-over waits for the running copy, and a running copy for a peer's line.
    static constexpr int kWaitMs = 2000;
    // Peers served at once; one more is closed as soon as it is accepted, so idle connections
    // cannot use up the process's open files.
    static constexpr int kMaxPeers = 16;

    explicit CLinkRelay(QObject* parent = nullptr);

    // The socket's full path: "korvath-browser.socket" in QStandardPaths::RuntimeLocation
    // ($XDG_RUNTIME_DIR when it is set). Empty when that is no usable folder: one that exists,
    // is a folder (not a link to one), is owned by this user and is not writable by group or
    // others. The relay is off then: it neither listens nor hands over.
    static QString SocketPath();
    // Hands the link to the copy listening on SocketPath(). True when that copy took the link;
    // false when none listens, or it did not answer within kWaitMs (it then drops the link), or
    // the link is longer than kMaxLineLength or holds a line end. Blocks: each of its two waits
    // is bounded by kWaitMs; needs only a QCoreApplication, no event loop.
    static bool HandToRunningCopy(const QString& link);

    // Starts listening on SocketPath(). A socket file nobody answers on (one a crashed copy left)
    // is removed and taken over; one that answers is left to its copy, and false comes back.
    // Once listening, the relay checks every kWaitMs that it still is (the local server closes
    // itself when accepting fails) and listens again, unless another copy took the socket.
    bool Listen();

signals:
    // A line a later copy handed over, without its line end (any text; the receiver checks it).
    // Emitted from the event loop after the answer reached the peer, so a slot may wait in a
    // modal window.
    void linkReceived(const QString& link);

private:
    void OnNewConnection();
    void ListenAgainIfStopped();
    // Reads what the peer sent into its reader; once the line is whole, answers and closes, and
    // drops a peer whose line passes kMaxLineLength at once. Holds less than kMaxLineLength bytes
    // of a peer in its reader, and at most kMaxLineLength + 1 more in Qt's buffer.
    void OnPeerReadyRead(QLocalSocket* peer, CLineReader& reader);

    // The peers accepted and not yet deleted. Declared before m_server, whose children they are,
    // so that it outlives them.
    int m_peers = 0;
    QString m_path;  // SocketPath() when listening began
    QLocalServer m_server;
    QTimer m_listenCheck;  // runs ListenAgainIfStopped while the relay should listen
};
