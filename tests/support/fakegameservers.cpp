#include "tests/support/fakegameservers.h"

#include <algorithm>
#include <chrono>

#include <poll.h>
#include <unistd.h>

namespace kr::test {

Bytes InfoReply(uint8_t version, const std::string& name, uint8_t gameType, uint8_t players,
                uint8_t maxPlayers, const std::string& map, const std::string& mod, uint8_t flags) {
    const std::string reply = std::string("\xFF\xFF\xFF\xFF") + char(version) + name + '\0' +
                              char(gameType) + char(players) + char(maxPlayers) + map + '\0' + mod +
                              '\0' + char(flags);
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
    close(m_stopPipe[1]);  // wakes the thread: the pipe's end reads as ready
    m_thread.join();
    close(m_stopPipe[0]);
}

void FakeGameServers::Serve() {
    using Clock = std::chrono::steady_clock;
    struct DueReply {
        Clock::time_point due;
        size_t server;
        sockaddr_in to;
    };
    std::vector<pollfd> watched = {{m_stopPipe[0], POLLIN, 0}};
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
        if (poll(watched.data(), watched.size(), timeoutMs) < 0 || watched[0].revents != 0) {
            return;
        }
        for (size_t i = 0; i < m_sockets.size(); ++i) {
            sockaddr_in client{};
            std::optional<Bytes> request;
            if ((watched[i + 1].revents & POLLIN) == 0 ||
                !(request = m_sockets[i]->Receive(0, &client))) {
                continue;
            }
            std::lock_guard<std::mutex> hold(m_lock);
            ++m_requests[i];
            m_lastRequests[i] = *request;
            if (!m_scripts[i].silent) {
                due.push_back(
                    {Clock::now() + std::chrono::milliseconds(m_scripts[i].delayMs), i, client});
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
