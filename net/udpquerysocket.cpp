// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/udpquerysocket.h"

#include <cerrno>
#include <cstdint>
#include <string>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include "net/hostlookup.h"
#include "platform/posix/usernotice.h"

// There is no socket library to start or clean up on POSIX: the socket calls work from the
// first use, so no start-up step (and no start-up failure) exists here.

namespace {
constexpr int kInvalidSocket = -1;
}  // namespace

const char* ConnectErrorText(int error) {
    switch (error) {
        case ENETUNREACH:
            return KR_TEXT("NoticeText", "Server Unreacheable");
        case ETIMEDOUT:
            return KR_TEXT("NoticeText", "Connect to Server TimeOut");
        case ECONNREFUSED:
            return KR_TEXT("NoticeText", "Connection refused by Server");
        default:
            return KR_TEXT("NoticeText", "UCP Connect Unknow Error");
    }
}

UdpQuerySocket::UdpQuerySocket() : m_socket(kInvalidSocket) {}

UdpQuerySocket::~UdpQuerySocket() {
    Close();
}

int UdpQuerySocket::Connect(const std::string& host, int port) {
    const std::optional<uint32_t> address = ResolveHostIPv4(host);
    if (!address) {
        SetStatusText(KR_TEXT("NoticeText", "Invalid Server ip!"));
        ShowMessageBox(KR_TEXT("NoticeText", "Invalid Server ip!"),
                       KR_TEXT("NoticeText", "KR Server Browser"), NoticeIcon::None);
        return 0;
    }

    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(static_cast<uint16_t>(port));
    peer.sin_addr.s_addr = *address;

    if (m_socket == kInvalidSocket) {
        m_socket = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    }
    if (m_socket == kInvalidSocket) {
        SetStatusText(KR_TEXT("NoticeText", "Error Creating Socket"));
        return 0;
    }
    int error = EINVAL;  // a port that does not fit 16 bits would name another server
    if (port >= 0 && port <= 65535) {
        if (connect(m_socket, reinterpret_cast<const sockaddr*>(&peer), sizeof(peer)) == 0) {
            m_peerAddress = peer.sin_addr.s_addr;
            m_peerPort = peer.sin_port;
            return 1;
        }
        error = errno;
    }
    SetStatusText(ConnectErrorText(error));
    close(m_socket);
    m_socket = kInvalidSocket;
    return 0;
}

int UdpQuerySocket::Send(const void* buffer, int length) {
    return static_cast<int>(send(m_socket, buffer, static_cast<size_t>(length), 0));
}

int UdpQuerySocket::Receive(void* buffer, int capacity) {
    timeval timeout{};
    timeout.tv_sec = kReceiveTimeoutMs / 1000;
    timeout.tv_usec = (kReceiveTimeoutMs % 1000) * 1000;
    setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof(timeout));
    return static_cast<int>(recv(m_socket, buffer, static_cast<size_t>(capacity), 0));
}

int UdpQuerySocket::ReceiveWaiting(void* buffer, int capacity) {
    for (;;) {
        sockaddr_in from{};
        socklen_t fromLength = sizeof(from);
        const ssize_t length =
            recvfrom(m_socket, buffer, static_cast<size_t>(capacity), MSG_DONTWAIT,
                     reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (length < 0) {
            return errno == EAGAIN || errno == EWOULDBLOCK ? kNoneWaiting : -1;
        }
        // A connected socket takes datagrams from its peer only, but those queued before it was
        // connected to this peer stay.
        if (from.sin_addr.s_addr == m_peerAddress && from.sin_port == m_peerPort) {
            return static_cast<int>(length);
        }
    }
}

int UdpQuerySocket::Close() {
    if (m_socket == kInvalidSocket) {
        return -1;
    }
    int result = close(m_socket);
    m_socket = kInvalidSocket;
    return result;
}
