// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "net/serverrecord.h"
#include "platform/posix/noticetext.h"

// What a query off the caller's thread found.
struct ServerQueryAnswer {
    std::string address;  // the "host:port" text asked
    ServerRecord record;  // QueryServerByAddress's record, its address text the one asked
    // The IPv4 address (network byte order) the host text named for this query; nullopt when
    // it named none, and the record then holds the placeholders of a server that did not answer.
    std::optional<uint32_t> resolved;
    // What the query reported (a socket error's status text), for the owner to show: the query's
    // thread never reaches the user notice, which may be gone by the time it ends.
    std::vector<NoticeText> notices;
};

// Enter's query of one server (QueryServerByAddress) made on a std::thread of its own, so that the
// caller's thread never waits on the network: the host text is resolved there first
// (ResolveHostIPv4) and the dotted quad it names is queried, so a name that no longer resolves
// gives a record without an answer, and no message box (what the query reports comes back in
// the answer). One query at a time per object.
// A query ends within the name lookup plus the query's 2-second time-out.
// Threads: Start, Running, Take and the destructor on the owner's thread; `ready` on the query's.
class AsyncServerQuery {
public:
    // ready: called on the query's thread once its answer can be taken (Take), while this object
    // exists; it must return at once (post an event, notify). Never called after the destructor.
    explicit AsyncServerQuery(std::function<void()> ready);
    // Never waits: a query in flight is left to end on its own (its deadline bounds it), and its
    // answer is dropped with the shared state it holds.
    ~AsyncServerQuery();
    AsyncServerQuery(const AsyncServerQuery&) = delete;
    AsyncServerQuery& operator=(const AsyncServerQuery&) = delete;

    // Starts the query of a "host:port" text (SplitServerAddress). False, nothing started, when
    // the text does not split, a query runs or its answer waits to be taken, or no thread starts.
    bool Start(const std::string& address);
    // A query was started and its answer not yet taken.
    bool Running() const;
    // The answer once ready has been called (then Running is false); nullopt before.
    std::optional<ServerQueryAnswer> Take();

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
};
