// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>

// An event, auto-reset unless made manual-reset. Auto-reset: Set latches it until one wait
// consumes it, so a Set that comes before the wait is not lost; several Sets before one wait count
// as one. Used for "the query thread has ended" (set by that thread as its last act). Manual-reset:
// once Set it stays set for every wait until Reset; used for the stop request of a refresh, which
// every wait of the query thread must see (it is the cancel event of its TMutex::Wait).
//
// A front end that must keep its own event loop running while it waits attaches a wake-up
// callback: it is called after every Set, on the setting thread, while the event's lock is held
// (so once SetWakeUp(nullptr) has returned it is never called again). The callback must be quick
// and thread-safe, must not block and must not call back into the event.
class TEvent {
public:
    explicit TEvent(bool manualReset = false) : m_manualReset(manualReset) {}
    TEvent(const TEvent&) = delete;
    TEvent& operator=(const TEvent&) = delete;

    void Set();
    // Clears the event.
    void Reset();
    // Zero-time wait: true when it is set (an auto-reset event is consumed), false otherwise.
    bool TryWait();
    // Blocks until the event is set; an auto-reset event is consumed.
    void Wait();
    void SetWakeUp(std::function<void()> callback);

private:
    std::mutex m_lock;
    std::condition_variable m_changed;
    const bool m_manualReset;
    bool m_set = false;
    std::function<void()> m_wakeUp;
};
