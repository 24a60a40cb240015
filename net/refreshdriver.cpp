// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/refreshdriver.h"

#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "net/favouriteaddress.h"
#include "net/listfetch.h"
#include "net/masterclient.h"
#include "net/nameresolver.h"
#include "net/refreshstop.h"
#include "net/serveraddress.h"
#include "net/serverquerythread.h"
#include "net/tevent.h"
#include "net/tthread.h"
#include "platform/posix/usernotice.h"

int32_t g_refreshCount = 0;

namespace {

// Runs the worker on a pool thread while the host waits for its end (a window keeps handling its
// events meanwhile). False when no thread could be started.
bool RunWorker(IRefreshHost& host, TThread& worker) {
    TEvent ended;  // outlives the thread: joined below
    if (!worker.Start(&ended)) {
        return false;
    }
    while (worker.m_threadId.load(std::memory_order_acquire) != 0) {
        host.WaitForWorkerEnd(ended);
    }
    worker.Join();
    return true;
}

// A job of the list's step (a master's download, the last list's file) as a worker.
class JobThread : public TThread {
public:
    explicit JobThread(const std::function<void()>& job) : m_job(job) {}
    ~JobThread() override { Join(); }
    void Run() override { m_job(); }

    const std::function<void()>& m_job;
};

// Runs the job on a pool thread while the host waits, or on this one when no thread is to spare
// (a download then holds this thread as it once did).
void RunOffThread(IRefreshHost& host, const std::function<void()>& job) {
    JobThread worker(job);
    if (!RunWorker(host, worker)) {
        job();
    }
}

// Queries the servers at the host's speed on the query thread, which files and counts each, while
// the driver waits. When the thread cannot be started every server still counts as done.
void RunQueryThread(IRefreshHost& host, std::span<const ServerAddress> servers) {
    ServerQueryThread queries(host, servers, host.QuerySpeedSetting());
    if (!RunWorker(host, queries)) {
        for (size_t i = 0; i < servers.size(); ++i) {
            host.StepProgress();  // a server that was never queried still counts as done
        }
    }
}

// The favourites of a refresh: those to query after the listed servers, and placeholders for
// those whose names cannot be resolved, which are filed without a query.
struct FavouriteQueries {
    std::vector<ServerAddress> unlisted;
    std::vector<QueriedServer> unresolved;  // listIndex still to be set
};

FavouriteQueries ResolveHostsFavourites(IRefreshHost& host, std::span<const ServerAddress> listed) {
    const std::vector<ResolvedFavourite> favourites =
        ResolveFavourites(host, host.FavouriteServers());
    host.FavouritesResolved(favourites);
    FavouriteQueries queries{UnlistedFavourites(favourites, listed), {}};
    for (const ResolvedFavourite& favourite : favourites) {
        if (favourite.address.empty()) {
            QueriedServer server{ServerRecord(), 0};
            server.record.Reset();
            server.record.m_address = favourite.text;
            queries.unresolved.push_back(std::move(server));
        }
    }
    return queries;
}

// Queries the listed servers and then the favourites not listed, and files the favourites that
// were not resolved after them, unless the refresh is stopped. The list is copied only when
// favourites are added to it.
void QueryWithFavourites(IRefreshHost& host, std::span<const ServerAddress> listed,
                         FavouriteQueries& favourites) {
    std::vector<ServerAddress> withFavourites;
    std::span<const ServerAddress> queried = listed;
    if (!favourites.unlisted.empty()) {
        withFavourites.reserve(listed.size() + favourites.unlisted.size());
        withFavourites.assign(listed.begin(), listed.end());
        withFavourites.insert(withFavourites.end(), favourites.unlisted.begin(),
                              favourites.unlisted.end());
        queried = withFavourites;
    }
    RunQueryThread(host, queried);
    if (favourites.unresolved.empty() || g_refreshStop.TryWait()) {
        return;
    }
    for (std::size_t i = 0; i < favourites.unresolved.size(); ++i) {
        favourites.unresolved[i].listIndex = queried.size() + i;
    }
    host.FileAndStep(favourites.unresolved);
}

// "%d server(s)" for the count.
NoticeText CountText(std::size_t count) {
    return NoticeText(KR_COUNTED_TEXT("NoticeText", "%n server(s)"), {}, static_cast<int>(count));
}

// The end of the queries: unless the refresh was stopped, the sort and the count text as status
// text; then the progress bar goes. False when stopped.
bool EndQueries(IRefreshHost& host, const NoticeText& countText) {
    if (g_refreshStop.TryWait()) {
        host.EndProgress();
        return false;
    }
    host.SortRows();
    SetStatusText(countText);
    host.EndProgress();
    return true;
}

}  // namespace

RefreshOutcome RefreshServerList(IRefreshHost& host) {
    if (g_refreshCount != 0) {
        return RefreshOutcome::NotRun;
    }
    return RefreshServerListAgain(host);
}

RefreshOutcome RefreshServerListAgain(IRefreshHost& host) {
    host.LocateStatusBar();
    ++g_refreshCount;
    SetStatusText(KR_TEXT("NoticeText", "Contacting Master Server"));

    const ListSource& source = FetchServerList(
        host, [&host](const std::function<void()>& job) { RunOffThread(host, job); });
    if (source.stopped) {
        return RefreshOutcome::Stopped;
    }
    if (source.kind == ListSource::Kind::None && source.noAnswer) {
        ShowMessageBox(KR_TEXT("NoticeText", "Connection To Master Server Failed"),
                       KR_TEXT("NoticeText", "KR Server Browser"), NoticeIcon::Exclamation);
        SetStatusText(KR_TEXT("NoticeText", "Failed to call Master Server"));
        // The servers listed before the failure are not queried; the favourites are, with no
        // progress bar and no sort, so the failure's status text stays.
        FavouriteQueries favourites = ResolveHostsFavourites(host, {});
        if (!favourites.unlisted.empty() || !favourites.unresolved.empty()) {
            QueryWithFavourites(host, {}, favourites);
        }
        return RefreshOutcome::MasterFailed;
    }

    FavouriteQueries favourites = ResolveHostsFavourites(host, g_serverAddresses);
    const size_t count = g_serverAddresses.size();
    // From the last list, its status text stays as the progress label and after the queries.
    const bool fromLastList = source.kind == ListSource::Kind::LastList;
    const NoticeText countText =
        fromLastList ? LastListStatusText(count, source.time) : CountText(count);
    if (fromLastList) {
        SetStatusText(countText);
    }
    host.BeginProgress(countText, static_cast<int>(count + favourites.unlisted.size() +
                                                   favourites.unresolved.size()));
    QueryWithFavourites(host, g_serverAddresses, favourites);
    if (!EndQueries(host, countText)) {
        return RefreshOutcome::Stopped;
    }
    if (fromLastList) {
        return RefreshOutcome::LastListUsed;
    }
    return source.kind == ListSource::Kind::None ? RefreshOutcome::MasterUnreachable
                                                 : RefreshOutcome::Completed;
}

RefreshOutcome QueryServers(IRefreshHost& host, std::span<const ServerAddress> servers) {
    host.LocateStatusBar();
    const NoticeText countText = CountText(servers.size());
    host.BeginProgress(countText, static_cast<int>(servers.size()));
    RunQueryThread(host, servers);
    return EndQueries(host, countText) ? RefreshOutcome::Completed : RefreshOutcome::Stopped;
}
