// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include <netinet/in.h>

// UDP sockets of the simulator. They are bound to 127.0.0.1 only, and answers go only to
// loopback senders, so nothing the simulator sends can leave the machine.

// A non-blocking UDP socket bound to 127.0.0.1:port (0: any free port); -1 on failure, with
// errno set. boundPort receives the port actually bound.
int OpenLoopbackUdp(int port, int& boundPort);

// True for a sender in 127.0.0.0/8.
bool IsLoopbackSender(const sockaddr_in& sender);

// Reads one waiting datagram; false when none is waiting. The datagram is cut at buffer size.
bool ReceiveDatagram(int fd, std::string& datagram, sockaddr_in& sender);

// Sends the bytes to a loopback sender; anything else is refused. A failed send is dropped,
// as a lost datagram would be.
void SendDatagram(int fd, const std::string& bytes, const sockaddr_in& to);
