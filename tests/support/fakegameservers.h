#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/fakemaster.h"
#include "tests/support/fakeudp.h"

namespace kr::test {

// An info reply: 4 header bytes, version code, name\0, game type, players, limit, map\0, mod\0,
// flags.
Bytes InfoReply(uint8_t version, const std::string& name, uint8_t gameType, uint8_t players,
                uint8_t maxPlayers, const std::string& map, const std::string& mod, uint8_t flags);

struct FakeServerScript {
    Bytes reply;          // sent back to every request
    bool silent = false;  // never answers
    int delayMs = 0;      // answers this long after the request
};

// A fleet of game servers on 127.0.0.1, one socket per server, served by one thread. Counts the
// requests of each server and the most replies that were due at once ("in flight": request
// received, reply not yet sent), a lower bound of the client's queries in flight.
class FakeGameServers {
public:
    explicit FakeGameServers(std::vector<FakeServerScript> scripts);
    ~FakeGameServers();

    int Port(size_t server) const { return m_sockets[server]->Port(); }
    std::string Address(size_t server) const { return "127.0.0.1:" + std::to_string(Port(server)); }
    // Servers first..end-1 (all by default) as the records of a master page.
    std::vector<FakeAddress> Records(size_t first = 0, size_t end = SIZE_MAX) const {
        std::vector<FakeAddress> records;
        for (size_t i = first; i < std::min(end, m_sockets.size()); ++i) {
            records.push_back({{127, 0, 0, 1}, static_cast<uint16_t>(Port(i))});
        }
        return records;
    }
    int Requests(size_t server) {
        return Locked([&] { return m_requests[server]; });
    }
    Bytes LastRequest(size_t server) {
        return Locked([&] { return m_lastRequests[server]; });
    }
    int MaxInFlight() {
        return Locked([&] { return m_maxInFlight; });
    }

private:
    template <typename Read>
    auto Locked(Read read) -> decltype(read()) {
        std::lock_guard<std::mutex> hold(m_lock);
        return read();
    }
    void Serve();

    std::vector<FakeServerScript> m_scripts;
    std::vector<std::unique_ptr<FakeUdpSocket>> m_sockets;
    int m_stopPipe[2];
    std::mutex m_lock;
    std::vector<int> m_requests;
    std::vector<Bytes> m_lastRequests;
    int m_maxInFlight = 0;
    std::thread m_thread;
};

}  // namespace kr::test
