// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

class TEvent;

// A thread base class with a running indicator that other threads may read at any time:
// m_threadId is 1 while pending, the thread's id from Start on (a number of this process, 2 and
// up, written before the thread exists so that nothing can overwrite the thread's own 0), and 0
// once the thread has finished Run (or could not be started). The thread clears it after Run,
// then sets the end event given to Start.
//
// Run goes to a thread of the process's pool (TThreadPool), which takes the next TThread once
// it is done: a thread is started once and serves the query thread of every later refresh.
// The run is joined exactly once: by Join, or at the latest by the destructor. A derived class
// whose Run uses its own members must call Join in its own destructor, before those members go
// away.
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
    // Waits until the run started by Start is over (its pool thread has let go of this object);
    // returns at once when none was started or it was joined. Called by the owning thread only.
    void Join();

    // Runs the worker's Run on the new thread, then marks it finished.
    static unsigned ThreadEntry(TThread* thread);

    std::atomic<uint32_t> m_threadId;

protected:
    // Hands ThreadEntry(this) to a pool thread; false when none is idle and the system refuses to
    // start another. Tests override it to make a start fail.
    virtual bool Launch();

private:
    // The end of one run, shared with the pool thread that runs it, so that the pool never
    // touches the TThread after Join has returned.
    struct RunEnd {
        std::mutex lock;
        std::condition_variable changed;
        bool over = false;
    };

    std::shared_ptr<RunEnd> m_pRunEnd;  // of the launched run; null when none is to be joined
    TEvent* m_pEnded;
};
