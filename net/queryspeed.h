// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a refresh asks its game servers (RunServerQueries): how many queries may be in flight, how
// long one waits for its answer, how often a silent server is asked again, how long to leave
// between two sends, and whether to ask fewer at once while most queries time out.
struct QuerySpeed {
    int inFlight = 10;     // queries in flight at most
    int timeoutMs = 2000;  // a query not answered by then ends unanswered
    int retries = 0;       // queries more for a server that stayed silent, after all others
    int paceMs = 0;        // at least this long between two sends
    bool backOff = false;  // QueryBackOff: fewer in flight while most queries time out

    bool operator==(const QuerySpeed&) const = default;
};

// The range each value of a speed must lie in, both ends included.
struct QuerySpeedRange {
    int least;
    int most;
};
inline constexpr QuerySpeedRange kInFlightRange{1, 100};
inline constexpr QuerySpeedRange kTimeoutRange{200, 5000};
inline constexpr QuerySpeedRange kRetriesRange{0, 3};
inline constexpr QuerySpeedRange kPaceRange{0, 100};

// "As described", the default: 10 in flight, 2000 ms, no retry, no pace, no back-off.
inline constexpr QuerySpeed kDescribedSpeed{};
// "Fast": 100 in flight, 1000 ms, one retry, 2 ms between sends, back-off on.
inline constexpr QuerySpeed kFastSpeed{100, 1000, 1, 2, true};

inline constexpr bool InRange(int value, QuerySpeedRange range) {
    return value >= range.least && value <= range.most;
}

// The speed with every value brought into its range.
QuerySpeed ClampedSpeed(QuerySpeed speed);
