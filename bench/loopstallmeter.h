// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>

// The longest time the calling thread went without a turn of its event loop, from Start (or the
// first signal given to StartOn) to StopMs: a 1 ms timer ticks on each turn that finds it due.
class LoopStallMeter {
public:
    LoopStallMeter() {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Tick(); });
    }
    void Start() {
        if (!m_timer.isActive()) {
            m_timer.start();
            m_sinceTick.start();
        }
    }
    template <typename Sender, typename Signal>
    void StartOn(const Sender* sender, Signal signal) {
        QObject::connect(sender, signal, &m_timer, [this] { Start(); });
    }
    double StopMs() {
        if (m_timer.isActive()) {
            Tick();
            m_timer.stop();
        }
        return static_cast<double>(m_longestNs) / 1e6;
    }

private:
    void Tick() {
        m_longestNs = std::max(m_longestNs, m_sinceTick.nsecsElapsed());
        m_sinceTick.start();
    }

    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_longestNs = 0;
};
