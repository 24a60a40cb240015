#include "tests/support/fakegameservers.h"

#include <algorithm>
#include <chrono>

#include <poll.h>
#include <unistd.h>

namespace kr::test {

namespace {
using Clock = std::chrono::steady_clock;

struct DueReply {
    Clock::time_point due;
    size_t server;
    sockaddr_in to;
};
}  // namespace

Bytes InfoReply(uint8_t version, const std::string& name, uint8_t gameType, uint8_t players,
                uint8_t maxPlayers, const std::string& map, const std::string& mod, uint8_t flags) {
    std::string reply = "\xFF\xFF\xFF\xFF";
    reply += static_cast<char>(version);
    reply += name;
    reply += '\0';
    reply += static_cast<char>(gameType);
    reply += static_cast<char>(players);
    reply += static_cast<char>(maxPlayers);
    reply += map;
    reply += '\0';
    reply += mod;
    reply += '\0';
    reply += static_cast<char>(flags);
    return Bytes(reply.begin(), reply.end());
}

FakeGameServers::FakeGameServers(std::vector<FakeServerScript> scripts)
    : m_scripts(std::move(scripts)),
      m_requests(m_scripts.size(), 0),
      m_lastRequests(m_scripts.size()) {
    for (size_t i = 0; i < m_scripts.size(); ++i) {
        m_sockets.push_back(std::make_unique<FakeUdpSocket>());
    }
    if (pipe(m_stopPipe) != 0) {
        m_stopPipe[0] = m_stopPipe[1] = -1;
    }
    m_thread = std::thread([this] { Serve(); });
}

FakeGameServers::~FakeGameServers() {
    const char stop = 's';
    if (write(m_stopPipe[1], &stop, 1) != 1) {
        // The thread would never end; nothing else can be done here.
    }
    m_thread.join();
    close(m_stopPipe[0]);
    close(m_stopPipe[1]);
}

std::string FakeGameServers::Address(size_t server) const {
    return "127.0.0.1:" + std::to_string(Port(server));
}

int FakeGameServers::Requests(size_t server) {
    std::lock_guard<std::mutex> hold(m_lock);
    return m_requests[server];
}

Bytes FakeGameServers::LastRequest(size_t server) {
    std::lock_guard<std::mutex> hold(m_lock);
    return m_lastRequests[server];
}

int FakeGameServers::MaxInFlight() {
    std::lock_guard<std::mutex> hold(m_lock);
    return m_maxInFlight;
}

void FakeGameServers::Serve() {
    std::vector<pollfd> watched;
    watched.push_back(pollfd{m_stopPipe[0], POLLIN, 0});
    for (const auto& socket : m_sockets) {
        watched.push_back(pollfd{socket->Fd(), POLLIN, 0});
    }
    std::vector<DueReply> due;
    for (;;) {
        int timeoutMs = -1;
        if (!due.empty()) {
            const auto first = std::min_element(due.begin(), due.end(),
                                                [](auto& a, auto& b) { return a.due < b.due; });
            const auto left =
                std::chrono::ceil<std::chrono::milliseconds>(first->due - Clock::now());
            timeoutMs = static_cast<int>(std::max<long long>(0, left.count()));
        }
        if (poll(watched.data(), watched.size(), timeoutMs) < 0) {
            return;
        }
        if (watched[0].revents != 0) {
            return;
        }
        for (size_t i = 0; i < m_sockets.size(); ++i) {
            if ((watched[i + 1].revents & POLLIN) == 0) {
                continue;
            }
            sockaddr_in client{};
            std::optional<Bytes> request = m_sockets[i]->Receive(0, &client);
            if (!request) {
                continue;
            }
            std::lock_guard<std::mutex> hold(m_lock);
            ++m_requests[i];
            m_lastRequests[i] = *request;
            if (!m_scripts[i].silent) {
                due.push_back(DueReply{
                    Clock::now() + std::chrono::milliseconds(m_scripts[i].delayMs), i, client});
                m_maxInFlight = std::max(m_maxInFlight, static_cast<int>(due.size()));
            }
        }
        const auto now = Clock::now();
        for (auto it = due.begin(); it != due.end();) {
            if (it->due <= now) {
                m_sockets[it->server]->SendTo(m_scripts[it->server].reply, it->to);
                it = due.erase(it);
            } else {
                ++it;
            }
        }
    }
}

}  // namespace kr::test
