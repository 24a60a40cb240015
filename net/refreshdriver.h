// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

#include "net/refreshhost.h"
#include "net/serveraddress.h"

// Number of refreshes started. A refresh runs only while it is 0 and raises it, so the full list
// is fetched once per program run. Written only by the thread that runs refreshes.
extern int32_t g_refreshCount;

enum class RefreshOutcome {
    NotRun,             // a refresh had already been started: nothing was done
    MasterFailed,       // no master gave a list, one did not answer or broke off, and no last
                        // list could be read: told to the user, only the favourites queried
    MasterUnreachable,  // no master could be resolved or reached, or a request was not sent,
                        // and no last list could be read: told to the user by the socket; the
                        // refresh then ran on with the empty list ("0 server(s)")
    LastListUsed,       // no master gave a list: the last list kept was queried as a list is
    Stopped,            // g_refreshStop was set: no query started after it, those in flight
                        // ended, the rows were not sorted, the progress bar was removed
    Completed           // every listed server was queried, filed and counted, the rows sorted
};

// "New Full List": once per program run, on the thread that owns the front end.
//   host.LocateStatusBar; "Contacting Master Server"; the list found by FetchServerList (the
//   masters in order, each DownloadServerList on a pool thread, 60 s for a whole list, while
//   the driver waits in host.WaitForWorkerEnd; then the last list). When it found the last
//   list, its status text (LastListStatusText) is shown, labels the progress bar and stays
//   after the queries in place of the count text; no message box. When no master gave a list,
//   one did not answer or broke off and there is no last list:
//   message box "Connection To Master Server Failed" (title "KR Server Browser",
//   exclamation icon), status text "Failed to call Master Server", then only the favourites are
//   queried and filed as below, with no progress bar and no sort; end. Otherwise, for the N
//   listed servers: the favourites are resolved (host.FavouriteServers; ResolveFavourites, 5 s
//   for all, waiting in host.WaitForWorkerEnd; host.FavouritesResolved);
//   host.BeginProgress("%d server(s)", N + the favourites not listed); one ServerQueryThread
//   queries the listed servers, then the resolved favourites not listed (each address once)
//   (at host.QuerySpeedSetting(), list order, on a pooled thread; every server's record is
//   filed and the progress stepped once for it, through PostFileAndStep) while the driver waits in
//   host.WaitForWorkerEnd; the favourites that could not be resolved are filed and counted
//   unanswered (FileAndStep); host.SortRows; the count text as status text; host.EndProgress. A
//   stop (g_refreshStop) during the download ends it after the page in hand (within 100 ms while
//   a page is awaited) and the refresh at once; during a name lookup it ends the wait for it at
//   once (and the refresh, for the master's); during the queries it skips the unresolved
//   favourites, the sort and the count text.
RefreshOutcome RefreshServerList(IRefreshHost& host);

// "Refresh List": the same refresh whether or not one has run before (never NotRun). The front
// end decides what becomes of the rows of the previous one (the window keeps them and rewrites
// them as the answers come); g_serverAddresses is filled anew by the download.
RefreshOutcome RefreshServerListAgain(IRefreshHost& host);

// "Query Shown Servers": the servers given, asked again without the master, on the thread that
// owns the front end, whether or not a refresh has run before (g_refreshCount is left alone):
// host.LocateStatusBar; host.BeginProgress("%d server(s)", N); one ServerQueryThread queries
// them (as RefreshServerList's listed servers: at host.QuerySpeedSetting(), list order, filed
// and counted through PostFileAndStep under "update") while the driver waits in
// host.WaitForWorkerEnd; host.SortRows; the count text as status text; host.EndProgress.
// Completed, or Stopped when g_refreshStop ended the queries (no sort, no count text). The
// servers stay as they are until it returns.
RefreshOutcome QueryServers(IRefreshHost& host, std::span<const ServerAddress> servers);
