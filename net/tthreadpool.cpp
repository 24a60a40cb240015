// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/tthreadpool.h"

#include <system_error>

TThreadPool& TThreadPool::Instance() {
    static TThreadPool pool;
    return pool;
}

TThreadPool::~TThreadPool() {
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_stop = true;
    }
    m_wake.notify_all();
    for (std::thread& thread : m_threads) {
        thread.join();
    }
}

bool TThreadPool::Post(std::function<void()> work, std::function<void()> finished) {
    std::unique_lock<std::mutex> hold(m_lock);
    m_tasks.push_back(Task{std::move(work), std::move(finished)});
    if (m_tasks.size() <= m_idle) {
        hold.unlock();
        m_wake.notify_one();
        return true;
    }
    // A new thread counts as idle from here on, before it has run at all: otherwise a thread
    // that starts late is not seen by the next Post, which would start one more.
    ++m_idle;
    try {
        m_threads.emplace_back(&TThreadPool::Serve, this);
        return true;
    } catch (const std::system_error&) {
        --m_idle;
        m_tasks.pop_back();
        return false;
    }
}

void TThreadPool::Serve() {
    std::unique_lock<std::mutex> hold(m_lock);  // counted idle by Post already
    for (;;) {
        m_wake.wait(hold, [this] { return m_stop || !m_tasks.empty(); });
        if (m_tasks.empty()) {
            return;  // stopping
        }
        Task task = std::move(m_tasks.front());
        m_tasks.pop_front();
        --m_idle;
        hold.unlock();
        task.work();
        hold.lock();
        ++m_idle;
        task.finished();
    }
}
