// SPDX-License-Identifier: GPL-3.0-or-later
// Shown and hidden columns: a hidden column is the header's hidden section, so the list lays out,
// paints and hit-tests it as a column without width; the grid keeps the width it comes back with
// and keeps the cell focus off it.

#include "gridctrl/gridtreectrl.h"

#include <QHeaderView>

#include <algorithm>

void CGridTreeCtrl::SetColumnShown(int nCol, BOOL bShown) {
    if (nCol < 0 || nCol >= GetColumnCount() || !IsColumnShown(nCol) == !bShown) {
        return;
    }
    QHeaderView* header = GetHeaderCtrl();
    if (bShown) {
        const int width = m_keptWidths[nCol];
        m_keptWidths.erase(nCol);
        header->setSectionHidden(nCol, false);
        SetColumnWidth(nCol, width);
    } else {
        m_keptWidths[nCol] = GetColumnWidth(nCol);
        header->setSectionHidden(nCol, true);
        const int position = ColumnToPosition(nCol);
        if (m_nFocusColumn == position) {
            const int left = ShownPositionFrom(position, -1);
            const int moved = left != -1 ? left : ShownPositionFrom(position, 1);
            if (moved != -1) {
                m_nFocusColumn = moved;
                NotifyFocusedCell();
            }
        }
    }
    Invalidate(TRUE);
}

BOOL CGridTreeCtrl::IsColumnShown(int nCol) const {
    return nCol >= 0 && nCol < GetColumnCount() && !GetHeaderCtrl()->isSectionHidden(nCol);
}

int CGridTreeCtrl::GetShownWidth(int nCol) const {
    const auto kept = m_keptWidths.find(nCol);
    return kept != m_keptWidths.end() ? kept->second : GetColumnWidth(nCol);
}

void CGridTreeCtrl::SetShownWidth(int nCol, int cx) {
    const auto kept = m_keptWidths.find(nCol);
    if (kept != m_keptWidths.end()) {
        kept->second = std::max(0, cx);
    } else {
        SetColumnWidth(nCol, cx);
    }
}

int CGridTreeCtrl::ShownPositionFrom(int nPosition, int nStep) const {
    for (int position = nPosition; position >= 0 && position < GetColumnCount();
         position += nStep) {
        if (IsColumnShown(PositionToColumn(position))) {
            return position;
        }
    }
    return -1;
}
