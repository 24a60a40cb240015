#pragma once

#include <cstddef>
#include <string>

#include "net/serverrecord.h"
#include "net/tthread.h"

class IRefreshHost;
struct ServerAddress;

// One query worker of a refresh: queries its server without any lock, then, under the named
// mutex "update", hands the record to the host and steps its progress once (FileAndStep). The
// pooled thread that runs it keeps "update" open for the workers it runs after it. When the
// refresh is asked to stop (g_refreshStop) the mutex wait gives up, at the latest after its current
// 1000 ms step, and the record is neither filed nor counted.
class ServerQueryThread : public TThread {
public:
    ServerQueryThread();
    // Joins the thread before the record goes away.
    ~ServerQueryThread() override;

    void Run() override;

    IRefreshHost* m_pHost;            // not owned
    ServerRecord m_record;            // owned; written by the query
    const ServerAddress* m_pAddress;  // entry of g_serverAddresses; not owned
    std::size_t m_listIndex;          // that entry's index
};

// The name of the mutex the workers take: "update", shared with every running copy of the
// program. Tests give a name of their own so that they never disturb a running browser. Set it
// only while no refresh runs.
void SetUpdateMutexName(const std::string& name);
