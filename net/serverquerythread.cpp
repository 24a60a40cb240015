#include "net/serverquerythread.h"

#include <memory>

#include "net/refreshhost.h"
#include "net/refreshstop.h"
#include "net/serveraddress.h"
#include "net/serverquery.h"
#include "net/tmutex.h"

namespace {

std::string g_updateMutexName = "update";

// The mutex "update" as this thread opened it: a pooled thread runs one worker after another and
// opens the shared mutex once, not once per server.
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

ServerQueryThread::ServerQueryThread() : m_pHost(nullptr), m_pAddress(nullptr), m_listIndex(0) {}

ServerQueryThread::~ServerQueryThread() {
    Join();
}

void ServerQueryThread::Run() {
    QueryServer(m_pAddress->m_ip, static_cast<int>(m_pAddress->m_port), m_record);
    TMutex& update = ThreadsUpdateMutex();
    if (!update.Wait(&g_refreshStop)) {
        return;  // the refresh is stopping: nothing more is filed or counted
    }
    m_pHost->FileAndStep(m_record, m_listIndex);
    update.Release(1);
}
