#include "tests/support/fakemaster.h"

namespace kr::test {

namespace {
constexpr int kPatienceMs = 5000;  // against hangs only; a working client answers at once
}

Bytes MasterPage(uint8_t type, const std::vector<FakeAddress>& records, uint8_t echoByte,
                 std::array<uint8_t, 3> echoText, int count) {
    const auto recordCount = static_cast<uint8_t>(count >= 0 ? count : records.size());
    Bytes page = {2,           6, type, 0, echoByte, echoText[0], echoText[1], echoText[2], 0, 0,
                  recordCount, 0, 0,    0, 0};
    for (const FakeAddress& record : records) {
        page.insert(page.end(), record.ip.begin(), record.ip.end());
        page.push_back(static_cast<uint8_t>(record.port >> 8));
        page.push_back(static_cast<uint8_t>(record.port & 0xFF));
    }
    return page;
}

FakeMaster::FakeMaster(std::vector<Bytes> pages)
    : m_pages(std::move(pages)), m_thread([this] { Play(); }) {}

FakeMaster::~FakeMaster() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

std::vector<Bytes> FakeMaster::Received() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
    return m_received;
}

void FakeMaster::Play() {
    sockaddr_in client{};
    std::optional<Bytes> request = m_socket.Receive(kPatienceMs, &client);
    if (!request) {
        return;
    }
    m_received.push_back(*request);
    for (const Bytes& page : m_pages) {
        m_socket.SendTo(page, client);
        if (page.size() >= 2 && page[0] == 2 && page[1] == 6) {
            std::optional<Bytes> ack = m_socket.Receive(kPatienceMs);
            if (!ack) {
                return;
            }
            m_received.push_back(*ack);
        }
    }
}

}  // namespace kr::test
