#include "net/serverquerythread.h"

#include <memory>
#include <semaphore>
#include <vector>

#include "net/refreshhost.h"
#include "net/refreshstop.h"
#include "net/serveraddress.h"
#include "net/serverqueryloop.h"
#include "net/tmutex.h"

namespace {

std::string g_updateMutexName = "update";

// The mutex "update" as this thread opened it: a pooled thread runs one refresh's queries after
// another's and opens the shared mutex once.
TMutex& ThreadsUpdateMutex() {
    thread_local std::unique_ptr<TMutex> update;
    if (!update || update->m_strName != g_updateMutexName) {
        update = std::make_unique<TMutex>(g_updateMutexName);
    }
    return *update;
}

// The servers in the host's hands: posted under "update", which is held until the host has filed
// them, so the queries go on while the host files.
class HandedServers {
public:
    HandedServers() { m_servers.reserve(kMaxQueriesInFlight); }

    // Takes `ended` (leaving the buffer of the servers filed before) and posts them.
    void Post(IRefreshHost& host, std::vector<QueriedServer>& ended) {
        m_servers.swap(ended);
        m_posted = true;
        host.PostFileAndStep(m_servers, [this] { m_filed.release(); });
    }
    // Waits until the host has filed the servers posted last, then releases "update".
    void Finish(TMutex& update) {
        if (m_posted) {
            m_filed.acquire();
            m_posted = false;
            update.Release(1);
        }
    }

private:
    std::vector<QueriedServer> m_servers;
    std::binary_semaphore m_filed{0};
    bool m_posted = false;
};

}  // namespace

void SetUpdateMutexName(const std::string& name) {
    g_updateMutexName = name;
}

ServerQueryThread::~ServerQueryThread() {
    Join();
}

void ServerQueryThread::Run() {
    TMutex& update = ThreadsUpdateMutex();
    HandedServers handed;
    RunServerQueries(g_serverAddresses, g_refreshStop, [&](std::vector<QueriedServer>& ended) {
        handed.Finish(update);
        if (!update.Wait(&g_refreshStop)) {
            return false;  // the refresh is stopping: nothing more is filed or counted
        }
        handed.Post(m_host, ended);
        return true;
    });
    handed.Finish(update);
}
