#include "app/linkrelay.h"

#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

namespace {
constexpr char kSocketName[] = "korvath-browser.socket";
constexpr char kTaken[] = "ok\n";  // the answer to a line that was read
constexpr qint64 kTakenLength = sizeof(kTaken) - 1;
}  // namespace

CLinkRelay::CLinkRelay(QObject* parent) : QObject(parent) {
    connect(&m_server, &QLocalServer::newConnection, this, &CLinkRelay::OnNewConnection);
    connect(&m_listenCheck, &QTimer::timeout, this, &CLinkRelay::ListenAgainIfStopped);
}

QString CLinkRelay::SocketPath() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + '/' + kSocketName;
}

bool CLinkRelay::HandToRunningCopy(const QString& link) {
    const QByteArray line = link.toUtf8() + '\n';
    if (line.size() > kMaxLineLength || line.count('\n') != 1) {
        return false;
    }
    QLocalSocket socket;
    socket.connectToServer(SocketPath());
    if (!socket.waitForConnected(kWaitMs)) {
        return false;
    }
    socket.write(line);
    // The answer comes once the running copy has read the line; the wait also sends it.
    while (!socket.canReadLine() && socket.bytesAvailable() < kTakenLength) {
        if (!socket.waitForReadyRead(kWaitMs)) {
            return false;
        }
    }
    return socket.readLine(kTakenLength + 1) == kTaken;
}

bool CLinkRelay::Listen() {
    const QString path = SocketPath();
    if (!m_server.listen(path)) {
        if (m_server.serverError() != QAbstractSocket::AddressInUseError) {
            return false;
        }
        QLocalSocket probe;
        probe.connectToServer(path);
        if (probe.waitForConnected(kWaitMs)) {
            return false;  // a running copy answers: the links are its
        }
        QLocalServer::removeServer(path);
        if (!m_server.listen(path)) {
            return false;
        }
    }
    m_path = path;
    m_listenCheck.start(kWaitMs);
    return true;
}

void CLinkRelay::ListenAgainIfStopped() {
    // A socket file that is there again belongs to a copy started meanwhile: it takes the links.
    if (!m_server.isListening() && !m_server.listen(m_path) &&
        m_server.serverError() == QAbstractSocket::AddressInUseError) {
        m_listenCheck.stop();
    }
}

void CLinkRelay::OnNewConnection() {
    while (QLocalSocket* peer = m_server.nextPendingConnection()) {
        if (m_peers == kMaxPeers) {
            delete peer;  // closes it
            continue;
        }
        ++m_peers;
        connect(peer, &QObject::destroyed, this, [this] { --m_peers; });
        peer->setReadBufferSize(kMaxLineLength + 1);
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] { OnPeerReadyRead(peer); });
        // A peer that never ends its line is dropped after the wait (the timer goes with it).
        QTimer::singleShot(kWaitMs, peer, &QLocalSocket::abort);
        OnPeerReadyRead(peer);
    }
}

void CLinkRelay::OnPeerReadyRead(QLocalSocket* peer) {
    if (!peer->canReadLine()) {
        if (peer->bytesAvailable() > kMaxLineLength) {
            peer->abort();
        }
        return;
    }
    QByteArray line = peer->readLine(kMaxLineLength + 1);
    disconnect(peer, &QLocalSocket::readyRead, this, nullptr);
    if (!line.endsWith('\n')) {
        peer->abort();  // the line end came past kMaxLineLength
        return;
    }
    line.chop(1);
    peer->write(kTaken);
    peer->disconnectFromServer();
    // Later, from the event loop: a slot that waits in a modal window must not do so inside
    // the peer's own signal, which may delete the peer meanwhile.
    QMetaObject::invokeMethod(
        this, [this, link = QString::fromUtf8(line)] { emit linkReceived(link); },
        Qt::QueuedConnection);
}
