// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/linkrelay.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

#include <memory>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

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
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    struct stat info = {};
    if (folder.isEmpty() || lstat(QFile::encodeName(folder).constData(), &info) != 0 ||
        !S_ISDIR(info.st_mode) || info.st_uid != geteuid() ||
        (info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        return {};
    }
    return folder + '/' + kSocketName;
}

bool CLinkRelay::HandToRunningCopy(const QString& link) {
    const QByteArray line = link.toUtf8() + '\n';
    const QString path = SocketPath();
    if (line.size() > kMaxLineLength || line.count('\n') != 1 || path.isEmpty()) {
        return false;
    }
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(kWaitMs)) {
        return false;
    }
    socket.write(line);
    // The answer comes once the running copy has taken the link; the wait also sends the line.
    const QDeadlineTimer deadline(kWaitMs);
    const auto answered = [&socket] {
        return socket.canReadLine() || socket.bytesAvailable() >= kTakenLength;
    };
    while (!answered() && socket.waitForReadyRead(int(deadline.remainingTime()))) {
    }
    if (!answered()) {
        // Giving up: from here on the running copy's answer fails to arrive, and it then drops
        // the link, which this copy offers instead. An answer that came meanwhile is still read.
        ::shutdown(int(socket.socketDescriptor()), SHUT_RD);
        socket.waitForReadyRead(0);
    }
    return socket.readLine(kTakenLength + 1) == kTaken;
}

bool CLinkRelay::Listen() {
    const QString path = SocketPath();
    if (path.isEmpty()) {
        return false;
    }
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
        // One read shows a line past the limit: its peer is dropped at once.
        peer->setReadBufferSize(kMaxLineLength + 1);
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        const auto read = [this, peer, reader = std::make_shared<CLineReader>(kMaxLineLength)] {
            OnPeerReadyRead(peer, *reader);
        };
        connect(peer, &QLocalSocket::readyRead, this, read);
        // A peer that never ends its line is dropped after the wait (the timer goes with it).
        QTimer::singleShot(kWaitMs, peer, &QLocalSocket::abort);
        read();
    }
}

void CLinkRelay::OnPeerReadyRead(QLocalSocket* peer, CLineReader& reader) {
    const QByteArray bytes = peer->readAll();  // at most the read buffer's kMaxLineLength + 1
    const CLineReader::State state =
        reader.Append(std::string_view(bytes.constData(), size_t(bytes.size())));
    if (state == CLineReader::State::Reading) {
        return;
    }
    disconnect(peer, &QLocalSocket::readyRead, this, nullptr);
    if (state == CLineReader::State::TooLong) {
        peer->abort();
        return;
    }
    // The link is taken only when the answer reaches its sender: one that gave up has closed
    // its end (or shut it for reading), the write fails, and the sender offers the link itself.
    peer->write(kTaken);
    const bool taken = peer->flush() && peer->bytesToWrite() == 0;
    peer->disconnectFromServer();
    if (!taken) {
        return;
    }
    // Later, from the event loop: a slot that waits in a modal window must not do so inside
    // the peer's own signal, which may delete the peer meanwhile.
    const std::string& line = reader.Line();
    QMetaObject::invokeMethod(
        this,
        [this, link = QString::fromUtf8(line.data(), qsizetype(line.size()))] {
            emit linkReceived(link);
        },
        Qt::QueuedConnection);
}
