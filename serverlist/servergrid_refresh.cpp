#include "serverlist/servergrid.h"

#include "serverlist/servergridrefreshhost.h"

namespace {

// Runs a refresh with the grid's front end, or with one of its own when none is installed.
RefreshOutcome RunWithHost(CServerGrid* grid, IRefreshHost* installed,
                           RefreshOutcome (*refresh)(IRefreshHost&)) {
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
    RemoveServerRows();
    return RunWithHost(this, m_pRefreshHost, RefreshServerListAgain);
}

void CServerGrid::RemoveServerRows() {
    SetRedraw(FALSE);
    for (CGridTreeItem* root : m_listRoots) {
        CollapseNode(root);
    }
    const auto isServer = [this](const CGridTreeItem* node) { return IsServerRow(node); };
    for (const GroupNodeEntry& entry : m_groupNodes) {
        DeleteChildNodes(entry.m_pNode, isServer);
    }
    if (CGridTreeItem* root = NoAnswerRoot()) {
        DeleteNodeAndRows(root, RowFromNode(root));
    }
    SetRedraw(TRUE);
    Invalidate(TRUE);
    emit serverRowsChanged();
}
