// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/querybackoff.h"

#include <algorithm>

QueryBackOff::QueryBackOff(const QuerySpeed& speed)
    : m_most(speed.inFlight),
      m_least(std::min(kFloor, speed.inFlight)),
      m_enabled(speed.backOff),
      m_limit(speed.inFlight) {}

void QueryBackOff::Answered() {
    if (m_enabled) {
        m_limit = std::min(m_most, m_limit + 1);
        Remember(false);
    }
}

void QueryBackOff::Unanswered(bool timedOut) {
    if (m_enabled) {
        Remember(timedOut);
    }
}

void QueryBackOff::Remember(bool timedOut) {
    if (m_seen == kWindow) {
        m_timedOut -= m_window[m_next];
    } else {
        ++m_seen;
    }
    m_window[m_next] = timedOut;
    m_timedOut += timedOut;
    m_next = (m_next + 1) % kWindow;
    if (m_timedOut * 2 > kWindow) {
        m_limit = std::max(m_least, m_limit / 2);
        m_seen = m_next = m_timedOut = 0;
    }
}
