// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kr::test {

using Bytes = std::vector<uint8_t>;

// A UDP socket bound to 127.0.0.1 on a free port: the peer side of the tests' exchanges.
class FakeUdpSocket {
public:
    FakeUdpSocket() {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof(address);
        auto* raw = reinterpret_cast<sockaddr*>(&address);
        if (bind(m_fd, raw, length) == 0 && getsockname(m_fd, raw, &length) == 0) {
            m_port = ntohs(address.sin_port);
        }
    }
    ~FakeUdpSocket() { close(m_fd); }
    FakeUdpSocket(const FakeUdpSocket&) = delete;
    FakeUdpSocket& operator=(const FakeUdpSocket&) = delete;

    int Port() const { return m_port; }
    // One datagram within the time, with its sender; nullopt when none came.
    std::optional<Bytes> Receive(int timeoutMs, sockaddr_in* from = nullptr) {
        pollfd ready{m_fd, POLLIN, 0};
        Bytes datagram(65536);
        sockaddr_in sender{};
        socklen_t length = sizeof(sender);
        if (poll(&ready, 1, timeoutMs) != 1) {
            return std::nullopt;
        }
        const ssize_t size = recvfrom(m_fd, datagram.data(), datagram.size(), 0,
                                      reinterpret_cast<sockaddr*>(from ? from : &sender), &length);
        if (size < 0) {
            return std::nullopt;
        }
        datagram.resize(static_cast<size_t>(size));
        return datagram;
    }
    void SendTo(const Bytes& datagram, const sockaddr_in& to) {
        sendto(m_fd, datagram.data(), datagram.size(), 0, reinterpret_cast<const sockaddr*>(&to),
               sizeof(to));
    }

private:
    int m_fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    int m_port = 0;
};

}  // namespace kr::test
