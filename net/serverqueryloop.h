#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <vector>

#include "net/serverrecord.h"

struct ServerAddress;
class TEvent;

constexpr int kMaxQueriesInFlight = 10;

// A server whose info query has ended, answered or not, and its index in the list queried.
struct QueriedServer {
    ServerRecord record;
    std::size_t listIndex;
};

// Queries every server of `servers` once, in list order, at most 10 at a time, all on the calling
// thread. Each query is QueryServer's exchange (4 zero bytes, one datagram back from that server
// within 2000 ms, its ping and record as QueryServer makes them; a socket error such as a refused
// port ends it unanswered). Ten sockets are opened once and each is connected to the next server
// as its query ends, and one poll(2) waits for all of them: a query costs a connect, a send and a
// receive, no socket and no thread of its own.
//
// After each wake-up, once the slots freed by it hold their next servers, the queries that ended
// go to `ended` together, in the order they were seen to end; `ended` may take them (swap the
// vector's contents out: the run clears what is left) and returns false to end the run there.
// Once `stop` is set no query starts, and the run returns at the next wake-up (within 2000 ms),
// leaving the queries still in flight unreported.
// Cost: O(1) a query plus a scan of the 10 slots a wake-up; memory for 10 records.
void RunServerQueries(std::span<const ServerAddress> servers, TEvent& stop,
                      const std::function<bool(std::vector<QueriedServer>&)>& ended);
