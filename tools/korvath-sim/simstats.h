// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The simulator's counters, written at exit as "key value" lines in this order.
struct SimStats {
    long masterRequests = 0;   // list requests received (also by a silent master)
    long pagesSent = 0;        // page datagrams sent, resends included
    long pagesResent = 0;      // of those, resends after a missing acknowledgement
    long acksReceived = 0;     // acknowledgements that matched the page they answer
    long acksRejected = 0;     // other datagrams from a client with a download under way
    long sessionsDropped = 0;  // downloads given up after the last resend went unanswered
    long queries = 0;          // 4-byte datagrams received by game servers, silent ones too
    long replies = 0;          // info replies sent
    // The most queries received by answering servers and not yet answered at one moment,
    // delayed replies included. A silent server's query is never counted: it has no end the
    // simulator could know. Queries are taken off when their reply is sent, so the figure
    // never exceeds what a client has in flight as long as the reply delay stays below the
    // client's receive time-out (late replies do not).
    long maxInFlight = 0;
};

// Writes the counters; false when the file cannot be written.
bool WriteStatsFile(const std::string& path, const SimStats& stats);
