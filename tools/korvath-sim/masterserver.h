// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include <netinet/in.h>

#include "tools/korvath-sim/eventloop.h"
#include "tools/korvath-sim/simoptions.h"
#include "tools/korvath-sim/simstats.h"

// The master server: one list download per client address at a time. A request starts (or
// restarts) the download at page 0; each page is sent once its predecessor was acknowledged
// with the exact expected bytes. A page whose acknowledgement is missing is sent again after
// the resend interval, at most three times, then the download is dropped. Any other datagram
// from a client with a download under way counts as a rejected acknowledgement. With
// --master-endless the download never ends by itself; with --master-repeat every page but the
// last is sent once more after its acknowledgement (and must be acknowledged again); with
// --master-drip each page goes out that long after the request or the last acknowledgement.
class MasterServer {
public:
    // fd: the bound master socket (owned by the caller); ports: the fleet in list order.
    MasterServer(int fd, const std::vector<int>& ports, const SimOptions& options, EventLoop& loop,
                 SimStats& stats);

    // Reads and answers every waiting datagram.
    void OnReadable();

private:
    struct Session {
        sockaddr_in client{};
        int page = 0;
        int resends = 0;
        bool repeated = false;     // the current page has gone out a second time (--master-repeat)
        std::uint64_t sendId = 0;  // identifies the latest send, so stale resend timers do nothing
    };
    static constexpr int kMaxResends = 3;

    void Handle(const std::string& datagram, const sockaddr_in& sender);
    void SendPage(std::uint64_t key, Session& session);
    // SendPage now, or with --master-drip that long from now.
    void SendPageAfterDrip(std::uint64_t key, Session& session);
    void OnResendDue(std::uint64_t key, std::uint64_t sendId);

    int m_fd;
    const std::vector<int>& m_ports;
    const SimOptions& m_options;
    EventLoop& m_loop;
    SimStats& m_stats;
    int m_pageCount;
    std::map<std::uint64_t, Session> m_sessions;  // by client address and port
    std::uint64_t m_nextSendId = 1;
};
