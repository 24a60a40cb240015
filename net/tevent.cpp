// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/tevent.h"

void TEvent::Set() {
    std::lock_guard<std::mutex> hold(m_lock);
    m_set = true;
    m_changed.notify_all();
    if (m_wakeUp) {
        m_wakeUp();
    }
}

void TEvent::Reset() {
    std::lock_guard<std::mutex> hold(m_lock);
    m_set = false;
}

bool TEvent::TryWait() {
    std::lock_guard<std::mutex> hold(m_lock);
    const bool wasSet = m_set;
    m_set = m_set && m_manualReset;
    return wasSet;
}

void TEvent::Wait() {
    std::unique_lock<std::mutex> hold(m_lock);
    m_changed.wait(hold, [this] { return m_set; });
    m_set = m_manualReset;
}

void TEvent::SetWakeUp(std::function<void()> callback) {
    std::lock_guard<std::mutex> hold(m_lock);
    m_wakeUp = std::move(callback);
}
