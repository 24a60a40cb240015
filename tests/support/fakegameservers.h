#pragma once

#include <algorithm>
#include <atomic>
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

// A fleet of game servers on 127.0.0.1, one socket and one thread per server, each answering its
// requests one after the other. Counts the requests of each server.
class FakeGameServers {
public:
    explicit FakeGameServers(const std::vector<FakeServerScript>& scripts);
    ~FakeGameServers();

    int Port(size_t server) const { return m_servers[server]->socket.Port(); }
    std::string Address(size_t server) const { return "127.0.0.1:" + std::to_string(Port(server)); }
    // Servers first..end-1 (all by default) as the records of a master page.
    std::vector<FakeAddress> Records(size_t first = 0, size_t end = SIZE_MAX) const {
        std::vector<FakeAddress> records;
        for (size_t i = first; i < std::min(end, m_servers.size()); ++i) {
            records.push_back({{127, 0, 0, 1}, static_cast<uint16_t>(Port(i))});
        }
        return records;
    }
    int Requests(size_t server) {
        std::lock_guard<std::mutex> hold(m_lock);
        return m_servers[server]->requests;
    }
    Bytes LastRequest(size_t server) {
        std::lock_guard<std::mutex> hold(m_lock);
        return m_servers[server]->lastRequest;
    }

private:
    struct Server {
        FakeServerScript script;
        FakeUdpSocket socket;
        int requests = 0;
        Bytes lastRequest;
        std::thread thread;
    };
    void Serve(Server& server);

    std::vector<std::unique_ptr<Server>> m_servers;
    std::mutex m_lock;
    std::atomic<bool> m_stop{false};
};

}  // namespace kr::test
