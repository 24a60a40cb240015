// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <vector>

#include <sys/types.h>

#include "tests/support/tempdir.h"

namespace kr::test {

// One game server as korvath-sim's --fleet-file tells it: what a correct client decodes from its
// reply (for a malformed reply, from the bytes sent, read into a zero-filled 4096-byte buffer).
struct FleetEntry {
    enum class Kind { Ok, Silent, Malformed, Late, OtherPort };

    std::string address;  // "127.0.0.1:PORT"
    int port = 0;
    int version = 0;   // version code byte, 0..255
    int gameType = 0;  // signed byte, like players and maxPlayers
    int players = 0;
    int maxPlayers = 0;
    int flags = 0;  // bit 0 dedicated, bit 2 private
    Kind kind = Kind::Ok;
    std::string name, map, mod;  // byte strings
    int rttMs = 0;               // base round trip of its replies (--rtt)
    bool flaky = false;          // answers only some queries (--flaky)

    // A reply reaches the client in time, from the port queried.
    bool Answers() const { return kind == Kind::Ok || kind == Kind::Malformed; }
};

// The words of a command line written as one text ("--servers 30 --silent 10").
std::vector<std::string> Words(const std::string& line);

// korvath-sim as a child process ("--master-port 0", its own fleet and stats files, then the
// options). The constructor waits at most 30 s for the "master 127.0.0.1:PORT" line, less when
// the simulator ends first (help, bad usage).
class SimProcess {
public:
    explicit SimProcess(std::vector<std::string> options);
    ~SimProcess() { Stop(); }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool Started() const { return m_masterPort > 0; }
    int MasterPort() const { return m_masterPort; }
    std::string MasterAddress() const { return "127.0.0.1:" + std::to_string(m_masterPort); }

    // Stops the simulator and returns its --stats-file counters (master_requests, pages_sent,
    // pages_resent, acks_received, acks_rejected, sessions_dropped, queries, replies,
    // max_in_flight).
    std::map<std::string, long> Stats();

    // The fleet in the master's list order.
    std::vector<FleetEntry> Fleet() const { return m_fleet; }

private:
    // SIGTERM, then waits for the end; nothing once done.
    void Stop();

    ScopedTempDir m_dir;
    pid_t m_pid = -1;
    int m_masterPort = 0;
    std::vector<FleetEntry> m_fleet;
};

}  // namespace kr::test
