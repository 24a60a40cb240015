#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

class TEvent;

// A thread base class with a running indicator that other threads may read at any time:
// m_threadId is 1 while pending, the thread's id from Start on (a number of this process, 2 and
// up, written before the thread exists so that nothing can overwrite the thread's own 0), and 0
// once the thread has finished Run (or could not be started). The thread clears it after Run,
// then sets the end event given to Start.
//
// The thread handle is joined exactly once: by Join, or at the latest by the destructor. A
// derived class whose Run uses its own members must call Join in its own destructor, before
// those members go away.
class TThread {
public:
    TThread();
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    virtual void Run() = 0;

    // Starts the thread once (a later call does nothing and returns false). `ended`, when given,
    // is set after the indicator has gone to 0 and must outlive the thread (Join before it goes).
    // When no thread can be started the worker counts as finished at once: indicator 0, `ended`
    // set, result false. True when a thread was started.
    bool Start(TEvent* ended = nullptr);
    // Waits for the thread started by Start; returns at once when none runs or it was joined.
    // Called by the owning thread only.
    void Join();

    // Runs the worker's Run on the new thread, then marks it finished.
    static unsigned ThreadEntry(TThread* thread);

    std::atomic<uint32_t> m_threadId;

protected:
    // Launches ThreadEntry(this) on a new thread held by `handle`; false when the system refuses
    // to start one. Tests override it to make a start fail.
    virtual bool Launch(std::thread& handle);

private:
    std::thread m_hThread;
    TEvent* m_pEnded;
};
