#pragma once

#include <string>

// A connected UDP socket for one request/answer exchange with one peer: Connect, Send, then
// Receive (once, or repeatedly for the master list), Close. Each receive waits at most 2000 ms.
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

    // Resolves the host (a dotted IPv4 text directly, anything else by an IPv4 name lookup),
    // creates the socket and fixes its peer. 1 when connected, 0 on failure (already reported;
    // the object stays closed). Ports outside 0..65535 fail like any other connect error.
    int Connect(const std::string& host, int port);
    // What send(2) returns: the bytes sent, or -1.
    int Send(const void* buffer, int length);
    // What recv(2) returns for one datagram: its length, or -1 on error or after 2000 ms.
    int Receive(void* buffer, int capacity);
    // close(2)'s result when a socket was open, -1 when none was; closed afterwards either way.
    int Close();

private:
    int m_socket;
};

// The status text for a failed connect(2) with the given errno value.
const char* ConnectErrorText(int error);
