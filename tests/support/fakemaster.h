// SPDX-License-Identifier: GPL-3.0-or-later
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
inline Bytes MasterPage(uint8_t type, const std::vector<FakeAddress>& records, uint8_t echoByte = 0,
                        std::array<uint8_t, 3> echoText = {0, 0, 0}, int count = -1) {
    const auto n = static_cast<uint8_t>(count >= 0 ? count : records.size());
    Bytes page = {2, 6, type, 0, echoByte, echoText[0], echoText[1], echoText[2], 0, 0,
                  n, 0, 0,    0, 0};
    for (const FakeAddress& record : records) {
        page.insert(page.end(), record.ip.begin(), record.ip.end());
        page.push_back(static_cast<uint8_t>(record.port >> 8));
        page.push_back(static_cast<uint8_t>(record.port & 0xFF));
    }
    return page;
}

// A scripted master on 127.0.0.1: waits for one request, then sends the pages in order, and
// after each page that starts with 2, 6 waits for one datagram (the acknowledgement). Then it
// stays silent. Every datagram it received is kept in arrival order. Waits for an acknowledgement
// are ackWaitMs at most (against hangs only; a working client answers at once).
class FakeMaster {
public:
    explicit FakeMaster(std::vector<Bytes> pages, int ackWaitMs = 5000)
        : m_pages(std::move(pages)), m_ackWaitMs(ackWaitMs), m_thread([this] { Play(); }) {}
    ~FakeMaster() { Received(); }

    int Port() const { return m_socket.Port(); }
    // Waits for the script's end and returns what the client sent: request, acknowledgements.
    std::vector<Bytes> Received() {
        if (m_thread.joinable()) {
            m_thread.join();
        }
        return m_received;
    }

private:
    void Play() {
        sockaddr_in client{};
        std::optional<Bytes> datagram = m_socket.Receive(5000, &client);
        if (!datagram) {
            return;
        }
        m_received.push_back(*datagram);
        for (const Bytes& page : m_pages) {
            m_socket.SendTo(page, client);
            if (page.size() >= 2 && page[0] == 2 && page[1] == 6) {
                if (!(datagram = m_socket.Receive(m_ackWaitMs))) {
                    return;
                }
                m_received.push_back(*datagram);
            }
        }
    }

    FakeUdpSocket m_socket;
    std::vector<Bytes> m_pages;
    int m_ackWaitMs;
    std::vector<Bytes> m_received;
    std::thread m_thread;
};

}  // namespace kr::test
