// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "net/queryspeed.h"

// How many queries a run may have in flight now. Without back-off it is the speed's in-flight
// throughout. With it: when more than half of the last 20 queries that ended without an answer
// or with one timed out, the limit halves (not below 10, or the speed's in-flight when that is
// lower) and the count starts anew; every answer raises it by one, up to the speed's in-flight.
// O(1) a call.
class QueryBackOff {
public:
    static constexpr int kWindow = 20;  // queries looked back on
    static constexpr int kFloor = 10;   // the back-off never goes below this many in flight

    explicit QueryBackOff(const QuerySpeed& speed);

    int Limit() const { return m_limit; }
    // A query ended with an answer.
    void Answered();
    // A query ended without one: timedOut when its time-out passed, false when it failed at once
    // (a refused port), which does not count against the network.
    void Unanswered(bool timedOut);

private:
    void Remember(bool timedOut);

    const int m_most;
    const int m_least;
    const bool m_enabled;
    int m_limit;
    std::array<bool, kWindow> m_window{};  // the last outcomes, a ring; true: timed out
    int m_seen = 0;                        // outcomes in the window, up to kWindow
    int m_next = 0;                        // where the next outcome goes
    int m_timedOut = 0;                    // timed-out outcomes in the window
};
