#pragma once

#include <cstddef>

#include "net/serverrecord.h"
#include "net/tthread.h"

class IRefreshHost;
struct ServerAddress;

// One query worker of a refresh: queries its server without any lock, then, under the named
// mutex "update", hands the record to the host and steps its progress once.
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
