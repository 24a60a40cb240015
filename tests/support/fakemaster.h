#pragma once

#include <array>
#include <thread>
#include <vector>

#include "tests/support/fakeudp.h"

namespace kr::test {

struct FakeAddress {
    std::array<uint8_t, 4> ip;
    uint16_t port;
};

// A master page: header (2, 6, type, 0, echo byte, echo text 3 bytes, 0, 0, record count, 4
// zero bytes) and 6-byte records. `count` overrides the record count byte when >= 0.
Bytes MasterPage(uint8_t type, const std::vector<FakeAddress>& records, uint8_t echoByte = 0,
                 std::array<uint8_t, 3> echoText = {0, 0, 0}, int count = -1);

// A scripted master on 127.0.0.1: waits for one request, then sends the pages in order, and
// after each page that starts with 2, 6 waits for one datagram (the acknowledgement). Then it
// stays silent. Every datagram it received is kept in arrival order.
class FakeMaster {
public:
    explicit FakeMaster(std::vector<Bytes> pages);
    ~FakeMaster();

    int Port() const { return m_socket.Port(); }
    // Waits for the script's end and returns what the client sent: request, acknowledgements.
    std::vector<Bytes> Received();

private:
    void Play();

    FakeUdpSocket m_socket;
    std::vector<Bytes> m_pages;
    std::vector<Bytes> m_received;
    std::thread m_thread;
};

}  // namespace kr::test
