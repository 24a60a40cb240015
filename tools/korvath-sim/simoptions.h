// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// How the answering game servers answer (--reply).
enum class ReplyMode {
    Normal,        // a well-formed reply at once (after --delay)
    Garbage,       // 1 to 4096 random bytes
    Unterminated,  // 4096 bytes: the version code, then a name without any zero byte
    Full,          // a well-formed reply of exactly 4096 bytes (the name fills it)
    Late,          // a well-formed reply 2500 ms after the query, past a client's time-out
    OtherPort      // a well-formed reply from a port other than the one queried
};

// The command line of korvath-sim. Every value has a default; ParseSimOptions checks ranges.
struct SimOptions {
    int masterPort = 18444;        // 0: any free port
    int servers = 150;             // game servers in the fleet
    int perPage = 64;              // address records per page of the master list, 1..255
    int silentPercent = 0;         // share of servers that never answer
    int malformedPercent = 0;      // share of servers whose replies are malformed
    int delayMs = 0;               // reply delay of every answering server
    int delayJitterMs = 0;         // plus a random 0..jitter ms per reply
    int rttMinMs = 0;              // each server's base round trip is drawn from [min, max] ms;
    int rttMaxMs = 0;              // max 0: none (the replies' delay is --delay alone)
    int lossPercent = 0;           // chance that a reply of an answering server is dropped
    int flakyPercent = 0;          // share of the servers that answer half of the queries
    std::uint64_t random = 1;      // start value of the random generator: same value, same fleet
    int durationS = 0;             // 0: until SIGTERM or SIGINT
    bool masterSilent = false;     // the master never answers
    bool masterEndless = false;    // the master never sends the last page: pages cycle the fleet
    bool masterOvercount = false;  // every page's record count byte says 255
    bool masterRepeat = false;     // every page but the last is sent twice, each acknowledged
    ReplyMode reply = ReplyMode::Normal;  // how answering servers answer
    int masterStopAfter = -1;  // >= 0: the master sends this many pages, then falls silent
    int masterDripMs = 0;      // > 0: each page (of one record) goes out this long after the last
    int lastPageRecords = 0;   // records put on the last page too (clients must ignore them)
    int resendMs = 1000;       // a page whose acknowledgement is missing is sent again after
    int fullFor = 0;           // each server's first N well-formed replies say it is full
    std::string fleetFile;     // where the fleet's truth is written (empty: nowhere)
    std::string statsFile;     // where the counters are written at exit (empty: nowhere)
};

enum class ParseResult { Run, Help, BadUsage };

// Fills options from argv. On BadUsage, error says what is wrong.
ParseResult ParseSimOptions(int argc, char** argv, SimOptions& options, std::string& error);

// The usage text printed by --help and after a bad usage.
const char* SimUsage();
