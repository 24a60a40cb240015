// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// One thread's event loop: readable sockets (epoll, level-triggered) plus a queue of delayed
// actions. SIGTERM and SIGINT are blocked while the loop exists and stop it (through a
// signalfd), so the caller can still write its results. Idle, it sleeps in epoll_wait until
// the next socket event, the next due action or the end of the run.
class EventLoop {
public:
    using Action = std::function<void()>;

    EventLoop();
    ~EventLoop();
    EventLoop(const EventLoop&) = delete;
    EventLoop& operator=(const EventLoop&) = delete;

    // False when the epoll or signal descriptor could not be made.
    bool Ok() const { return m_epoll >= 0 && m_signals >= 0; }

    // Calls onReadable whenever fd has data. The fd stays owned by the caller.
    bool Watch(int fd, Action onReadable);

    // Calls action once, delayMs milliseconds from now and never sooner (the clock is read in
    // microseconds). Actions due at the same time run in the order they were queued.
    // Cost: O(log n) in the queued actions.
    void After(int delayMs, Action action);

    // Runs until a signal arrives or durationMs passes (0: no time limit).
    void Run(int durationMs);

private:
    struct Delayed {
        std::int64_t due;  // microseconds of the steady clock
        std::uint64_t order;
        Action action;
    };
    static std::int64_t NowUs();
    void RunDueActions();

    int m_epoll = -1;
    int m_signals = -1;
    bool m_stopped = false;
    std::vector<Action> m_watchers;  // indexed by the epoll tag
    std::vector<Delayed> m_delayed;  // a heap, earliest first
    std::uint64_t m_nextOrder = 0;
};
