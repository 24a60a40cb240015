// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
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
inline Bytes InfoReply(uint8_t version, const std::string& name, uint8_t gameType, uint8_t players,
                       uint8_t maxPlayers, const std::string& map, const std::string& mod,
                       uint8_t flags) {
    const std::string reply = std::string("\xFF\xFF\xFF\xFF") + char(version) + name + '\0' +
                              char(gameType) + char(players) + char(maxPlayers) + map + '\0' + mod +
                              '\0' + char(flags);
    return Bytes(reply.begin(), reply.end());
}

struct FakeServerScript {
    Bytes reply;          // sent back to every request
    bool silent = false;  // never answers
    int delayMs = 0;      // answers this long after the request
    int silentFor = 0;    // leaves this many requests unanswered before it answers
};

// A request as a fake server saw it: when it came, and how many answers the fleet still owed
// then (requests of answering servers not yet answered), this one included.
struct SeenRequest {
    std::chrono::steady_clock::time_point at;
    int owed = 0;
};

// A fleet of game servers on 127.0.0.1, one socket and one thread per server, each answering its
// requests one after the other. Keeps the requests of each server, and how many answers the fleet
// owed at most at once: never more than the queries in flight.
class FakeGameServers {
public:
    explicit FakeGameServers(const std::vector<FakeServerScript>& scripts) {
        for (const FakeServerScript& script : scripts) {
            m_servers.push_back(std::make_unique<Server>(script));
        }
        for (const auto& server : m_servers) {
            server->thread = std::thread([this, &server = *server] { Serve(server); });
        }
    }
    ~FakeGameServers() {
        m_stop = true;
        for (const auto& server : m_servers) {
            server->thread.join();
        }
    }

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
    // The datagrams the server received, in order.
    std::vector<Bytes> Requests(size_t server) {
        const std::lock_guard<std::mutex> hold(m_lock);
        return m_servers[server]->requests;
    }

    std::vector<SeenRequest> Seen(size_t server) {
        const std::lock_guard<std::mutex> hold(m_lock);
        return m_servers[server]->seen;
    }
    int MostOwed() {
        const std::lock_guard<std::mutex> hold(m_lock);
        return m_mostOwed;
    }

private:
    struct Server {
        explicit Server(const FakeServerScript& s) : script(s) {}
        FakeServerScript script;
        FakeUdpSocket socket;
        std::vector<Bytes> requests;
        std::vector<SeenRequest> seen;
        std::thread thread;
    };
    void Serve(Server& server) {
        sockaddr_in client{};
        while (!m_stop) {
            const std::optional<Bytes> request = server.socket.Receive(20, &client);
            if (!request) {
                continue;  // looks at the stop flag every 20 ms
            }
            m_lock.lock();
            const bool answers =
                !server.script.silent &&
                static_cast<int>(server.requests.size()) >= server.script.silentFor;
            server.requests.push_back(*request);
            const int owed = m_owed + answers;
            server.seen.push_back({std::chrono::steady_clock::now(), owed});
            m_owed = owed;
            m_mostOwed = std::max(m_mostOwed, owed);
            m_lock.unlock();
            if (answers) {
                std::this_thread::sleep_for(std::chrono::milliseconds(server.script.delayMs));
                m_lock.lock();
                --m_owed;
                m_lock.unlock();
                server.socket.SendTo(server.script.reply, client);
            }
        }
    }

    std::vector<std::unique_ptr<Server>> m_servers;
    std::mutex m_lock;
    int m_owed = 0;  // these two under m_lock
    int m_mostOwed = 0;
    std::atomic<bool> m_stop{false};
};

}  // namespace kr::test
