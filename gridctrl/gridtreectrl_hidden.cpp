// SPDX-License-Identifier: GPL-3.0-or-later
// Hidden nodes: a filter's view over the tree. A hidden node keeps its place, its collapsed state
// and its subtree; only its rows go, and come back as they were when it is shown again.

#include "gridctrl/gridtreectrl.h"

#include <vector>

namespace {

constexpr UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;

// Appends the rows of a shown node and of its shown subtree, in pre-order; with isHidden, sets
// the hidden state of every node below it first, shown or not, in the same walk.
void CollectShownRows(CGridTreeItem* node, std::vector<CGridTreeItem*>* rows,
                      const std::function<bool(const CGridTreeItem*)>* isHidden) {
    if (rows != nullptr) {
        rows->push_back(node);
    }
    const bool childrenShown = rows != nullptr && !node->m_bCollapsed;
    if (!childrenShown && isHidden == nullptr) {
        return;
    }
    for (CGridTreeItem* child : node->m_listChildren) {
        if (isHidden != nullptr) {
            child->m_bHidden = (*isHidden)(child);
        }
        CollectShownRows(child, childrenShown && !child->m_bHidden ? rows : nullptr, isHidden);
    }
}

}  // namespace

BOOL CGridTreeCtrl::IsHidden(const CGridTreeItem* node) const {
    return node != nullptr ? node->m_bHidden : FALSE;
}

void CGridTreeCtrl::SetNodeHidden(CGridTreeItem* node, BOOL bHidden) {
    if (node == nullptr || node->m_pParent == nullptr || (node->m_bHidden != FALSE) == bHidden) {
        return;
    }
    ForgetUnhiddenChildren();
    if (bHidden) {
        const int row = RowFromNode(node);
        node->m_bHidden = TRUE;
        if (row != -1) {
            SetRedraw(FALSE);
            HideDescendantRows(node, FALSE, row + 1);
            DeleteItem(row);
            RenumberRowsFrom(row);
            SetRedraw(TRUE);
        }
        return;
    }
    node->m_bHidden = FALSE;
    CGridTreeItem* parent = node->m_pParent;
    if (parent->m_bCollapsed || RowFromNode(parent) == -1) {
        return;
    }
    std::vector<CGridTreeItem*> nodes;
    CollectShownRows(node, &nodes, nullptr);
    const int row = RowForShownNode(node);
    SetRedraw(FALSE);
    InsertCallbackItems(row, RowItems(nodes));
    RenumberRowsFrom(row);
    SetRedraw(TRUE);
}

void CGridTreeCtrl::SetHiddenNodes(const std::function<bool(const CGridTreeItem*)>& isHidden) {
    // What the user was looking at: the selected and focused nodes, and the first row at or
    // below the top that stays shown, found before the rows go.
    CGridTreeItem* selected = NodeFromRow(GetSelectedRow());
    CGridTreeItem* focused = NodeFromRow(GetNextItem(-1, LVNI_FOCUSED));
    std::vector<CGridTreeItem*> nodes;
    nodes.reserve(static_cast<std::size_t>(GetItemCount()));
    for (CGridTreeItem* root : m_listRoots) {
        CollectShownRows(root, &nodes, &isHidden);
    }
    ForgetUnhiddenChildren();
    CGridTreeItem* top = nullptr;
    for (int row = GetTopIndex(); top == nullptr && row < GetItemCount(); ++row) {
        CGridTreeItem* node = NodeFromRow(row);
        if (node != nullptr && IsShownInTree(node)) {
            top = node;
        }
    }
    SetRedraw(FALSE);
    DeleteAllItems();
    InsertCallbackItems(0, RowItems(nodes));
    RenumberRows();
    if (top != nullptr) {
        Scroll(CSize(0, (top->m_nRow - GetTopIndex()) * GetRowHeight()));
    }
    if (focused != nullptr && IsShownInTree(focused)) {
        SetItemState(focused->m_nRow, LVIS_FOCUSED, LVIS_FOCUSED);
    }
    if (selected != nullptr && IsShownInTree(selected)) {
        SetItemState(selected->m_nRow, kSelectedAndFocused, kSelectedAndFocused);
        EnsureVisible(selected->m_nRow, TRUE);
    }
    SetRedraw(TRUE);
}

std::vector<CListCtrl::CallbackItem> CGridTreeCtrl::RowItems(
    const std::vector<CGridTreeItem*>& nodes) {
    std::vector<CallbackItem> rows;
    rows.reserve(nodes.size());
    for (CGridTreeItem* node : nodes) {
        rows.push_back(RowItem(node, node->m_nLevel, TRUE));
    }
    return rows;
}

void CGridTreeCtrl::ForgetUnhiddenChildren() const {
    if (!m_lastUnhiddenChild.empty()) {  // filing calls it once a row: no bucket sweep then
        m_lastUnhiddenChild.clear();
    }
}

// From the tree alone, as RowFromNode but without asking the rows, which may be stale.
bool CGridTreeCtrl::IsShownInTree(const CGridTreeItem* node) {
    for (; node->m_pParent != nullptr; node = node->m_pParent) {
        if (node->m_bHidden || node->m_pParent->m_bCollapsed) {
            return false;
        }
    }
    return true;
}

const CGridTreeItem* CGridTreeCtrl::LastUnhiddenChild(const CGridTreeItem* node) const {
    if (node->m_listChildren.empty() || !node->m_listChildren.back()->m_bHidden) {
        return node->m_listChildren.empty() ? nullptr : node->m_listChildren.back();
    }
    const auto cached = m_lastUnhiddenChild.find(node);
    if (cached != m_lastUnhiddenChild.end()) {
        return cached->second;
    }
    const CGridTreeItem* last = nullptr;
    for (auto it = node->m_listChildren.rbegin();
         last == nullptr && it != node->m_listChildren.rend(); ++it) {
        if (!(*it)->m_bHidden) {
            last = *it;
        }
    }
    m_lastUnhiddenChild.emplace(node, last);
    return last;
}
