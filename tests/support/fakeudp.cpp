#include "tests/support/fakeudp.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kr::test {

FakeUdpSocket::FakeUdpSocket() : m_fd(socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    auto* raw = reinterpret_cast<sockaddr*>(&address);
    if (bind(m_fd, raw, length) == 0 && getsockname(m_fd, raw, &length) == 0) {
        m_port = ntohs(address.sin_port);
    }
}

FakeUdpSocket::~FakeUdpSocket() {
    close(m_fd);
}

std::optional<Bytes> FakeUdpSocket::Receive(int timeoutMs, sockaddr_in* from) {
    pollfd ready{m_fd, POLLIN, 0};
    if (poll(&ready, 1, timeoutMs) != 1) {
        return std::nullopt;
    }
    Bytes datagram(65536);
    sockaddr_in sender{};
    socklen_t length = sizeof(sender);
    const ssize_t size = recvfrom(m_fd, datagram.data(), datagram.size(), 0,
                                  reinterpret_cast<sockaddr*>(&sender), &length);
    if (size < 0) {
        return std::nullopt;
    }
    datagram.resize(static_cast<size_t>(size));
    if (from != nullptr) {
        *from = sender;
    }
    return datagram;
}

void FakeUdpSocket::SendTo(const Bytes& datagram, const sockaddr_in& to) {
    sendto(m_fd, datagram.data(), datagram.size(), 0, reinterpret_cast<const sockaddr*>(&to),
           sizeof(to));
}

}  // namespace kr::test
