// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/refreshhost.h"

#include <functional>
#include <utility>

class CServerGrid;

// The window front end of a refresh, grid side: files every queried server into a CServerGrid
// on the grid's thread (the user-interface thread), sorts the grid at the end and keeps handling
// that thread's events while the driver waits (for the master download, the name lookups and the
// queries). Status texts and the progress bar
// are left to a derived front end (the main window): here they do nothing.
//
// Threads: the refresh runs on the grid's thread. The query thread's calls are carried over to it
// as queued calls (a direct call when made there already), blocking but for PostFileAndStep; they
// complete because that thread handles its events in WaitForWorkerEnd while the download, the
// lookups and the queries run.
class ServerGridRefreshHost : public IRefreshHost {
public:
    explicit ServerGridRefreshHost(CServerGrid* grid) : m_pGrid(grid) {}

    void LocateStatusBar() override {}
    void BeginProgress(const NoticeText& /*label*/, int /*maximum*/) override {}
    // AddServerRow on the grid's thread; returns once the record has been filed.
    void FileServerRecord(const ServerRecord& record, std::size_t listIndex) override;
    void StepProgress() override {}
    // Posts FileAndStep to the grid's thread (a direct call when made there); `filed` is called
    // once it has run, or when the grid goes before it could.
    void PostFileAndStep(std::span<const QueriedServer> servers,
                         std::function<void()> filed) override;
    // The grid's favourites (CServerGrid::Favourites), read on the grid's thread.
    std::vector<std::string> FavouriteServers() override;
    // Hands the resolved addresses to the grid's favourites, on the grid's thread.
    void FavouritesResolved(std::span<const ResolvedFavourite> favourites) override;
    // The grid's end-of-refresh sort (CServerGrid::SortAfterRefresh), on the grid's thread.
    void SortRows() override;
    void EndProgress() override {}
    // Handles the calling thread's events, sleeping while there are none, until the event has
    // been consumed.
    void WaitForWorkerEnd(TEvent& workerEnded) override;

    // The servers filed since the tally was last taken (answered or not), and those that
    // answered; taking it starts a new one. Grid's thread.
    struct Tally {
        int filed = 0;
        int answered = 0;
    };
    Tally TakeTally() { return std::exchange(m_tally, Tally()); }

protected:
    // AddServerRow and the tally; on the grid's thread.
    void FileOnGridThread(const ServerRecord& record);
    // Runs call on the grid's thread and returns when it has run: directly when called there,
    // else as a blocking queued call, which needs that thread to be handling events (it is
    // during a refresh). Must not be called with a lock that the grid's thread may wait for.
    void RunOnGridThread(const std::function<void()>& call) const;
    CServerGrid* Grid() const { return m_pGrid; }

private:
    CServerGrid* m_pGrid;  // not owned
    Tally m_tally;
};
