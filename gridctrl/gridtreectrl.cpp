// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridctrl/gridtreectrl.h"

#include "platform/qt/inputstate.h"
#include "platform/qt/waitcursor.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

namespace {

constexpr UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;

// Marks the node and its expanded descendants with children collapsed; they have no rows.
void CollapseWithoutRows(CGridTreeItem* node) {
    if (node->m_listChildren.empty() || node->m_bCollapsed) {
        return;
    }
    node->m_bCollapsed = TRUE;
    if (node->m_nBranchChildren == 0) {
        return;  // every child is a leaf: nothing below can be expanded
    }
    for (CGridTreeItem* child : node->m_listChildren) {
        CollapseWithoutRows(child);
    }
}

// Keeps the counts of children with children right once children, nBranches of them with
// children of their own, have left the list of parent, which had children before.
void NoteChildrenRemoved(CGridTreeItem* parent, int nBranches) {
    parent->m_nBranchChildren -= nBranches;
    if (parent->m_listChildren.empty() && parent->m_pParent != nullptr) {
        --parent->m_pParent->m_nBranchChildren;
    }
}

}  // namespace

CGridTreeCtrl::CGridTreeCtrl(QWidget* parent) : CListCtrl(parent) {
    TrackInputState();  // the drag reads the Escape key's state
    TakePaletteColours();
    // Rows that change under a drag leave its row numbers meaningless.
    connect(this, &CListCtrl::rowsAboutToChange, this, [this] {
        ForgetUnhiddenChildren();
        if (m_bDragging && !m_bDragMovesRows) {
            CancelDrag(false);
        }
    });
}

CGridTreeCtrl::~CGridTreeCtrl() {
    GridNodeList roots;
    roots.swap(m_listRoots);
    for (CGridTreeItem* root : roots) {
        FreeNode(root);
    }
}

int CGridTreeCtrl::OnCreate() {
    return CListCtrl::OnCreate();
}

void CGridTreeCtrl::FreeNode(CGridTreeItem* node) {
    ++m_nNodesFreed;
    delete node->m_pInfo;
    delete node;
}

// ---- node accessors ----

CGridItemInfo* CGridTreeCtrl::GetInfo(const CGridTreeItem* node) const {
    return node != nullptr ? node->m_pInfo : nullptr;
}

void CGridTreeCtrl::SetInfo(CGridTreeItem* node, CGridItemInfo* info, BOOL bRefreshRow) {
    if (node == nullptr || info == nullptr) {
        return;
    }
    if (info != node->m_pInfo) {
        delete node->m_pInfo;
        node->m_pInfo = info;
    }
    if (bRefreshRow) {
        RefreshRowTexts(node);
    }
}

BOOL CGridTreeCtrl::IsDimmed(const CGridTreeItem* node) const {
    return node != nullptr && node->m_bDimmed ? TRUE : FALSE;
}

void CGridTreeCtrl::SetDimmed(CGridTreeItem* node, BOOL bDimmed) {
    if (node != nullptr) {
        node->m_bDimmed = bDimmed != FALSE;
    }
}

BOOL CGridTreeCtrl::IsCollapsed(const CGridTreeItem* node) const {
    return node != nullptr ? node->m_bCollapsed : FALSE;
}

void CGridTreeCtrl::SetCollapsed(CGridTreeItem* node, BOOL bCollapsed) {
    if (node != nullptr) {
        node->m_bCollapsed = bCollapsed;
    }
}

int CGridTreeCtrl::GetLevel(const CGridTreeItem* node) const {
    return node != nullptr ? node->m_nLevel : 0;
}

void CGridTreeCtrl::SetLevel(CGridTreeItem* node, int nLevel) {
    if (node != nullptr) {
        node->m_nLevel = nLevel;
    }
}

int CGridTreeCtrl::GetRow(const CGridTreeItem* node) const {
    return node != nullptr ? node->m_nRow : -1;
}

void CGridTreeCtrl::SetRow(CGridTreeItem* node, int nRow) {
    if (node != nullptr) {
        node->m_nRow = nRow;
    }
}

CGridTreeItem* CGridTreeCtrl::GetParentNode(const CGridTreeItem* node) const {
    return node != nullptr ? node->m_pParent : nullptr;
}

void CGridTreeCtrl::SetParentNode(CGridTreeItem* node, CGridTreeItem* parent) {
    if (node != nullptr) {
        node->m_pParent = parent;
    }
}

BOOL CGridTreeCtrl::HasChildren(const CGridTreeItem* node) const {
    return node != nullptr && !node->m_listChildren.empty();
}

int CGridTreeCtrl::GetChildCount(const CGridTreeItem* node) const {
    return node != nullptr ? static_cast<int>(node->m_listChildren.size()) : 0;
}

POSITION CGridTreeCtrl::GetFirstChildPosition(const CGridTreeItem* node) const {
    return HasChildren(node) ? POSITION(std::size_t{0}) : POSITION();
}

CGridTreeItem* CGridTreeCtrl::GetNextChild(const CGridTreeItem* node, POSITION& pos) const {
    return node != nullptr ? NextInList(node->m_listChildren, pos) : nullptr;
}

POSITION CGridTreeCtrl::GetFirstRootPosition() const {
    return m_listRoots.empty() ? POSITION() : POSITION(std::size_t{0});
}

CGridTreeItem* CGridTreeCtrl::GetNextRoot(POSITION& pos) const {
    return NextInList(m_listRoots, pos);
}

CGridTreeItem* CGridTreeCtrl::NextInList(const GridNodeList& list, POSITION& pos) {
    if (!pos || pos.m_index >= list.size()) {
        pos = POSITION();
        return nullptr;
    }
    CGridTreeItem* node = list[pos.m_index];
    pos = pos.m_index + 1 < list.size() ? POSITION(pos.m_index + 1) : POSITION();
    return node;
}

// ---- tree operations ----

CListCtrl::CallbackItem CGridTreeCtrl::RowItem(CGridTreeItem* node, int nIndent, BOOL bApplyCheck) {
    CallbackItem item;
    item.data = reinterpret_cast<quintptr>(node);
    item.indent = nIndent;
    if (bApplyCheck && node->m_pInfo->m_bChecked) {
        item.state = INDEXTOSTATEIMAGEMASK(2);
    }
    return item;
}

void CGridTreeCtrl::InsertNodeRow(CGridTreeItem* node, int nRow, int nIndent, BOOL bApplyCheck) {
    InsertCallbackItems(nRow, {RowItem(node, nIndent, bApplyCheck)});
}

QString CGridTreeCtrl::OnGetDispInfo(int nItem, int nSubItem) const {
    const CGridItemInfo* info = GetInfo(NodeFromRow(nItem));
    if (info == nullptr) {
        return QString();
    }
    return nSubItem == 0 ? info->m_strText : info->GetSubText(nSubItem - 1);
}

CGridTreeItem* CGridTreeCtrl::InsertRootNode(CGridItemInfo* info) {
    auto* node = new CGridTreeItem;
    node->m_pInfo = info != nullptr ? info : new CGridItemInfo;
    node->m_nLevel = 1;
    node->m_nRow = GetItemCount();
    InsertNodeRow(node, node->m_nRow, 1, FALSE);
    m_listRoots.push_back(node);
    return node;
}

CGridTreeItem* CGridTreeCtrl::InsertChildNode(CGridTreeItem* parent, CGridItemInfo* info,
                                              BOOL bShowRow, BOOL bHidden) {
    if (parent == nullptr) {
        return nullptr;
    }
    const bool parentShown = RowFromNode(parent) != -1;
    // A collapsed parent cannot show the child: inserting a row anyway would put it out of
    // order, so the child goes without a row like its siblings. An expanded one that is not to
    // show it is collapsed first, while its rows still match its children.
    const bool showRow = parentShown && !bHidden && bShowRow && !parent->m_bCollapsed;
    if (parentShown && !bHidden && !showRow && !parent->m_bCollapsed) {
        CollapseNode(parent);
    }
    auto* node = new CGridTreeItem;
    node->m_pInfo = info != nullptr ? info : new CGridItemInfo;
    node->m_nLevel = parent->m_nLevel + 1;
    node->m_pParent = parent;
    node->m_bHidden = bHidden;
    if (parent->m_listChildren.empty() && parent->m_pParent != nullptr) {
        ++parent->m_pParent->m_nBranchChildren;
    }
    parent->m_listChildren.push_back(node);
    ForgetUnhiddenChildren();
    if (!parentShown) {
        // Nothing below a parent that is not shown has a row: collapsing it keeps that true.
        CollapseWithoutRows(parent);
        return node;
    }
    if (!showRow) {
        if (!bHidden) {
            parent->m_bCollapsed = TRUE;
        }
        return node;
    }
    const int row = RowForShownNode(node);
    InsertNodeRow(node, row, node->m_nLevel, TRUE);
    RenumberRowsFrom(row);
    return node;
}

// Right after the shown subtree of the previous sibling that is not hidden, else right after the
// parent. The node's own place among its siblings is searched from the end.
int CGridTreeCtrl::RowForShownNode(const CGridTreeItem* node) const {
    const GridNodeList& siblings = node->m_pParent->m_listChildren;
    auto it = std::find(siblings.rbegin(), siblings.rend(), node);
    for (++it; it != siblings.rend(); ++it) {
        if (!(*it)->m_bHidden) {
            return LastShownDescendant(*it)->m_nRow + 1;
        }
    }
    return node->m_pParent->m_nRow + 1;
}

const CGridTreeItem* CGridTreeCtrl::LastShownDescendant(const CGridTreeItem* node) const {
    while (!node->m_bCollapsed) {
        const CGridTreeItem* last = LastUnhiddenChild(node);
        if (last == nullptr) {
            break;
        }
        node = last;
    }
    return node;
}

int CGridTreeCtrl::ExpandNode(CGridTreeItem* node, int nRow) {
    int last = nRow;
    if (HasChildren(node) && node->m_bCollapsed && NodeFromRow(nRow) == node) {
        LVITEM item;
        item.mask = LVIF_INDENT;
        item.iItem = nRow;
        item.iIndent = node->m_nLevel;
        SetItem(item);
        last = InsertChildRows(node, nRow);
        RenumberRowsFrom(nRow + 1);
        NotifyExpandStateChanged(nRow);
    }
    return last;
}

int CGridTreeCtrl::InsertChildRows(CGridTreeItem* node, int nRow) {
    if (!node->m_bCollapsed || node->m_listChildren.empty()) {
        return nRow;
    }
    node->m_bCollapsed = FALSE;
    std::vector<CallbackItem> rows;
    const GridNodeList& children = node->m_listChildren;
    rows.reserve(children.size());
    for (std::size_t i = 0; i < children.size(); ++i) {
        PrefetchAhead(children, i);
        if (!children[i]->m_bHidden) {
            rows.push_back(RowItem(children[i], node->m_nLevel + 1, TRUE));
        }
    }
    InsertCallbackItems(nRow + 1, rows);
    return nRow + static_cast<int>(rows.size());
}

// The shown descendants' rows are the run after the node's row up to its last shown
// descendant's, as numbered before this change began: they go in one deletion.
void CGridTreeCtrl::HideDescendantRows(CGridTreeItem* node, BOOL bCollapse, int nFirstRow) {
    if (node == nullptr) {
        return;
    }
    const int count = LastShownDescendant(node)->m_nRow - node->m_nRow;
    if (bCollapse) {
        CollapseWithoutRows(node);
    }
    if (count > 0) {
        DeleteItems(nFirstRow, count);
    }
}

void CGridTreeCtrl::CollapseNode(CGridTreeItem* node) {
    // Nothing below a collapsed node has a row or is expanded: there is nothing to hide.
    const int row = RowFromNode(node);
    if (!HasChildren(node) || row == -1 || node->m_bCollapsed) {
        return;
    }
    SetRedraw(FALSE);
    HideDescendantRows(node, TRUE, row + 1);
    RenumberRowsFrom(row + 1);
    SetRedraw(TRUE);
    NotifyExpandStateChanged(row);
}

// Shown at nRow: expands the node when it has children, then each child in turn at the row
// after the previous child's subtree; numbers every node it passes. Returns the last row of the
// node's subtree.
int CGridTreeCtrl::ExpandShownSubtree(CGridTreeItem* node, int nRow, int* pLastRow) {
    if (!node->m_listChildren.empty()) {
        const int last = InsertChildRows(node, nRow);
        if (pLastRow != nullptr) {
            *pLastRow = last;
        }
    }
    SetNodeRow(node, nRow);
    int row = nRow;
    if (!node->m_bCollapsed) {
        for (CGridTreeItem* child : node->m_listChildren) {
            if (!child->m_bHidden) {
                row = ExpandShownSubtree(child, row + 1, pLastRow);
            }
        }
    }
    return row;
}

void CGridTreeCtrl::ExpandSubtree(CGridTreeItem* node, int* pLastRow) {
    if (node == nullptr) {
        return;
    }
    const int row = RowFromNode(node);
    if (row != -1) {
        const bool collapsed = node->m_bCollapsed && !node->m_listChildren.empty();
        RenumberRowsFrom(ExpandShownSubtree(node, row, pLastRow) + 1);
        if (collapsed) {
            NotifyExpandStateChanged(row);
        }
        return;
    }
    // Not shown: nothing can be expanded, each node with children reports -1 as ExpandNode does.
    if (HasChildren(node) && pLastRow != nullptr) {
        *pLastRow = -1;
    }
    for (CGridTreeItem* child : node->m_listChildren) {
        ExpandSubtree(child, pLastRow);
    }
}

void CGridTreeCtrl::DeleteNodeAndRows(CGridTreeItem* node, int nRow) {
    if (node == nullptr || NodeFromRow(nRow) != node) {
        return;
    }
    SetRedraw(FALSE);
    DeleteItem(nRow);
    HideDescendantRows(node, TRUE, nRow);
    if (node->m_pParent != nullptr) {
        DetachNode(node, TRUE);
    } else {
        RemoveRootNode(node);
    }
    RenumberRowsFrom(nRow);
    if (nRow != 0) {
        CRect label;
        const int row = GetItemRect(nRow, &label, LVIR_LABEL) ? nRow : nRow - 1;
        SetItemState(row, kSelectedAndFocused, kSelectedAndFocused);
    }
    SetRedraw(TRUE);
    Invalidate(TRUE);
    UpdateWindow();
}

void CGridTreeCtrl::DeleteChildNodes(CGridTreeItem* node,
                                     const std::function<bool(const CGridTreeItem*)>& which) {
    if (!HasChildren(node)) {
        return;
    }
    CollapseNode(node);
    // Also when not shown (hidden, or below a hidden node): the children left get no rows, and
    // expanded descendants are collapsed with it, as collapsing a shown node does.
    CollapseWithoutRows(node);
    FreeChildren(node, which);
    ForgetUnhiddenChildren();
    RedrawRow(RowFromNode(node));  // its expand box may have gone
}

void CGridTreeCtrl::FreeChildren(CGridTreeItem* node,
                                 const std::function<bool(const CGridTreeItem*)>& which) {
    int branchesFreed = 0;
    std::erase_if(node->m_listChildren, [&](CGridTreeItem* child) {
        if (!which(child)) {
            return false;
        }
        branchesFreed += HasChildren(child) ? 1 : 0;
        FreeNode(child);
        return true;
    });
    NoteChildrenRemoved(node, branchesFreed);
}

void CGridTreeCtrl::DeleteNodes(const std::function<bool(const CGridTreeItem*)>& which) {
    // The chosen nodes are hidden first, so their rows go in one layout that keeps the rest.
    std::unordered_set<const CGridTreeItem*> doomed;
    std::unordered_set<CGridTreeItem*> parents;
    SetHiddenNodes([&](const CGridTreeItem* node) {
        if (doomed.contains(node->m_pParent)) {
            doomed.insert(node);  // goes with its parent; the walk is in pre-order
            return true;
        }
        if (which(node)) {
            doomed.insert(node);
            parents.insert(node->m_pParent);
            return true;
        }
        return node->m_bHidden != FALSE;
    });
    for (CGridTreeItem* parent : parents) {
        FreeChildren(parent,
                     [&doomed](const CGridTreeItem* child) { return doomed.contains(child); });
    }
    ForgetUnhiddenChildren();
}

void CGridTreeCtrl::RemoveRootNode(CGridTreeItem* node) {
    const auto it = std::find(m_listRoots.begin(), m_listRoots.end(), node);
    if (it == m_listRoots.end()) {
        return;
    }
    m_listRoots.erase(it);
    ForgetUnhiddenChildren();
    FreeNode(node);
}

// The node is found through its parents: it must sit in its parent's child list, and the chain
// of parents must end in a root of this control.
BOOL CGridTreeCtrl::DetachNode(CGridTreeItem* node, BOOL bDelete) {
    if (node == nullptr || node->m_pParent == nullptr) {
        return FALSE;
    }
    GridNodeList& siblings = node->m_pParent->m_listChildren;
    const auto it = std::find(siblings.begin(), siblings.end(), node);
    const CGridTreeItem* root = node->m_pParent;
    while (root->m_pParent != nullptr) {
        root = root->m_pParent;
    }
    if (it == siblings.end() || !IsRootNode(root)) {
        return FALSE;
    }
    siblings.erase(it);
    NoteChildrenRemoved(node->m_pParent, HasChildren(node) ? 1 : 0);
    ForgetUnhiddenChildren();
    if (bDelete) {
        FreeNode(node);
    } else {
        node->m_pParent = nullptr;
    }
    return TRUE;
}

// A node is shown when neither it nor an ancestor is hidden, no ancestor is collapsed and the
// chain of parents ends in a root (level 1; a detached node keeps its deeper level); then m_nRow
// is its row, which its row confirms.
int CGridTreeCtrl::RowFromNode(const CGridTreeItem* node) const {
    if (node == nullptr) {
        return -1;
    }
    const CGridTreeItem* top = node;
    for (; top->m_pParent != nullptr; top = top->m_pParent) {
        if (top->m_bHidden || top->m_pParent->m_bCollapsed) {
            return -1;
        }
    }
    if (top->m_nLevel != 1 || NodeFromRow(node->m_nRow) != node) {
        return -1;
    }
    return node->m_nRow;
}

CGridTreeItem* CGridTreeCtrl::NodeFromRow(int nRow) const {
    return reinterpret_cast<CGridTreeItem*>(GetItemData(nRow));
}

void CGridTreeCtrl::RenumberRows() {
    RenumberRowsFrom(0);
}

void CGridTreeCtrl::RenumberRowsFrom(int nFirstRow) {
    const int count = GetItemCount();
    constexpr int kAhead = 16;  // the nodes lie apart on the heap: their writes overlap
    for (int row = std::max(0, nFirstRow); row < count; ++row) {
        __builtin_prefetch(NodeFromRow(row + kAhead), 1);
        SetNodeRow(NodeFromRow(row), row);
    }
}

void CGridTreeCtrl::SetNodeRow(CGridTreeItem* node, int nRow) {
    if (node != nullptr) {
        node->m_nRow = nRow;
        ++m_nRowsNumbered;
    }
}

// m_nRow of a hidden node still holds its last row, which another node may show now: the row
// is repainted only when it really is the node's.
void CGridTreeCtrl::RefreshRowTexts(CGridTreeItem* node) {
    if (node != nullptr && node->m_nRow != -1 && NodeFromRow(node->m_nRow) == node) {
        RedrawItems(node->m_nRow, node->m_nRow);
    }
}

int CGridTreeCtrl::RevealNode(CGridTreeItem* node) {
    if (node == nullptr) {
        return -1;
    }
    int row = -1;
    if (IsRootNode(node)) {
        row = RowFromNode(node);
        SetItemState(row, kSelectedAndFocused, kSelectedAndFocused);
        EnsureVisible(row, TRUE);
        return row;
    }
    SetRedraw(FALSE);
    CWaitCursor wait;
    std::vector<CGridTreeItem*> ancestors;
    for (CGridTreeItem* parent = node->m_pParent; parent != nullptr; parent = parent->m_pParent) {
        ancestors.push_back(parent);
    }
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it) {
        ExpandNode(*it, RowFromNode(*it));
    }
    row = RowFromNode(node);
    if (row != -1) {
        SetItemState(row, kSelectedAndFocused, kSelectedAndFocused);
    }
    SetRedraw(TRUE);
    if (row != -1) {
        EnsureVisible(row, TRUE);
    }
    return row;
}

BOOL CGridTreeCtrl::IsRootNode(const CGridTreeItem* node) const {
    return GetRootOrdinal(node) != -1;
}

int CGridTreeCtrl::GetRootOrdinal(const CGridTreeItem* node) const {
    if (node == nullptr) {
        return -1;
    }
    int ordinal = 0;
    for (const CGridTreeItem* root : m_listRoots) {
        if (root == node) {
            return ordinal;
        }
        ++ordinal;
    }
    return -1;
}

BOOL CGridTreeCtrl::ContainsNode(const CGridTreeItem* node) const {
    if (node == nullptr) {
        return FALSE;
    }
    std::vector<const GridNodeList*> lists = {&m_listRoots};
    while (!lists.empty()) {
        const GridNodeList* list = lists.back();
        lists.pop_back();
        for (const CGridTreeItem* child : *list) {
            if (child == node) {
                return TRUE;
            }
            lists.push_back(&child->m_listChildren);
        }
    }
    return FALSE;
}

BOOL CGridTreeCtrl::IsInSubtree(const CGridTreeItem* top, const CGridTreeItem* node) const {
    if (top == nullptr) {
        return FALSE;
    }
    for (; node != nullptr; node = node->m_pParent) {
        if (node == top) {
            return TRUE;
        }
    }
    return FALSE;
}

// Pre-order walk of top's subtree; bFound is set once current has been passed, and the first
// node visited after that is the result.
CGridTreeItem* CGridTreeCtrl::FindNextBelow(CGridTreeItem* top, const CGridTreeItem* current,
                                            bool& bFound, BOOL bVisibleOnly) {
    if (top == current) {
        bFound = true;
    }
    if (bVisibleOnly && top->m_bCollapsed) {
        return nullptr;
    }
    for (CGridTreeItem* child : top->m_listChildren) {
        if (bVisibleOnly && child->m_bHidden) {
            continue;
        }
        if (bFound) {
            return child;
        }
        if (CGridTreeItem* next = FindNextBelow(child, current, bFound, bVisibleOnly)) {
            return next;
        }
    }
    return nullptr;
}

CGridTreeItem* CGridTreeCtrl::FindNextNode(CGridTreeItem* top, CGridTreeItem* current,
                                           BOOL bRestart, BOOL bVisibleOnly) const {
    if (top == nullptr) {
        return bRestart ? current : nullptr;
    }
    bool bFound = false;
    CGridTreeItem* next = FindNextBelow(top, current, bFound, bVisibleOnly);
    return next != nullptr ? next : (bRestart ? current : nullptr);
}

int CGridTreeCtrl::GetSelectedRow() const {
    return GetNextItem(-1, LVNI_SELECTED);
}

void CGridTreeCtrl::RedrawRow(int nRow) {
    CRect bounds;
    if (nRow != -1 && GetItemRect(nRow, &bounds, LVIR_BOUNDS)) {
        InvalidateRect(&bounds, TRUE);
        UpdateWindow();
    }
}

// ---- hooks ----

CGridItemInfo* CGridTreeCtrl::CloneInfo(CGridItemInfo*) {
    return nullptr;
}

int CGridTreeCtrl::GetNodeImage(CGridTreeItem*) {
    return 0;
}

COLORREF CGridTreeCtrl::GetFocusCellColor() {
    return RGB(192, 0, 0);
}

BOOL CGridTreeCtrl::OnDropping(CGridTreeItem*, CGridTreeItem*) {
    return TRUE;
}

BOOL CGridTreeCtrl::OnExpanding(CGridTreeItem*, int) {
    return TRUE;
}

BOOL CGridTreeCtrl::OnExpanded(CGridTreeItem*, int) {
    return TRUE;
}

BOOL CGridTreeCtrl::OnCollapsing(CGridTreeItem*) {
    return TRUE;
}

BOOL CGridTreeCtrl::OnCollapsed(CGridTreeItem*) {
    return TRUE;
}

BOOL CGridTreeCtrl::OnKeyExpandAll(CGridTreeItem*, int) {
    return TRUE;
}

BOOL CGridTreeCtrl::OnKeyCollapse(CGridTreeItem*, int) {
    return TRUE;
}

BOOL CGridTreeCtrl::OnKeyExpand(CGridTreeItem*, int) {
    return TRUE;
}

BOOL CGridTreeCtrl::OnReturnKey() {
    return FALSE;
}

BOOL CGridTreeCtrl::OnCellMouseDown(LVHITTESTINFO*) {
    return TRUE;
}
