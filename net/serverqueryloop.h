// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <vector>

#include "net/queryspeed.h"
#include "net/serverrecord.h"

struct ServerAddress;
class TEvent;

// Queries in flight at the described speed.
constexpr int kMaxQueriesInFlight = kDescribedSpeed.inFlight;

// A server whose info query has ended, answered or not, and its index in the list queried.
struct QueriedServer {
    ServerRecord record;
    std::size_t listIndex;
};

// Queries every server of `servers` at `speed` (clamped into its ranges), all on the calling
// thread. Each query is QueryServer's exchange (4 zero bytes, one datagram back from that server
// within speed.timeoutMs, its ping and record as QueryServer makes them; a socket error such as a
// refused port ends it unanswered). Servers are asked in list order, at most speed.inFlight (or
// the back-off's lower limit, QueryBackOff) at a time, sends at least speed.paceMs apart; once
// the list has been asked, each server whose query timed out is asked again, up to speed.retries
// times, in the order they timed out. A ping is the time from the send of the query answered.
// Every server is reported once: with its last query's outcome. As many sockets as queries may
// be in flight are opened once, each connected to the next server as its query ends, and one
// epoll set waits for all of them: a query costs a connect, a send and a receive, no socket and
// no thread of its own. The default speed is the described one: 10 in flight, 2000 ms, each
// server asked once, nothing else.
//
// After each wake-up, once the slots freed by it hold their next servers (as far as the limit
// and the pace let them), the servers whose queries ended go to `ended` together, in the order
// they were seen to end; `ended` may take them (swap the vector's contents out: the run clears
// what is left) and returns false to end the run there.
// Once `stop` is set no query starts, and the run returns at the next wake-up (within the
// time-out), leaving the queries still in flight, and the servers still to be asked again,
// unreported.
// Cost: O(in-flight) a wake-up; memory for in-flight records, and a list index for each server
// waiting to be asked again. Each server is asked at most 1 + retries times, so the run always
// ends: with N servers all silent, within timeoutMs x (1 + retries) x ceil(N / L) plus
// paceMs x (1 + retries) x N, L being the speed's in-flight, or with back-off the lesser of 10
// and it (only time-outs while the list is still being asked lower it).
void RunServerQueries(std::span<const ServerAddress> servers, TEvent& stop,
                      const std::function<bool(std::vector<QueriedServer>&)>& ended,
                      const QuerySpeed& speed = kDescribedSpeed);
