// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/tthread.h"

#include "net/tevent.h"
#include "net/tthreadpool.h"

namespace {
constexpr uint32_t kPending = 1;
constexpr uint32_t kFinished = 0;

// Ids 0 and 1 mean finished and pending; running threads get 2, 3, ... (skipping both on wrap).
uint32_t NewThreadId() {
    static std::atomic<uint32_t> next{2};
    uint32_t id = next.fetch_add(1, std::memory_order_relaxed);
    while (id <= kPending) {
        id = next.fetch_add(1, std::memory_order_relaxed);
    }
    return id;
}
}  // namespace

TThread::TThread() : m_threadId(kPending), m_pEnded(nullptr) {}

TThread::~TThread() {
    Join();
}

bool TThread::Start(TEvent* ended) {
    // The id goes in before the thread exists, and only over "pending": a thread that finishes
    // before Start returns has nothing left to overwrite its 0, and a second Start finds no 1.
    uint32_t expected = kPending;
    if (!m_threadId.compare_exchange_strong(expected, NewThreadId())) {
        return false;
    }
    m_pEnded = ended;
    if (Launch()) {
        return true;
    }
    m_threadId.store(kFinished, std::memory_order_release);
    if (ended != nullptr) {
        ended->Set();
    }
    return false;
}

void TThread::Join() {
    if (!m_pRunEnd) {
        return;
    }
    std::unique_lock<std::mutex> hold(m_pRunEnd->lock);
    m_pRunEnd->changed.wait(hold, [this] { return m_pRunEnd->over; });
    hold.unlock();
    m_pRunEnd.reset();
}

unsigned TThread::ThreadEntry(TThread* thread) {
    thread->Run();
    TEvent* ended = thread->m_pEnded;
    thread->m_threadId.store(kFinished, std::memory_order_release);
    if (ended != nullptr) {
        ended->Set();
    }
    return 0;
}

bool TThread::Launch() {
    auto end = std::make_shared<RunEnd>();
    const bool posted =
        TThreadPool::Instance().Post([this] { ThreadEntry(this); },
                                     [end] {
                                         {
                                             const std::lock_guard<std::mutex> hold(end->lock);
                                             end->over = true;
                                         }
                                         end->changed.notify_all();
                                     });
    if (posted) {
        m_pRunEnd = std::move(end);
    }
    return posted;
}
