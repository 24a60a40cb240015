// SPDX-License-Identifier: GPL-3.0-or-later
// What the grid tells assistive technology about a row: whether it can be expanded and is, and
// which of its cells holds the cell focus.

#include "gridctrl/gridtreectrl.h"

#include <algorithm>

int CGridTreeCtrl::RowExpandState(int nItem) const {
    const CGridTreeItem* node = NodeFromRow(nItem);
    if (node == nullptr || LastUnhiddenChild(node) == nullptr) {
        return -1;
    }
    return node->m_bCollapsed ? 0 : 1;
}

int CGridTreeCtrl::FocusedColumn() const {
    return std::max(0, PositionToColumn(m_nFocusColumn));
}
