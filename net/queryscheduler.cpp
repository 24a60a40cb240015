#include "net/queryscheduler.h"

#include <cstddef>

#include "net/refreshhost.h"
#include "net/tevent.h"
#include "net/tthread.h"

namespace {

bool Finished(const TThread* worker) {
    return worker->m_threadId.load(std::memory_order_acquire) == 0;
}

bool AnyRunning(std::span<TThread* const> workers) {
    for (const TThread* worker : workers) {
        if (!Finished(worker)) {
            return true;
        }
    }
    return false;
}

}  // namespace

void RunQueryWorkers(std::span<TThread* const> workers, IRefreshHost& host) {
    TEvent workerEnded;  // outlives the workers: all are joined below
    const size_t count = workers.size();
    auto start = [&](TThread* worker) {
        if (!worker->Start(&workerEnded)) {
            host.StepProgress();
        }
    };

    TThread* slots[kMaxRunningWorkers] = {};
    for (size_t k = 0; k < kMaxRunningWorkers && k < count; ++k) {
        slots[k] = workers[k];
        start(workers[k]);
    }

    // `next` is the index of the worker started last once the first batch is full; a finished
    // slot moves it on and takes the next worker, until every worker has been started.
    size_t next = kMaxRunningWorkers - 1;
    while (next < count) {
        bool foundFinished = false;
        for (TThread*& slot : slots) {
            if (Finished(slot)) {
                foundFinished = true;
                slot->Join();  // its thread is past its work: keeps ten threads alive, not N
                ++next;
                if (next < count) {
                    slot = workers[next];
                    start(slot);
                }
            }
        }
        if (!foundFinished) {
            host.WaitForWorkerEnd(workerEnded);
        }
    }

    while (AnyRunning(workers)) {
        host.WaitForWorkerEnd(workerEnded);
    }
    for (TThread* worker : workers) {
        worker->Join();
    }
}
