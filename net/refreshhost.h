// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "net/favouriteaddress.h"
#include "net/queryspeed.h"
#include "net/serverqueryloop.h"
#include "platform/posix/noticetext.h"

class TEvent;

// What one refresh needs from its front end (the browser window, korvath-query, tests).
// Status texts and message boxes do not come through here but through SetStatusText and
// ShowMessageBox (platform/posix/usernotice.h).
//
// Threads: every call is made on the thread that runs RefreshServerList (the "driver thread"),
// except PostFileAndStep (and through it FileAndStep, FileServerRecord and StepProgress), which
// the refresh's query thread makes, under the named mutex "update": the query thread holds it
// until `filed` has been called. The one exception to that: when the query thread could not be
// started the driver thread itself calls StepProgress for every server, without the mutex, and
// the favourites whose names cannot be resolved are filed by the driver thread too (FileAndStep,
// without the mutex, once the queries have ended). A
// front end whose state belongs to the driver thread (a window) carries the query thread's calls
// over to it; they complete because the driver thread handles its events in WaitForWorkerEnd, the
// only place where it waits: for the master download, the favourites' name lookups and the
// queries, each on threads of their own.
class IRefreshHost {
public:
    virtual ~IRefreshHost() = default;

    // Finds where status texts go; called once, before the first status text of the refresh.
    virtual void LocateStatusBar() = 0;
    // Shows a progress bar labelled `label` that will count `maximum` steps.
    virtual void BeginProgress(const NoticeText& label, int maximum) = 0;
    // Files one queried server (query thread, under "update"): a row when the record's group
    // key names a group, nothing otherwise (a favourite may still get one, see
    // FavouritesResolved). listIndex is its index in the servers queried: the entries of
    // g_serverAddresses, then the favourites not listed there.
    virtual void FileServerRecord(const ServerRecord& record, std::size_t listIndex) = 0;
    // One server done, answered or not (query thread, under "update"; see above).
    virtual void StepProgress() = 0;
    // What the query thread does, under one hold of "update", with the servers whose queries
    // ended together: FileServerRecord, then StepProgress, for each in turn. A front end that
    // carries these calls over to another thread overrides it to carry them all in one call.
    virtual void FileAndStep(std::span<const QueriedServer> servers) {
        for (const QueriedServer& server : servers) {
            FileServerRecord(server.record, server.listIndex);
            StepProgress();
        }
    }
    // FileAndStep without waiting for it: returns at once and calls `filed` (from any thread)
    // once the servers have been filed and counted, or once it is certain that they never will
    // be; `servers` must stay as they are until then. The query thread keeps querying meanwhile
    // and may hand over more servers before `filed`: the front end files them in the order they
    // were posted. A front end that carries FileAndStep over to another thread overrides it to
    // post the call there; by default it runs FileAndStep on the calling thread, then `filed`.
    virtual void PostFileAndStep(std::span<const QueriedServer> servers,
                                 std::function<void()> filed) {
        FileAndStep(servers);
        filed();
    }
    // The favourite servers as the user added them ("host:port"), asked once a refresh, after
    // the download. None by default.
    virtual std::vector<std::string> FavouriteServers() { return {}; }
    // The favourites and the addresses they were resolved to, before any of them is queried:
    // their records carry that address ("a.b.c.d:port"), or, for one that could not be resolved,
    // the text the user added (a record that never answered). Nothing by default.
    virtual void FavouritesResolved(std::span<const ResolvedFavourite> /*favourites*/) {}
    // How fast the servers are queried (RunServerQueries); asked once a query step, before it.
    // The described speed by default.
    virtual QuerySpeed QuerySpeedSetting() { return kDescribedSpeed; }
    // Orders the rows by ping once every query has ended.
    virtual void SortRows() = 0;
    // Removes the progress bar.
    virtual void EndProgress() = 0;

    // Returns once `workerEnded` has been consumed: by workerEnded.Wait(), or by a successful
    // workerEnded.TryWait() in the front end's own loop. The driver calls it while a worker runs
    // (the download thread, the name lookups, the query thread); the event is latched, so an end
    // that happened before the call makes it return at once (no lost wake-up).
    // A window front end keeps handling its events meanwhile without spinning, e.g.:
    //     workerEnded.SetWakeUp([dispatcher] { dispatcher->wakeUp(); });
    //     while (!workerEnded.TryWait()) processEvents(WaitForMoreEvents);
    //     workerEnded.SetWakeUp(nullptr);
    // (the wake-up makes a blocked event wait return, so a Set between TryWait and the event
    // wait is not lost).
    virtual void WaitForWorkerEnd(TEvent& workerEnded) = 0;
};
