#pragma once

// Checks that a grid's list rows and its tree agree. Header-only: the support library is also
// built without Qt, and only the widget test programs include this.

#include "gridctrl/gridtreectrl.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace kr::test {

namespace gridinvariants_detail {

inline std::string Describe(const CGridTreeCtrl& grid, const CGridTreeItem* node) {
    const CGridItemInfo* info = grid.GetInfo(node);
    std::ostringstream out;
    out << "node '" << (info != nullptr ? info->m_strText.toStdString() : "<no info>") << "'";
    return out.str();
}

// Walks a subtree: checks the links of every node, collects the shown ones in pre-order and
// notes every hidden one. Returns an empty text or the first fault.
inline std::string Walk(const CGridTreeCtrl& grid, CGridTreeItem* node, CGridTreeItem* parent,
                        bool shown, std::vector<CGridTreeItem*>& order,
                        std::set<const CGridTreeItem*>& seen) {
    if (!seen.insert(node).second) {
        return Describe(grid, node) + " appears twice in the tree";
    }
    if (grid.GetInfo(node) == nullptr) {
        return "a node has no row data";
    }
    if (grid.GetParentNode(node) != parent) {
        return Describe(grid, node) + " has the wrong parent";
    }
    const int level = parent == nullptr ? 1 : grid.GetLevel(parent) + 1;
    if (grid.GetLevel(node) != level) {
        return Describe(grid, node) + " has level " + std::to_string(grid.GetLevel(node)) +
               ", expected " + std::to_string(level);
    }
    if (!shown && grid.HasChildren(node) && !grid.IsCollapsed(node)) {
        return Describe(grid, node) + " is hidden but not collapsed";
    }
    if (shown) {
        order.push_back(node);
    }
    const bool childrenShown = shown && !grid.IsCollapsed(node);
    POSITION pos = grid.GetFirstChildPosition(node);
    while (pos) {
        CGridTreeItem* child = grid.GetNextChild(node, pos);
        std::string fault = Walk(grid, child, node, childrenShown, order, seen);
        if (!fault.empty()) {
            return fault;
        }
    }
    return std::string();
}

inline std::string CheckRow(const CGridTreeCtrl& grid, int row, CGridTreeItem* node) {
    const std::string where = "row " + std::to_string(row) + ": ";
    if (grid.NodeFromRow(row) != node) {
        return where + "item data is not " + Describe(grid, node) + " (pre-order)";
    }
    if (grid.GetRow(node) != row) {
        return where + Describe(grid, node) + " has m_nRow " + std::to_string(grid.GetRow(node));
    }
    if (grid.RowFromNode(node) != row) {
        return where + "RowFromNode gives " + std::to_string(grid.RowFromNode(node));
    }
    const CGridItemInfo* info = grid.GetInfo(node);
    if (grid.GetItemText(row, 0) != info->m_strText) {
        return where + "column 0 shows '" + grid.GetItemText(row, 0).toStdString() + "'";
    }
    for (int k = 0; k < info->m_arrSubTexts.size(); ++k) {
        if (grid.GetItemText(row, k + 1) != info->m_arrSubTexts[k]) {
            return where + "column " + std::to_string(k + 1) + " shows '" +
                   grid.GetItemText(row, k + 1).toStdString() + "'";
        }
    }
    LVITEM item;
    item.mask = LVIF_INDENT;
    item.iItem = row;
    grid.GetItem(&item);
    if (item.iIndent != grid.GetLevel(node)) {
        return where + "indent " + std::to_string(item.iIndent) + " is not the level";
    }
    return std::string();
}

}  // namespace gridinvariants_detail

// The five rules that tie a grid's rows to its tree: exactly the nodes without a collapsed
// ancestor have rows; rows in pre-order; item data, m_nRow and RowFromNode agree with the row;
// row texts and indent match the node; hidden nodes with children are collapsed. Also checks the
// links: parents, levels, row data present, no node twice. Hidden nodes must give RowFromNode -1.
// Use: EXPECT_TRUE(kr::test::GridInvariantsHold(grid)). Cost O(nodes * rows): for small trees.
inline testing::AssertionResult GridInvariantsHold(const CGridTreeCtrl& grid) {
    using namespace gridinvariants_detail;
    std::vector<CGridTreeItem*> order;
    std::set<const CGridTreeItem*> seen;
    POSITION pos = grid.GetFirstRootPosition();
    while (pos) {
        std::string fault = Walk(grid, grid.GetNextRoot(pos), nullptr, true, order, seen);
        if (!fault.empty()) {
            return testing::AssertionFailure() << fault;
        }
    }
    if (grid.GetItemCount() != static_cast<int>(order.size())) {
        return testing::AssertionFailure()
               << grid.GetItemCount() << " rows for " << order.size() << " shown nodes";
    }
    for (int row = 0; row < grid.GetItemCount(); ++row) {
        std::string fault = CheckRow(grid, row, order[static_cast<std::size_t>(row)]);
        if (!fault.empty()) {
            return testing::AssertionFailure() << fault;
        }
    }
    const std::set<const CGridTreeItem*> shown(order.begin(), order.end());
    for (const CGridTreeItem* node : seen) {
        if (shown.count(node) == 0 && grid.RowFromNode(node) != -1) {
            return testing::AssertionFailure()
                   << Describe(grid, node) << " is hidden but RowFromNode gives a row";
        }
    }
    return testing::AssertionSuccess();
}

}  // namespace kr::test
