// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/serverquerythread.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <semaphore>
#include <vector>

#include "net/refreshhost.h"
#include "net/refreshstop.h"
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

// Hand-overs wait in the host's hands up to this many at once; past that the queries wait for
// the host to catch up, so a host that stops filing cannot make the thread buffer the whole list.
constexpr std::ptrdiff_t kMaxHandOvers = 32;

// The servers in the host's hands, one hand-over per wake-up of the queries, oldest first.
// "update" is held from the first post until the host has filed the last one, so the queries go
// on while the host files, and a host that is slow to wake does not hold them up.
class HandedServers {
public:
    // Takes the servers out of `ended` and posts them; takes "update" first when nothing is in the
    // host's hands. False, posting nothing, when that wait gave up.
    bool Post(IRefreshHost& host, TMutex& update, std::vector<QueriedServer>& ended) {
        Reclaim(update);
        if (m_posted.empty() && !update.Wait(&g_refreshStop)) {
            return false;
        }
        if (static_cast<std::ptrdiff_t>(m_posted.size()) == kMaxHandOvers) {
            m_filed.acquire();
            m_posted.pop_front();
        }
        m_posted.push_back(std::move(ended));
        ended.reserve(kMaxQueriesInFlight);  // the loop's buffer for the next wake-up
        host.PostFileAndStep(m_posted.back(), [this] { m_filed.release(); });
        return true;
    }
    // Waits until the host has filed every hand-over, then releases "update".
    void Finish(TMutex& update) {
        if (m_posted.empty()) {
            return;
        }
        for (; !m_posted.empty(); m_posted.pop_front()) {
            m_filed.acquire();
        }
        update.Release(1);
    }

private:
    // Drops the hand-overs the host has filed (it files them in posting order); releases "update"
    // once the host holds none.
    void Reclaim(TMutex& update) {
        const bool held = !m_posted.empty();
        while (!m_posted.empty() && m_filed.try_acquire()) {
            m_posted.pop_front();
        }
        if (held && m_posted.empty()) {
            update.Release(1);
        }
    }

    std::deque<std::vector<QueriedServer>> m_posted;
    std::counting_semaphore<kMaxHandOvers> m_filed{0};
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
    RunServerQueries(
        m_servers, g_refreshStop,
        [&](std::vector<QueriedServer>& ended) {
            // False when the refresh is stopping: nothing more is filed or counted.
            return handed.Post(m_host, update, ended);
        },
        m_speed);
    handed.Finish(update);
}
