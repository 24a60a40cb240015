#pragma once

#include <cstdint>
#include <string>

// The command line of korvath-sim. Every value has a default; ParseSimOptions checks ranges.
struct SimOptions {
    int masterPort = 18444;     // 0: any free port
    int servers = 150;          // game servers in the fleet
    int perPage = 64;           // address records per page of the master list, 1..255
    int silentPercent = 0;      // share of servers that never answer
    int malformedPercent = 0;   // share of servers whose replies are malformed
    int delayMs = 0;            // reply delay of every answering server
    int delayJitterMs = 0;      // plus a random 0..jitter ms per reply
    std::uint64_t random = 1;   // start value of the random generator: same value, same fleet
    int durationS = 0;          // 0: until SIGTERM or SIGINT
    bool masterSilent = false;  // the master never answers
    int masterStopAfter = -1;   // >= 0: the master sends this many pages, then falls silent
    int lastPageRecords = 0;    // records put on the last page too (clients must ignore them)
    int resendMs = 1000;        // a page whose acknowledgement is missing is sent again after
    std::string fleetFile;      // where the fleet's truth is written (empty: nowhere)
    std::string statsFile;      // where the counters are written at exit (empty: nowhere)
};

enum class ParseResult { Run, Help, BadUsage };

// Fills options from argv. On BadUsage, error says what is wrong.
ParseResult ParseSimOptions(int argc, char** argv, SimOptions& options, std::string& error);

// The usage text printed by --help and after a bad usage.
const char* SimUsage();
