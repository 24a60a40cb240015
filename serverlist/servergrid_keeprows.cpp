// SPDX-License-Identifier: GPL-3.0-or-later
// Refreshes that keep the list: the rows stay and wait, dimmed, for their answers, which rewrite
// them in place; the index of waiting rows keeps finding a row O(1), and the end sorts without
// collapsing anything.

#include "net/favouriteaddress.h"
#include "net/serverrecord.h"
#include "serverlist/servergrid.h"

#include <arpa/inet.h>

#include <memory>
#include <optional>

namespace {

// A row's "Ip:Port" text as an address the query thread can ask without a name lookup.
std::optional<ServerAddress> DottedAddress(const QString& text) {
    std::optional<ServerAddress> address = ParseFavouriteAddress(text.toLatin1().toStdString());
    in_addr parsed{};
    if (!address || inet_pton(AF_INET, address->m_ip.c_str(), &parsed) != 1) {
        return std::nullopt;
    }
    return address;
}

}  // namespace

std::vector<ServerAddress> CServerGrid::BeginKeepingRows(bool bShownOnly) {
    ++m_nRound;
    m_bKeepingRows = true;
    m_waitingRows.Clear(GetNodesFreed());
    std::vector<ServerAddress> asked;
    for (CGridTreeItem* node : PreOrderNodes()) {
        if (!IsServerRow(node)) {
            continue;
        }
        const QString text = node->m_pInfo->GetSubText(kAddressSubText);
        if (bShownOnly) {
            std::optional<ServerAddress> address = DottedAddress(text);
            if (IsHidden(node) || !address) {
                node->m_pInfo->m_nUserData = m_nRound;  // not asked: not waiting
                continue;
            }
            asked.push_back(std::move(*address));
        }
        m_waitingRows.Add(text, node);
        SetDimmed(node, TRUE);
    }
    viewport()->update();
    return asked;
}

void CServerGrid::UpdateWaitingIndex() {
    if (m_waitingRows.Current(GetNodesFreed())) {
        return;
    }
    m_waitingRows.Clear(GetNodesFreed());
    for (CGridTreeItem* node : PreOrderNodes()) {
        if (IsServerRow(node) && node->m_pInfo->m_nUserData != m_nRound) {
            m_waitingRows.Add(node->m_pInfo->GetSubText(kAddressSubText), node);
        }
    }
}

bool CServerGrid::RewriteWaitingRow(const ServerRecord& record, CGridTreeItem* group) {
    if (!m_bKeepingRows) {
        return false;
    }
    UpdateWaitingIndex();
    const QString address = QString::fromLatin1(record.m_address.c_str());
    CGridTreeItem* node = m_waitingRows.Take(address);
    if (node == nullptr && !m_favourites.IsEmpty()) {
        const QString favourite = m_favourites.Find(address);
        node = favourite.isEmpty() ? nullptr : m_waitingRows.Take(favourite);
    }
    if (node == nullptr) {
        return false;
    }
    if (group == nullptr || group == node->m_pParent) {
        // Answered in its group, or with no group to go to: the row stays where it is.
        node->m_pInfo->m_nUserData = m_nRound;
        RewriteServerRow(node, record, true);
        return true;
    }
    // Its answer names another group: it goes there as a row filed anew, selected when it was.
    std::unique_ptr<CGridItemInfo> info = MakeServerRowInfo(record);
    info->m_arrSubTexts.set(kAddressSubText, node->m_pInfo->GetSubText(kAddressSubText));
    const bool bSelected = GetSelectedRow() != -1 && NodeFromRow(GetSelectedRow()) == node;
    SetNodeHidden(node, TRUE);  // its row goes first
    DetachNode(node, TRUE);
    m_waitingRows.Synced(GetNodesFreed());
    InsertServerNode(group, std::move(info));
    const int row = RowFromNode(group->m_listChildren.back());
    if (bSelected && row != -1) {
        SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    return true;
}

void CServerGrid::EndKeepingRows(bool bRemoveUnanswered) {
    m_bKeepingRows = false;
    m_waitingRows.Clear(GetNodesFreed());
    if (bRemoveUnanswered) {
        const int top = GetTopIndex();  // kept as Resort keeps it
        DeleteNodes([this](const CGridTreeItem* node) {
            return IsServerRow(node) && node->m_pInfo->m_nUserData != m_nRound &&
                   !IsFavouriteRow(node);
        });
        Scroll(CSize(0, (top - GetTopIndex()) * GetRowHeight()));
        emit serverRowsChanged();
    }
    // Its favourites may all have answered and gone to their groups.
    if (CGridTreeItem* root = NoAnswerRoot(); root != nullptr && root->m_listChildren.empty()) {
        DeleteNodeAndRows(root, RowFromNode(root));
    }
}

void CServerGrid::SortAfterRefresh() {
    if (m_bKeepingRows) {
        Resort();
    } else {
        SortTree(TRUE);
    }
}
