// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// A connected UDP socket for request/answer exchanges with one peer at a time: Connect, Send, then
// Receive, Close. Each receive waits at most 2000 ms; ReceiveWaiting takes what has come without
// waiting, for a caller that polls (many sockets, or one while it watches for a stop).
// Connect reports its own failures to the user (status text, and a message box for a host that
// cannot be resolved); Send and Receive report nothing. Not shared between threads.
class UdpQuerySocket {
public:
    static constexpr int kReceiveTimeoutMs = 2000;

    UdpQuerySocket();
    // Closes the socket when it is still open.
    virtual ~UdpQuerySocket();
    UdpQuerySocket(const UdpQuerySocket&) = delete;
    UdpQuerySocket& operator=(const UdpQuerySocket&) = delete;

    // Resolves the host (a dotted IPv4 text directly, anything else by an IPv4 name lookup; a
    // text that cannot name a host, or a name under "invalid", fails without one),
    // creates the socket (or keeps the one still open) and fixes its peer. 1 when connected, 0 on
    // failure (already reported; the socket is closed). Ports outside 0..65535 fail like any
    // other connect error.
    int Connect(const std::string& host, int port);
    // What send(2) returns: the bytes sent, or -1.
    int Send(const void* buffer, int length);
    // What recv(2) returns for one datagram: its length, or -1 on error or after 2000 ms.
    int Receive(void* buffer, int capacity);
    // One datagram from the peer that has already come, without waiting: its length; kNoneWaiting
    // when none has; -1 on a socket error (a refused port). Datagrams from any other sender, such
    // as a late answer of an earlier peer of this socket, are dropped.
    static constexpr int kNoneWaiting = -2;
    int ReceiveWaiting(void* buffer, int capacity);
    // The descriptor to poll for a datagram; -1 while closed.
    int Descriptor() const { return m_socket; }
    // close(2)'s result when a socket was open, -1 when none was; closed afterwards either way.
    int Close();

private:
    int m_socket;
    uint32_t m_peerAddress = 0;  // network byte order, as connected
    uint16_t m_peerPort = 0;
};

// The status text for a failed connect(2) with the given errno value.
const char* ConnectErrorText(int error);
