// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/korvath-sim/loopbacksocket.h"

#include <cerrno>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

int OpenLoopbackUdp(int port, int& boundPort) {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return -1;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    socklen_t length = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        const int error = errno;
        close(fd);
        errno = error;
        return -1;
    }
    boundPort = ntohs(address.sin_port);
    return fd;
}

bool IsLoopbackSender(const sockaddr_in& sender) {
    return sender.sin_family == AF_INET && (ntohl(sender.sin_addr.s_addr) >> 24) == 127;
}

bool ReceiveDatagram(int fd, std::string& datagram, sockaddr_in& sender) {
    char buffer[65536];
    socklen_t length = sizeof sender;
    const ssize_t received =
        recvfrom(fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&sender), &length);
    if (received < 0) {
        return false;
    }
    datagram.assign(buffer, static_cast<std::size_t>(received));
    return true;
}

void SendDatagram(int fd, const std::string& bytes, const sockaddr_in& to) {
    if (IsLoopbackSender(to)) {
        sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to),
               sizeof to);
    }
}
