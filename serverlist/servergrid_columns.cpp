// SPDX-License-Identifier: GPL-3.0-or-later
// The columns the player shows or hides: every column but Server and Ip:Port may go, and the
// filter's text search follows what is shown.

#include "serverlist/servergrid.h"
#include "serverlist/serverrowtexts.h"

#include <vector>

void CServerGrid::ResetColumnWidths() {
    for (int col = 0; col < GetColumnCount(); ++col) {
        SetColumnShown(col, TRUE);
        SetColumnWidth(col, DefaultColumnWidth(col));
    }
    SearchShownColumns();
}

bool CServerGrid::CanHideColumn(int col) {
    return col != kNameSubText + 1 && col != kAddressSubText + 1;
}

void CServerGrid::ShowColumn(int col, bool bShown) {
    if (!CanHideColumn(col) || !IsColumnShown(col) == !bShown) {
        return;
    }
    SetColumnShown(col, bShown);
    SearchShownColumns();
}

std::vector<int> CServerGrid::SearchedSubTexts() const {
    std::vector<int> searched = SearchableSubTexts();
    std::erase_if(searched, [this](int k) { return !IsColumnShown(k + 1); });
    return searched;
}

void CServerGrid::SearchShownColumns() {
    if (!m_filter.m_strSearch.trimmed().isEmpty()) {
        SetFilter(m_filter);
    }
}
