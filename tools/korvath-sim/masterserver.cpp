// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/korvath-sim/masterserver.h"

#include <limits>
#include <string>

#include "tools/korvath-sim/loopbacksocket.h"
#include "tools/korvath-sim/masterpage.h"

MasterServer::MasterServer(int fd, const std::vector<int>& ports, const SimOptions& options,
                           EventLoop& loop, SimStats& stats)
    : m_fd(fd),
      m_ports(ports),
      m_options(options),
      m_loop(loop),
      m_stats(stats),
      m_pageCount(options.masterEndless
                      ? std::numeric_limits<int>::max()
                      : ListPageCount(static_cast<int>(ports.size()), options.perPage)) {
    if (options.masterStopAfter >= 0 && options.masterStopAfter < m_pageCount) {
        m_pageCount = options.masterStopAfter;
    }
}

void MasterServer::OnReadable() {
    std::string datagram;
    sockaddr_in sender{};
    while (ReceiveDatagram(m_fd, datagram, sender)) {
        if (IsLoopbackSender(sender)) {
            Handle(datagram, sender);
        }
    }
}

void MasterServer::Handle(const std::string& datagram, const sockaddr_in& sender) {
    const std::uint64_t key =
        (static_cast<std::uint64_t>(sender.sin_addr.s_addr) << 16) | sender.sin_port;
    if (datagram == ListRequest()) {
        ++m_stats.masterRequests;
        m_sessions.erase(key);
        if (!m_options.masterSilent && m_pageCount > 0) {
            Session& session = m_sessions[key];
            session.client = sender;
            SendPageAfterDrip(key, session);
        }
        return;
    }
    const auto found = m_sessions.find(key);
    if (found == m_sessions.end()) {
        return;
    }
    Session& session = found->second;
    if (datagram != ExpectedAck(session.page)) {
        ++m_stats.acksRejected;
        return;
    }
    ++m_stats.acksReceived;
    session.resends = 0;
    const bool lastPage =
        !m_options.masterEndless &&
        session.page == ListPageCount(static_cast<int>(m_ports.size()), m_options.perPage) - 1;
    if (m_options.masterRepeat && !lastPage && !session.repeated) {
        session.repeated = true;
        SendPage(key, session);
        return;
    }
    session.repeated = false;
    if (++session.page >= m_pageCount) {
        m_sessions.erase(found);  // the last page, or the last before falling silent
        return;
    }
    SendPageAfterDrip(key, session);
}

void MasterServer::SendPageAfterDrip(std::uint64_t key, Session& session) {
    if (m_options.masterDripMs == 0) {
        SendPage(key, session);
        return;
    }
    session.sendId = m_nextSendId++;  // the resend timer of the page before does nothing now
    m_loop.After(m_options.masterDripMs, [this, key, sendId = session.sendId] {
        const auto found = m_sessions.find(key);
        if (found != m_sessions.end() && found->second.sendId == sendId) {
            SendPage(key, found->second);  // unless restarted or dropped since
        }
    });
}

void MasterServer::SendPage(std::uint64_t key, Session& session) {
    SendDatagram(m_fd, BuildListPage(m_ports, m_options, session.page), session.client);
    ++m_stats.pagesSent;
    session.sendId = m_nextSendId++;
    m_loop.After(m_options.resendMs,
                 [this, key, sendId = session.sendId] { OnResendDue(key, sendId); });
}

void MasterServer::OnResendDue(std::uint64_t key, std::uint64_t sendId) {
    const auto found = m_sessions.find(key);
    if (found == m_sessions.end() || found->second.sendId != sendId) {
        return;  // acknowledged, restarted or finished since
    }
    if (found->second.resends == kMaxResends) {
        ++m_stats.sessionsDropped;
        m_sessions.erase(found);
        return;
    }
    ++found->second.resends;
    ++m_stats.pagesResent;
    SendPage(key, found->second);
}
