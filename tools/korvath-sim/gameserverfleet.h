// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include <netinet/in.h>

#include "tools/korvath-sim/eventloop.h"
#include "tools/korvath-sim/fleetserver.h"
#include "tools/korvath-sim/simoptions.h"
#include "tools/korvath-sim/simrandom.h"
#include "tools/korvath-sim/simstats.h"

// The game servers: one UDP socket on 127.0.0.1 (any free port) per server, all served by the
// event loop. Any 4-byte datagram is a query; other datagrams are ignored. An answering server
// sends its one reply datagram to the query's sender after the reply delay (plus jitter); a
// silent server never answers. A late server answers 2500 ms after the query (a client gives up
// after 2000 ms); an other-port server answers through one more socket of the fleet, whose port
// is no server's. With --full-for N a server's first N replies are its full one (fullReply).
// With --rtt each reply also waits the server's base round trip plus a jitter of 0 to 2 % of it
// (at least 0 to 1 ms); a flaky server ignores each query with a chance of 50 %, and with --loss
// each reply that would be sent is dropped with that chance (neither counts as a reply).
class GameServerFleet {
public:
    GameServerFleet(const std::vector<FleetServer>& servers, const SimOptions& options,
                    EventLoop& loop, SimStats& stats);
    ~GameServerFleet();
    GameServerFleet(const GameServerFleet&) = delete;
    GameServerFleet& operator=(const GameServerFleet&) = delete;

    // Binds every server's socket and watches it; on failure, error says why.
    bool Open(std::string& error);

    // The servers' ports, in list order (valid after Open).
    const std::vector<int>& Ports() const { return m_ports; }

private:
    void OnReadable(std::size_t index);
    void Reply(std::size_t index, const sockaddr_in& client);
    // The wait a reply adds for the server's round trip: its base plus the jitter (0 without
    // --rtt).
    int RoundTrip(const FleetServer& server);

    const std::vector<FleetServer>& m_servers;
    const SimOptions& m_options;
    EventLoop& m_loop;
    SimStats& m_stats;
    SimRandom m_jitter;
    std::vector<int> m_fds;
    std::vector<int> m_ports;
    std::vector<long> m_answers;  // replies sent by each server (for --full-for)
    int m_strayFd = -1;           // the socket other-port servers answer through
    long m_inFlight = 0;
};
