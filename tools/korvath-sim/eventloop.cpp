// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/korvath-sim/eventloop.h"

#include <algorithm>
#include <cerrno>
#include <chrono>

#include <signal.h>
#include <sys/epoll.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

// The epoll tag of the signal descriptor; watchers use their index.
constexpr std::uint64_t kSignalTag = ~0ull;

// Heap order of the delayed actions: the earliest due first, then the first queued.
constexpr auto kLater = [](const auto& a, const auto& b) {
    return a.due != b.due ? a.due > b.due : a.order > b.order;
};

}  // namespace

EventLoop::EventLoop() {
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
    m_signals = signalfd(-1, &stopSignals, SFD_NONBLOCK | SFD_CLOEXEC);
    m_epoll = epoll_create1(EPOLL_CLOEXEC);
    if (m_epoll >= 0 && m_signals >= 0) {
        epoll_event event{};
        event.events = EPOLLIN;
        event.data.u64 = kSignalTag;
        epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_signals, &event);
    }
}

EventLoop::~EventLoop() {
    if (m_epoll >= 0) {
        close(m_epoll);
    }
    if (m_signals >= 0) {
        close(m_signals);
    }
}

bool EventLoop::Watch(int fd, Action onReadable) {
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.u64 = m_watchers.size();
    if (epoll_ctl(m_epoll, EPOLL_CTL_ADD, fd, &event) != 0) {
        return false;
    }
    m_watchers.push_back(std::move(onReadable));
    return true;
}

void EventLoop::After(int delayMs, Action action) {
    m_delayed.push_back({NowUs() + delayMs * std::int64_t{1000}, m_nextOrder++, std::move(action)});
    std::push_heap(m_delayed.begin(), m_delayed.end(), kLater);
}

std::int64_t EventLoop::NowUs() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void EventLoop::RunDueActions() {
    const std::int64_t now = NowUs();
    while (!m_delayed.empty() && m_delayed.front().due <= now) {
        std::pop_heap(m_delayed.begin(), m_delayed.end(), kLater);
        Action action = std::move(m_delayed.back().action);
        m_delayed.pop_back();
        action();  // may queue further actions
    }
}

void EventLoop::Run(int durationMs) {
    const std::int64_t end = durationMs > 0 ? NowUs() + durationMs * std::int64_t{1000} : -1;
    epoll_event events[64];
    while (!m_stopped) {
        RunDueActions();
        const std::int64_t now = NowUs();
        if (end >= 0 && now >= end) {
            break;
        }
        std::int64_t wait = end >= 0 ? end - now : -1;
        if (!m_delayed.empty()) {
            const std::int64_t untilDue = std::max<std::int64_t>(0, m_delayed.front().due - now);
            wait = wait < 0 ? untilDue : std::min(wait, untilDue);
        }
        // Rounded up to whole milliseconds: waking early would only spin.
        const int timeout =
            wait < 0 ? -1 : static_cast<int>(std::min<std::int64_t>((wait + 999) / 1000, 1 << 30));
        const int ready = epoll_wait(m_epoll, events, 64, timeout);
        if (ready < 0 && errno != EINTR) {
            break;
        }
        for (int i = 0; i < ready; ++i) {
            if (events[i].data.u64 == kSignalTag) {
                m_stopped = true;
            } else {
                m_watchers[events[i].data.u64]();
            }
        }
    }
}
