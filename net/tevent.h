#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>

// An auto-reset event. Set latches it until one wait consumes it, so a Set that comes before the
// wait is not lost; several Sets before one wait count as one. Used for "a query worker has
// ended" (set by the worker as its last act) and as a cancel event for TMutex::Wait.
//
// A front end that must keep its own event loop running while it waits attaches a wake-up
// callback: it is called after every Set, on the setting thread, while the event's lock is held
// (so once SetWakeUp(nullptr) has returned it is never called again). The callback must be quick
// and thread-safe, must not block and must not call back into the event.
class TEvent {
public:
    TEvent() = default;
    TEvent(const TEvent&) = delete;
    TEvent& operator=(const TEvent&) = delete;

    void Set();
    // Zero-time wait: true (and the event consumed) when it is set, false otherwise.
    bool TryWait();
    // Blocks until the event is set, then consumes it.
    void Wait();
    void SetWakeUp(std::function<void()> callback);

private:
    std::mutex m_lock;
    std::condition_variable m_changed;
    bool m_set = false;
    std::function<void()> m_wakeUp;
};
