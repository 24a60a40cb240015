// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "net/masterclient.h"
#include "platform/posix/noticetext.h"

class IRefreshHost;

// Where a refresh gets its list: the masters in order, then the last list kept.

// How the list of the last refresh was found. Written by FetchServerList, read after it.
struct ListSource {
    enum class Kind { None, Master, LastList };
    struct Failure {
        MasterEndpoint master;  // as set (MasterServers), not as looked up
        std::string reason;     // "did not answer", "broke off after 12 server(s)", ...
    };
    Kind kind = Kind::None;
    bool stopped = false;   // g_refreshStop ended the tries
    bool noAnswer = false;  // Kind::None: some master did not answer or broke off (-1)
    ListDownloadEnd end = ListDownloadEnd::LastPage;  // Kind::Master: how its download ended
    MasterEndpoint master;                            // Kind::Master: the master whose list is used
    int64_t time = 0;               // Kind::LastList: when the list was received (seconds)
    std::vector<Failure> failures;  // the masters that gave no list, in the order tried
};

// Runs `job` on a thread of its own and returns once it has ended, the refresh's host handling
// its events meanwhile (or runs it on the calling thread when no thread is to spare).
using OffThread = std::function<void(const std::function<void()>& job)>;

// Fills g_serverAddresses with the list to query:
//   The hosts of MasterServers() are looked up together (ResolveHosts, 5 s for all). Then each
//   master in order, until one ends with its last page (or is cut by a bound or the list's time,
//   as one master alone is): before each but the first, the status text "Contacting Master
//   Server %d of %d: HOST:PORT". A master that cannot be reached, does not answer within its
//   page time-out (2000 ms) or breaks off is followed by the next; every address any of them
//   sent is in "servers.txt" (DownloadServerList appends it), but only the list of the master
//   used stays in g_serverAddresses. The master used is put first (PutMasterFirst). After a
//   download that ended with its last page, the list is written to LastListFile() when one is
//   set ("Cannot write the last list" as status text when that fails). Each download, with that
//   write, and the read of the last list run through `offThread`, off the calling thread.
//   When no master gave a list and LastListFile() is set, the last list is loaded into
//   g_serverAddresses; a file partly read shows "Last list: %d line(s) skipped", one not
//   read "Last list ignored: not a list of this program"; a missing one shows nothing.
// A stop (g_refreshStop) ends the tries at once. Costs per master at most its download's time;
// all silent: the lookups' time plus 2000 ms each.
const ListSource& FetchServerList(IRefreshHost& host, const OffThread& offThread);

// The source FetchServerList found last.
const ListSource& LastListSource();

// "Master server did not answer: querying the %d servers of the list from DATE", DATE the local
// time of the list ("%Y-%m-%d %H:%M").
NoticeText LastListStatusText(std::size_t servers, int64_t time);
