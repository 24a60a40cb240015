#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <netinet/in.h>

namespace kr::test {

using Bytes = std::vector<uint8_t>;

// A UDP socket bound to 127.0.0.1 on a free port: the peer side of the tests' exchanges.
class FakeUdpSocket {
public:
    FakeUdpSocket();
    ~FakeUdpSocket();
    FakeUdpSocket(const FakeUdpSocket&) = delete;
    FakeUdpSocket& operator=(const FakeUdpSocket&) = delete;

    int Fd() const { return m_fd; }
    int Port() const { return m_port; }
    // One datagram within the time, with its sender; nullopt when none came.
    std::optional<Bytes> Receive(int timeoutMs, sockaddr_in* from = nullptr);
    void SendTo(const Bytes& datagram, const sockaddr_in& to);

private:
    int m_fd;
    int m_port = 0;
};

}  // namespace kr::test
