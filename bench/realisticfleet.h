// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The realistic fleet of the refresh benchmarks and the bound of a refresh over it. Header-only:
// refresh_bench (korvath-query) and browser_refresh_bench (the window) share it.

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "net/queryspeed.h"
#include "tests/support/simprocess.h"

// korvath-sim's options: 2,000 servers whose round trips lie between 20 and 250 ms, one in ten
// silent, 1 % of the replies lost; the same fleet on every run.
inline std::vector<std::string> RealisticFleetOptions() {
    return kr::test::Words("--servers 2000 --rtt 20-250 --silent 10 --loss 1 --random 38");
}

// The least wall time of a refresh of the fleet at the speed, in seconds: the sum over the
// servers of their base round trip, or time-out x (1 + retries) for one that is not heard,
// divided by the queries in flight; or pace x servers when that is more. Lost replies are left
// out: the bound is what the fleet file alone tells. Cost: linear in the fleet.
inline double RefreshBoundSeconds(const std::vector<kr::test::FleetEntry>& fleet,
                                  const QuerySpeed& speed) {
    double waitMs = 0;
    for (const kr::test::FleetEntry& server : fleet) {
        waitMs += server.Answers() ? server.rttMs : speed.timeoutMs * (1.0 + speed.retries);
    }
    const double pacedMs = static_cast<double>(speed.paceMs) * static_cast<double>(fleet.size());
    return std::max(waitMs / speed.inFlight, pacedMs) / 1000.0;
}
