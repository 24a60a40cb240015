#include "net/queryscheduler.h"

#include <cstddef>

#include "net/refreshhost.h"
#include "net/refreshstop.h"
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
    TEvent workerEnded;  // outlives the workers: all started ones are joined below
    const size_t count = workers.size();
    size_t started = 0;  // workers [0, started) have been started, in list order
    // Puts the next worker into the slot and starts it; leaves the slot empty once every worker
    // has been started or the refresh is to stop.
    auto startNext = [&](TThread*& slot) {
        slot = nullptr;
        if (started == count || g_refreshStop.TryWait()) {
            return;
        }
        slot = workers[started++];
        if (!slot->Start(&workerEnded)) {
            host.StepProgress();
        }
    };

    TThread* slots[kMaxRunningWorkers] = {};
    for (TThread*& slot : slots) {
        startNext(slot);
    }
    // A finished slot takes the next worker, until every worker has been started or a stop has
    // been asked for.
    while (started < count && !g_refreshStop.TryWait()) {
        bool foundFinished = false;
        for (TThread*& slot : slots) {
            if (slot != nullptr && Finished(slot)) {
                foundFinished = true;
                slot->Join();  // its thread is past its work: keeps ten threads alive, not N
                startNext(slot);
            }
        }
        if (!foundFinished) {
            host.WaitForWorkerEnd(workerEnded);
        }
    }

    const std::span<TThread* const> run = workers.first(started);
    while (AnyRunning(run)) {
        host.WaitForWorkerEnd(workerEnded);
    }
    for (TThread* worker : run) {
        worker->Join();
    }
}
