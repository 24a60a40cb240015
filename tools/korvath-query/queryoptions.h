// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "net/queryspeed.h"

// The query speed options of korvath-query, as its usage text lists them.
inline constexpr char kSpeedSynopsis[] =
    "       [--fast] [--in-flight N] [--timeout MS] [--retries N] [--pace MS]\n";
inline constexpr char kSpeedUsage[] =
    "  --fast                the \"Fast\" query speed: 100 in flight, 1000 ms, 1 retry, 2 ms\n"
    "                        pace, fewer in flight while most time out; the options below\n"
    "                        change it. The default, \"As described\", is 10, 2000 ms, 0, 0\n"
    "  --in-flight N         queries in flight at most, 1-100 (default 10)\n"
    "  --timeout MS          how long a query waits for its answer, 200-5000 ms (default 2000)\n"
    "  --retries N           how often a silent server is asked again, after all others,\n"
    "                        0-3 (default 0)\n"
    "  --pace MS             the least time between two sends, 0-100 ms (default 0)\n";

// The query speed given on the command line: the described speed, or with --fast the fast one,
// and over it each value given by its own option (the last one given counts), wherever --fast
// stands.
class QuerySpeedOptions {
public:
    enum class Taken { No, Yes, Bad };
    // Takes argv[i] and the value after it when it is a speed option (i then stands on the last
    // word taken). Bad, with `problem` naming the argument, when its value is missing, is not a
    // plain decimal number, or lies outside its range; No when argv[i] is no speed option.
    Taken Take(int argc, char** argv, int& i, std::string& problem);
    QuerySpeed Speed() const;

private:
    bool m_fast = false;
    std::optional<int> m_inFlight;
    std::optional<int> m_timeoutMs;
    std::optional<int> m_retries;
    std::optional<int> m_paceMs;
};
