// SPDX-License-Identifier: GPL-3.0-or-later
// The filter bar's view over the server rows: rows that do not pass are hidden, groups stay.

#include "serverlist/servergrid.h"

bool CServerGrid::IsServerRow(const CGridTreeItem* node) const {
    const CGridItemInfo* info = GetInfo(node);
    return info != nullptr && !HasChildren(node) && info->m_strText.isEmpty() &&
           !info->m_arrSubTexts.view(kAddressSubText).isEmpty();
}

bool CServerGrid::PassesFilter(const CGridItemInfo& info) const {
    return !m_bFilterActive || m_matcher.Matches(info, HasFavouriteAddress(info));
}

void CServerGrid::SetFilter(const ServerFilter& filter) {
    m_filter = filter;
    m_bFilterActive = filter.IsActive();
    m_matcher = ServerRowMatcher(filter, SearchedSubTexts());
    SetHiddenNodes([this](const CGridTreeItem* node) {
        return IsServerRow(node) && !PassesFilter(*node->m_pInfo);
    });
    Invalidate(TRUE);
    emit serverRowsChanged();
}

void CServerGrid::CountServerRows(int& shown, int& all) const {
    shown = all = 0;
    for (const CGridTreeItem* node : PreOrderNodes()) {
        if (IsServerRow(node)) {
            ++all;
            shown += IsHidden(node) ? 0 : 1;
        }
    }
}
