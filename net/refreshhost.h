#pragma once

#include <cstddef>
#include <string>

class ServerRecord;
class TEvent;

// What one refresh needs from its front end (the browser window, korvath-query, tests).
// Status texts and message boxes do not come through here but through SetStatusText and
// ShowMessageBox (platform/posix/usernotice.h).
//
// Threads: every call is made on the thread that runs RefreshServerList (the "driver thread"),
// except FileServerRecord and StepProgress, which query workers make on their own threads, one
// at a time under the named mutex "update". The one exception to that: for a worker that could
// not be started the driver thread itself calls StepProgress, without the mutex. A front end
// whose state belongs to the driver thread (a window) carries the worker calls over to it as
// blocking calls; that completes because the driver thread handles its events in
// WaitForWorkerEnd, the only place where it waits for workers.
class IRefreshHost {
public:
    virtual ~IRefreshHost() = default;

    // Finds where status texts go; called once, before the first status text of the refresh.
    virtual void LocateStatusBar() = 0;
    // Shows a progress bar labelled `label` that will count `maximum` steps.
    virtual void BeginProgress(const std::string& label, int maximum) = 0;
    // Files one queried server (worker thread, under "update"): a row when the record's group
    // key names a group, nothing otherwise. listIndex is its entry in g_serverAddresses.
    virtual void FileServerRecord(const ServerRecord& record, std::size_t listIndex) = 0;
    // One server done, answered or not (worker thread, under "update"; see above).
    virtual void StepProgress() = 0;
    // What a worker does for its server under "update": FileServerRecord, then StepProgress. A
    // front end that carries worker calls over to another thread overrides it to carry both in
    // one call.
    virtual void FileAndStep(const ServerRecord& record, std::size_t listIndex) {
        FileServerRecord(record, listIndex);
        StepProgress();
    }
    // Orders the rows by ping once every worker has finished.
    virtual void SortRows() = 0;
    // Removes the progress bar.
    virtual void EndProgress() = 0;

    // Returns once `workerEnded` has been consumed: by workerEnded.Wait(), or by a successful
    // workerEnded.TryWait() in the front end's own loop. The driver calls it only when its scan
    // found no finished worker to act on; the event is latched, so an end that happened after the
    // previous return makes this return at once (no lost wake-up), and the driver scans again.
    // A window front end keeps handling its events meanwhile without spinning, e.g.:
    //     workerEnded.SetWakeUp([dispatcher] { dispatcher->wakeUp(); });
    //     while (!workerEnded.TryWait()) processEvents(WaitForMoreEvents);
    //     workerEnded.SetWakeUp(nullptr);
    // (the wake-up makes a blocked event wait return, so a Set between TryWait and the event
    // wait is not lost).
    virtual void WaitForWorkerEnd(TEvent& workerEnded) = 0;
};
