// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/korvath-sim/gameserverfleet.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <unistd.h>

#include "tools/korvath-sim/loopbacksocket.h"

namespace {
constexpr int kLateReplyMs = 2500;  // past the client's 2000 ms receive time-out
}

GameServerFleet::GameServerFleet(const std::vector<FleetServer>& servers, const SimOptions& options,
                                 EventLoop& loop, SimStats& stats)
    : m_servers(servers),
      m_options(options),
      m_loop(loop),
      m_stats(stats),
      m_jitter(options.random ^ 0x6A177E12ull) {}

GameServerFleet::~GameServerFleet() {
    for (const int fd : m_fds) {
        close(fd);
    }
    if (m_strayFd >= 0) {
        close(m_strayFd);
    }
}

bool GameServerFleet::Open(std::string& error) {
    int strayPort = 0;
    m_strayFd = OpenLoopbackUdp(0, strayPort);
    if (m_strayFd < 0) {
        error = "cannot open the other-port socket: " + std::string(std::strerror(errno));
        return false;
    }
    m_answers.assign(m_servers.size(), 0);
    m_fds.reserve(m_servers.size());
    m_ports.reserve(m_servers.size());
    for (std::size_t i = 0; i < m_servers.size(); ++i) {
        int port = 0;
        const int fd = OpenLoopbackUdp(0, port);
        if (fd < 0) {
            error = "cannot open game server socket " + std::to_string(i + 1) + " of " +
                    std::to_string(m_servers.size()) + ": " + std::strerror(errno);
            return false;
        }
        m_fds.push_back(fd);
        m_ports.push_back(port);
        if (!m_loop.Watch(fd, [this, i] { OnReadable(i); })) {
            error = "cannot watch game server socket: " + std::string(std::strerror(errno));
            return false;
        }
    }
    return true;
}

void GameServerFleet::OnReadable(std::size_t index) {
    std::string datagram;
    sockaddr_in client{};
    while (ReceiveDatagram(m_fds[index], datagram, client)) {
        if (datagram.size() != 4 || !IsLoopbackSender(client)) {
            continue;
        }
        ++m_stats.queries;
        const FleetServer& server = m_servers[index];
        if (server.kind == ServerKind::Silent || (server.flaky && m_jitter.Chance(50)) ||
            (m_options.lossPercent > 0 && m_jitter.Chance(m_options.lossPercent))) {
            continue;
        }
        m_stats.maxInFlight = std::max(m_stats.maxInFlight, ++m_inFlight);
        const int delay =
            server.kind == ServerKind::Late
                ? kLateReplyMs
                : m_options.delayMs +
                      (m_options.delayJitterMs > 0 ? m_jitter.Between(0, m_options.delayJitterMs)
                                                   : 0) +
                      RoundTrip(server);
        if (delay == 0) {
            Reply(index, client);
        } else {
            m_loop.After(delay, [this, index, client] { Reply(index, client); });
        }
    }
}

int GameServerFleet::RoundTrip(const FleetServer& server) {
    if (m_options.rttMaxMs == 0) {
        return 0;
    }
    return server.rttMs + m_jitter.Between(0, std::max(server.rttMs / 50, 1));
}

void GameServerFleet::Reply(std::size_t index, const sockaddr_in& client) {
    const FleetServer& server = m_servers[index];
    const bool astray = server.kind == ServerKind::OtherPort;
    const bool full = !server.fullReply.empty() && m_answers[index]++ < m_options.fullFor;
    SendDatagram(astray ? m_strayFd : m_fds[index], full ? server.fullReply : server.reply, client);
    ++m_stats.replies;
    --m_inFlight;
}
