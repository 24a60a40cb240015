// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverlist/servergrid.h"

#include "serverlist/servergridrefreshhost.h"

#include <functional>

namespace {

// Runs a refresh with the grid's front end, or with one of its own when none is installed.
RefreshOutcome RunWithHost(CServerGrid* grid, IRefreshHost* installed,
                           const std::function<RefreshOutcome(IRefreshHost&)>& refresh) {
    if (installed != nullptr) {
        return refresh(*installed);
    }
    ServerGridRefreshHost host(grid);
    return refresh(host);
}

}  // namespace

RefreshOutcome CServerGrid::RefreshList() {
    return RunWithHost(this, m_pRefreshHost, RefreshServerList);
}

RefreshOutcome CServerGrid::RefreshListAgain() {
    BeginKeepingRows(false);
    const RefreshOutcome outcome = RunWithHost(this, m_pRefreshHost, RefreshServerListAgain);
    // Only a list the master gave in full tells which servers are gone.
    EndKeepingRows(outcome == RefreshOutcome::Completed);
    return outcome;
}

RefreshOutcome CServerGrid::QueryShownServers() {
    const std::vector<ServerAddress> servers = BeginKeepingRows(true);
    const RefreshOutcome outcome =
        RunWithHost(this, m_pRefreshHost,
                    [&servers](IRefreshHost& host) { return QueryServers(host, servers); });
    EndKeepingRows(false);
    return outcome;
}
