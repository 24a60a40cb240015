// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/korvath-sim/simstats.h"

#include <cstdio>

bool WriteStatsFile(const std::string& path, const SimStats& stats) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        return false;
    }
    const struct {
        const char* key;
        long value;
    } lines[] = {
        {"master_requests", stats.masterRequests},
        {"pages_sent", stats.pagesSent},
        {"pages_resent", stats.pagesResent},
        {"acks_received", stats.acksReceived},
        {"acks_rejected", stats.acksRejected},
        {"sessions_dropped", stats.sessionsDropped},
        {"queries", stats.queries},
        {"replies", stats.replies},
        {"max_in_flight", stats.maxInFlight},
    };
    for (const auto& line : lines) {
        std::fprintf(file, "%s %ld\n", line.key, line.value);
    }
    const bool written = std::ferror(file) == 0;
    return std::fclose(file) == 0 && written;
}
