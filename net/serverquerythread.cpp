#include "net/serverquerythread.h"

#include <memory>

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

}  // namespace

void SetUpdateMutexName(const std::string& name) {
    g_updateMutexName = name;
}

ServerQueryThread::~ServerQueryThread() {
    Join();
}

void ServerQueryThread::Run() {
    TMutex& update = ThreadsUpdateMutex();
    RunServerQueries(g_serverAddresses, g_refreshStop, [&](std::span<const QueriedServer> ended) {
        if (!update.Wait(&g_refreshStop)) {
            return false;  // the refresh is stopping: nothing more is filed or counted
        }
        m_host.FileAndStep(ended);
        update.Release(1);
        return true;
    });
}
