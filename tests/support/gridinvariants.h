// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Checks that a grid's list rows and its tree agree. Header-only: the support library is also
// built without Qt, and only the widget test programs include this.

#include "gridctrl/gridtreectrl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace kr::test {

// Exactly the nodes without a collapsed ancestor that neither are nor lie below a hidden node have
// rows, in pre-order; item data, m_nRow and RowFromNode agree with the row; the texts of every
// column and the indent match the node; nodes below a collapsed one are collapsed when they have
// children; nodes without a row give RowFromNode -1; roots are not hidden. Also the links: parents,
// levels, row data, no node twice. Cost O(nodes x (depth + columns)): RowFromNode walks the node's
// ancestors.
inline testing::AssertionResult GridInvariantsHold(const CGridTreeCtrl& grid) {
    std::vector<CGridTreeItem*> order;  // the shown nodes in pre-order
    std::set<const CGridTreeItem*> seen;
    std::string fault;  // the first one found
    auto expect = [&](bool sound, const CGridTreeItem* node, const std::string& why) {
        const CGridItemInfo* info = grid.GetInfo(node);
        if (!sound && fault.empty()) {
            fault = "node '" + (info ? info->m_strText.toStdString() : "?") + "' " + why;
        }
        return sound;
    };
    // underCollapsed: an ancestor is collapsed; hidden: the node or an ancestor is hidden.
    std::function<void(CGridTreeItem*, CGridTreeItem*, bool, bool)> walk =
        [&](CGridTreeItem* node, CGridTreeItem* parent, bool underCollapsed, bool hidden) {
            if (!expect(seen.insert(node).second, node, "appears twice in the tree")) {
                return;
            }
            expect(grid.GetInfo(node) != nullptr, node, "has no row data");
            expect(grid.GetParentNode(node) == parent, node, "has the wrong parent");
            expect(grid.GetLevel(node) == (parent ? grid.GetLevel(parent) + 1 : 1), node, "level");
            hidden = hidden || grid.IsHidden(node);
            const bool shown = !underCollapsed && !hidden;
            expect(parent || !hidden, node, "is a hidden root");
            expect(!underCollapsed || !grid.HasChildren(node) || grid.IsCollapsed(node), node,
                   "is below a collapsed node but not collapsed");
            expect(shown || grid.RowFromNode(node) == -1, node,
                   "has no row but RowFromNode gives one");
            if (shown) {
                order.push_back(node);
            }
            expect(node->m_nBranchChildren ==
                       std::count_if(node->m_listChildren.begin(), node->m_listChildren.end(),
                                     [&](auto* child) { return grid.HasChildren(child); }),
                   node, "miscounts its children with children");
            for (POSITION pos = grid.GetFirstChildPosition(node); pos;) {
                walk(grid.GetNextChild(node, pos), node, underCollapsed || grid.IsCollapsed(node),
                     hidden);
            }
        };
    for (POSITION pos = grid.GetFirstRootPosition(); pos;) {
        walk(grid.GetNextRoot(pos), nullptr, false, false);
    }
    if (fault.empty() && grid.GetItemCount() != static_cast<int>(order.size())) {
        fault = std::to_string(grid.GetItemCount()) + " rows for " + std::to_string(order.size()) +
                " shown nodes";
    }
    for (int row = 0; fault.empty() && row < grid.GetItemCount(); ++row) {
        CGridTreeItem* node = order[static_cast<std::size_t>(row)];
        const CGridItemInfo* info = grid.GetInfo(node);
        const std::string at = "at row " + std::to_string(row) + ": ";
        expect(grid.NodeFromRow(row) == node, node, at + "is not the row's item data (pre-order)");
        expect(grid.GetRow(node) == row && grid.RowFromNode(node) == row, node,
               at + "has another m_nRow or RowFromNode");
        // Every column the list has and every sub-text's: a stale copy of a text shows anywhere.
        const int columns = std::max(grid.GetColumnCount(), info->m_arrSubTexts.size() + 1);
        for (int col = 0; col < columns; ++col) {
            expect(
                grid.GetItemText(row, col) == (col ? info->GetSubText(col - 1) : info->m_strText),
                node, at + "text differs, column " + std::to_string(col));
        }
        LVITEM item;
        item.mask = LVIF_INDENT;
        item.iItem = row;
        grid.GetItem(&item);
        expect(item.iIndent == grid.GetLevel(node), node, at + "indent is not the level");
    }
    return fault.empty() ? testing::AssertionSuccess() : testing::AssertionFailure() << fault;
}

}  // namespace kr::test
