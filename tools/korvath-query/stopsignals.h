// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <thread>

// SIGINT and SIGTERM as a request to stop the refresh. Start blocks both in the calling thread,
// before any other thread exists, so every later thread (the query workers) inherits the mask
// and no signal interrupts a system call half-way; one thread of its own takes them and sets
// g_refreshStop. The destructor ends that thread; a signal after it stays pending, unheeded.
class StopSignals {
public:
    StopSignals() = default;
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // False when the signals cannot be blocked or the thread not started.
    bool Start();
    // The first stop signal received (SIGINT or SIGTERM), 0 while none came.
    int Received() const { return m_received.load(); }

private:
    void Take();

    std::thread m_thread;
    std::atomic<int> m_received{0};
    std::atomic<bool> m_ending{false};
};
