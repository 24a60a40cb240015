// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>

#include "net/queryspeed.h"
#include "net/serveraddress.h"
#include "net/tthread.h"

class IRefreshHost;

// The query thread of a refresh: queries every server it is given (RunServerQueries at the speed
// given: by default at most 10 in flight, in list order, each once) and hands the servers whose
// queries ended at one wake-up to the host together, under the named mutex "update":
// PostFileAndStep files each and steps the progress once for each. The thread goes on querying
// while the host files: it takes "update" before a hand-over when the host holds none, and gives it
// back once it finds every one filed. Up to 32 hand-overs wait in the host's hands; past that, and
// before it ends, the thread waits for the host's filing. The pooled thread that runs it keeps
// "update" open for the refreshes after it. When the refresh is asked to stop (g_refreshStop) no
// query starts, the mutex wait gives up, at the latest after its current 1000 ms step, and the
// records not yet handed over are neither filed nor counted.
class ServerQueryThread : public TThread {
public:
    // servers: the addresses to query, which stay as they are until the thread has ended.
    ServerQueryThread(IRefreshHost& host, std::span<const ServerAddress> servers,
                      const QuerySpeed& speed = kDescribedSpeed)
        : m_host(host), m_servers(servers), m_speed(speed) {}
    // Joins the thread before the host reference goes away.
    ~ServerQueryThread() override;

    void Run() override;

private:
    IRefreshHost& m_host;
    std::span<const ServerAddress> m_servers;
    QuerySpeed m_speed;
};

// The name of the mutex the query thread takes: "update", shared with every running copy of the
// program. Tests give a name of their own so that they never disturb a running browser. Set it
// only while no refresh runs.
void SetUpdateMutexName(const std::string& name);
