#include "net/serverquerythread.h"

#include "net/refreshhost.h"
#include "net/refreshstop.h"
#include "net/serveraddress.h"
#include "net/serverquery.h"
#include "net/tmutex.h"

namespace {
std::string g_updateMutexName = "update";
}

void SetUpdateMutexName(const std::string& name) {
    g_updateMutexName = name;
}

ServerQueryThread::ServerQueryThread() : m_pHost(nullptr), m_pAddress(nullptr), m_listIndex(0) {}

ServerQueryThread::~ServerQueryThread() {
    Join();
}

void ServerQueryThread::Run() {
    QueryServer(m_pAddress->m_ip, static_cast<int>(m_pAddress->m_port), m_record);
    TMutex update(g_updateMutexName);
    if (!update.Wait(&g_refreshStop)) {
        return;  // the refresh is stopping: nothing more is filed or counted
    }
    m_pHost->FileAndStep(m_record, m_listIndex);
}
