// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// The process's worker threads behind TThread: a task goes to an idle pool thread, or to a new
// one when none is idle, and a thread stays for the next task once its task is done. So a run of
// short tasks, at most k at once, starts k operating-system threads, not one per task.
// Threads: Post may be called from any thread; the pool ends with the process, joining its
// threads (each is idle by then: every TThread joins its run).
class TThreadPool {
public:
    static TThreadPool& Instance();
    ~TThreadPool();
    TThreadPool(const TThreadPool&) = delete;
    TThreadPool& operator=(const TThreadPool&) = delete;

    // Runs work on a pool thread, then `finished` once that thread counts as idle again (so a
    // task posted after `finished` never needs a new thread); `finished` runs under the pool's
    // lock and must be quick. False when no thread is idle and no new one can be started (the
    // task is then dropped). O(1) plus a thread start when the pool grows.
    bool Post(std::function<void()> work, std::function<void()> finished);

private:
    TThreadPool() = default;
    void Serve();

    std::mutex m_lock;
    std::condition_variable m_wake;
    struct Task {
        std::function<void()> work;
        std::function<void()> finished;
    };

    std::deque<Task> m_tasks;  // posted, not yet taken
    std::vector<std::thread> m_threads;
    std::size_t m_idle = 0;  // threads waiting for a task, or started and not yet running
    bool m_stop = false;
};
