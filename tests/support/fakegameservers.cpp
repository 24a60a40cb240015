#include "tests/support/fakegameservers.h"

#include <chrono>

namespace kr::test {

Bytes InfoReply(uint8_t version, const std::string& name, uint8_t gameType, uint8_t players,
                uint8_t maxPlayers, const std::string& map, const std::string& mod, uint8_t flags) {
    const std::string reply = std::string("\xFF\xFF\xFF\xFF") + char(version) + name + '\0' +
                              char(gameType) + char(players) + char(maxPlayers) + map + '\0' + mod +
                              '\0' + char(flags);
    return Bytes(reply.begin(), reply.end());
}

FakeGameServers::FakeGameServers(const std::vector<FakeServerScript>& scripts) {
    for (const FakeServerScript& script : scripts) {
        m_servers.push_back(std::make_unique<Server>());
        m_servers.back()->script = script;
    }
    for (const auto& server : m_servers) {
        server->thread = std::thread([this, &server = *server] { Serve(server); });
    }
}

FakeGameServers::~FakeGameServers() {
    m_stop = true;
    for (const auto& server : m_servers) {
        server->thread.join();
    }
}

void FakeGameServers::Serve(Server& server) {
    sockaddr_in client{};
    while (!m_stop) {
        const std::optional<Bytes> request = server.socket.Receive(20, &client);
        if (!request) {
            continue;  // looks at the stop flag every 20 ms
        }
        {
            std::lock_guard<std::mutex> hold(m_lock);
            ++server.requests;
            server.lastRequest = *request;
        }
        if (!server.script.silent) {
            std::this_thread::sleep_for(std::chrono::milliseconds(server.script.delayMs));
            server.socket.SendTo(server.script.reply, client);
        }
    }
}

}  // namespace kr::test
