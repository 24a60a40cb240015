#pragma once

#include <span>

class IRefreshHost;
class TThread;

constexpr int kMaxRunningWorkers = 10;

// Runs every worker exactly once, in list order, at most 10 at a time, and returns when all
// have finished and been joined. The first 10 start at once; each later one starts in the slot
// of an earlier one that has finished. Once g_refreshStop is set no further worker starts: the
// call returns when those started have finished (the others stay pending, never run). A worker that
// cannot be started counts as finished; the host's progress is stepped for it here (driver thread,
// no mutex). Between scans the driver waits in host.WaitForWorkerEnd, which returns after a
// worker's end; it never spins and never waits while a finished worker is still to be acted on. A
// finished worker's run is joined when its slot is reused; runs go to pooled threads (TThread),
// so a refresh starts about 10 threads, not one per server. Cost: one scan of the 10 slots per
// wake-up, one scan of the list per wake-up at the end.
void RunQueryWorkers(std::span<TThread* const> workers, IRefreshHost& host);
