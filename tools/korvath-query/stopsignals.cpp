// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/korvath-query/stopsignals.h"

#include <pthread.h>
#include <signal.h>

#include <system_error>

#include "net/refreshstop.h"

namespace {
sigset_t StopSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}
}  // namespace

bool StopSignals::Start() {
    const sigset_t set = StopSet();
    if (pthread_sigmask(SIG_BLOCK, &set, nullptr) != 0) {
        return false;
    }
    try {
        m_thread = std::thread(&StopSignals::Take, this);
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

StopSignals::~StopSignals() {
    if (m_thread.joinable()) {
        m_ending.store(true);
        pthread_kill(m_thread.native_handle(), SIGTERM);  // wakes the sigwait below
        m_thread.join();
    }
}

void StopSignals::Take() {
    const sigset_t set = StopSet();
    for (int signal = 0; !m_ending.load();) {
        if (sigwait(&set, &signal) == 0 && !m_ending.load()) {
            int none = 0;
            m_received.compare_exchange_strong(none, signal);
            g_refreshStop.Set();
        }
    }
}
