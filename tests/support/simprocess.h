#pragma once

#include <map>
#include <string>
#include <vector>

#include <sys/types.h>

#include "tests/support/tempdir.h"

namespace kr::test {

// One game server of a running simulator, as its --fleet-file tells: what a correct client
// decodes from the server's reply (for a malformed reply, from the bytes actually sent, read
// into a zero-filled 4096-byte buffer).
struct FleetEntry {
    enum class Kind { Ok, Silent, Malformed };

    std::string address;  // "127.0.0.1:PORT"
    int port = 0;
    int version = 0;   // version code byte, 0..255
    int gameType = 0;  // game type byte read as signed
    int players = 0;   // signed bytes
    int maxPlayers = 0;
    int flags = 0;  // 0..255: bit 0 dedicated, bit 2 private
    Kind kind = Kind::Ok;
    std::string name;  // byte strings
    std::string map;
    std::string mod;

    bool Answers() const { return kind != Kind::Silent; }
};

// Parses a fleet file as korvath-sim writes it; lines that do not parse are skipped.
std::vector<FleetEntry> ReadFleetFile(const std::string& path);

// korvath-sim as a child process on 127.0.0.1, started with "--master-port 0", its own
// --fleet-file and --stats-file in a temporary folder, and the given options after them. The
// constructor waits (at most 30 s) for the "master 127.0.0.1:PORT" line, which the simulator
// prints once every socket is bound and the fleet file is written.
class SimProcess {
public:
    explicit SimProcess(std::vector<std::string> options);
    ~SimProcess();  // stops the simulator (SIGTERM) and reaps it
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // True when the simulator printed its master line.
    bool Started() const { return m_masterPort > 0; }
    int MasterPort() const { return m_masterPort; }
    std::string MasterAddress() const;  // "127.0.0.1:PORT"

    // Stops a started simulator with SIGTERM, waits for one that did not start to end by
    // itself (SIGKILL after 30 s either way), and returns its exit status (-1: ended by a
    // signal or never spawned). Later calls return the same status.
    int Stop();

    // Stops the simulator and returns the counters of its --stats-file (empty when it wrote
    // none): master_requests, pages_sent, pages_resent, acks_received, acks_rejected,
    // sessions_dropped, queries, replies, max_in_flight.
    std::map<std::string, long> Stats();

    // The fleet in the master's list order (read once the simulator started).
    std::vector<FleetEntry> Fleet() const { return m_fleet; }

private:
    ScopedTempDir m_dir;
    pid_t m_pid = -1;
    int m_masterPort = 0;
    int m_exitStatus = -1;
    std::vector<FleetEntry> m_fleet;
};

}  // namespace kr::test
