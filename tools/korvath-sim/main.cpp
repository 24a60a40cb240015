// SPDX-License-Identifier: GPL-3.0-or-later
// korvath-sim: a master server and a fleet of game servers on 127.0.0.1, for tests, benchmarks
// and demonstrations. Single-threaded: one event loop serves every socket. See --help.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include "tools/korvath-sim/eventloop.h"
#include "tools/korvath-sim/fleetbuilder.h"
#include "tools/korvath-sim/fleetfile.h"
#include "tools/korvath-sim/gameserverfleet.h"
#include "tools/korvath-sim/loopbacksocket.h"
#include "tools/korvath-sim/masterserver.h"
#include "tools/korvath-sim/simoptions.h"
#include "tools/korvath-sim/simstats.h"

namespace {

// Thousands of sockets need more descriptors than the usual soft limit.
void RaiseDescriptorLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "korvath-sim: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    SimOptions options;
    std::string error;
    switch (ParseSimOptions(argc, argv, options, error)) {
        case ParseResult::Help:
            std::fputs(SimUsage(), stdout);
            return 0;
        case ParseResult::BadUsage:
            std::fprintf(stderr, "korvath-sim: %s\n(korvath-sim --help lists the options)\n",
                         error.c_str());
            return 2;
        case ParseResult::Run:
            break;
    }
    signal(SIGPIPE, SIG_IGN);
    RaiseDescriptorLimit();

    EventLoop loop;
    if (!loop.Ok()) {
        return Fail(std::string("cannot set up the event loop: ") + std::strerror(errno));
    }
    SimStats stats;
    const std::vector<FleetServer> servers = BuildFleet(options);
    GameServerFleet fleet(servers, options, loop, stats);
    if (!fleet.Open(error)) {
        return Fail(error);
    }
    int masterPort = 0;
    const int masterFd = OpenLoopbackUdp(options.masterPort, masterPort);
    if (masterFd < 0) {
        return Fail("cannot bind the master server to 127.0.0.1:" +
                    std::to_string(options.masterPort) + ": " + std::strerror(errno));
    }
    MasterServer master(masterFd, fleet.Ports(), options, loop, stats);
    loop.Watch(masterFd, [&master] { master.OnReadable(); });
    if (!options.fleetFile.empty() && !WriteFleetFile(options.fleetFile, servers, fleet.Ports())) {
        close(masterFd);
        return Fail("cannot write the fleet file " + options.fleetFile);
    }

    std::printf("master 127.0.0.1:%d\n", masterPort);
    std::fflush(stdout);
    loop.Run(options.durationS * 1000);

    close(masterFd);
    if (!options.statsFile.empty() && !WriteStatsFile(options.statsFile, stats)) {
        return Fail("cannot write the stats file " + options.statsFile);
    }
    return 0;
}
