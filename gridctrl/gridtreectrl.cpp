#include "gridctrl/gridtreectrl.h"

#include "platform/qt/inputstate.h"
#include "platform/qt/waitcursor.h"

#include <algorithm>
#include <vector>

namespace {

constexpr UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;

// Counts the shown rows of top's subtree in pre-order into nRow until node is reached.
bool CountRowsTo(const CGridTreeItem* top, const CGridTreeItem* node, int& nRow) {
    if (top == node) {
        return true;
    }
    ++nRow;
    if (!top->m_bCollapsed) {
        for (const CGridTreeItem* child : top->m_listChildren) {
            if (CountRowsTo(child, node, nRow)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

CGridTreeCtrl::CGridTreeCtrl(QWidget* parent) : CListCtrl(parent) {
    TrackInputState();  // the drag reads the Escape key's state
    // Rows that change under a drag leave its row numbers meaningless.
    connect(this, &CListCtrl::rowsAboutToChange, this, [this] {
        if (m_bDragging && !m_bDragMovesRows) {
            CancelDrag(false);
        }
    });
}

CGridTreeCtrl::~CGridTreeCtrl() {
    while (!m_listRoots.empty()) {
        CGridTreeItem* root = m_listRoots.front();
        m_listRoots.pop_front();
        FreeNode(root);
    }
}

int CGridTreeCtrl::OnCreate() {
    return CListCtrl::OnCreate();
}

void CGridTreeCtrl::FreeNode(CGridTreeItem* node) {
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
    if (!HasChildren(node)) {
        return POSITION();
    }
    return POSITION(node->m_listChildren.cbegin());
}

CGridTreeItem* CGridTreeCtrl::GetNextChild(const CGridTreeItem* node, POSITION& pos) const {
    if (node == nullptr || !pos) {
        return nullptr;
    }
    CGridTreeItem* child = *pos.m_it;
    const auto next = std::next(pos.m_it);
    pos = next == node->m_listChildren.cend() ? POSITION() : POSITION(next);
    return child;
}

POSITION CGridTreeCtrl::GetFirstRootPosition() const {
    return m_listRoots.empty() ? POSITION() : POSITION(m_listRoots.cbegin());
}

CGridTreeItem* CGridTreeCtrl::GetNextRoot(POSITION& pos) const {
    if (!pos) {
        return nullptr;
    }
    CGridTreeItem* root = *pos.m_it;
    const auto next = std::next(pos.m_it);
    pos = next == m_listRoots.cend() ? POSITION() : POSITION(next);
    return root;
}

// ---- tree operations ----

void CGridTreeCtrl::InsertNodeRow(CGridTreeItem* node, int nRow, int nIndent, BOOL bApplyCheck) {
    const CGridItemInfo* info = node->m_pInfo;
    LVITEM item;
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_INDENT;
    item.iItem = nRow;
    item.pszText = info->m_strText;
    item.lParam = reinterpret_cast<quintptr>(node);
    item.iIndent = nIndent;
    const int row = InsertItem(item);
    if (bApplyCheck && info->m_bChecked) {
        SetCheck(row, TRUE);
    }
    for (int k = 0; k < info->m_arrSubTexts.size(); ++k) {
        SetItemText(row, k + 1, info->m_arrSubTexts[k]);
    }
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
                                              BOOL bShowRow) {
    if (parent == nullptr) {
        return nullptr;
    }
    auto* node = new CGridTreeItem;
    node->m_pInfo = info != nullptr ? info : new CGridItemInfo;
    node->m_nLevel = parent->m_nLevel + 1;
    node->m_pParent = parent;
    parent->m_listChildren.push_back(node);
    // A parent that is hidden or collapsed cannot show the child: inserting a row anyway would
    // put it out of order, so the child stays hidden like its siblings.
    const int row = bShowRow ? RowFromNode(node) : -1;
    if (row == -1) {
        parent->m_bCollapsed = TRUE;
        return node;
    }
    InsertNodeRow(node, row, node->m_nLevel, TRUE);
    RenumberRows();
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
        node->m_bCollapsed = FALSE;
        for (CGridTreeItem* child : node->m_listChildren) {
            InsertNodeRow(child, ++last, node->m_nLevel + 1, TRUE);
        }
    }
    RenumberRows();
    return last;
}

void CGridTreeCtrl::HideDescendantRows(CGridTreeItem* node, BOOL bCollapse, int nFirstRow) {
    if (!HasChildren(node) || node->m_bCollapsed) {
        return;
    }
    node->m_bCollapsed = bCollapse;
    for (CGridTreeItem* child : node->m_listChildren) {
        HideDescendantRows(child, bCollapse, nFirstRow + 1);
        DeleteItem(nFirstRow);
    }
}

void CGridTreeCtrl::CollapseNode(CGridTreeItem* node) {
    const int row = RowFromNode(node);
    if (!HasChildren(node) || row == -1) {
        return;
    }
    SetRedraw(FALSE);
    HideDescendantRows(node, TRUE, row + 1);
    RenumberRows();
    SetRedraw(TRUE);
}

void CGridTreeCtrl::ExpandSubtree(CGridTreeItem* node, int* pLastRow) {
    if (node == nullptr) {
        return;
    }
    if (HasChildren(node)) {
        const int last = ExpandNode(node, RowFromNode(node));
        if (pLastRow != nullptr) {
            *pLastRow = last;
        }
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
    RenumberRows();
    if (nRow != 0) {
        CRect label;
        const int row = GetItemRect(nRow, &label, LVIR_LABEL) ? nRow : nRow - 1;
        SetItemState(row, kSelectedAndFocused, kSelectedAndFocused);
    }
    SetRedraw(TRUE);
    Invalidate(TRUE);
    UpdateWindow();
}

void CGridTreeCtrl::RemoveRootNode(CGridTreeItem* node) {
    const auto it = std::find(m_listRoots.begin(), m_listRoots.end(), node);
    if (it == m_listRoots.end()) {
        return;
    }
    m_listRoots.erase(it);
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
    if (bDelete) {
        FreeNode(node);
    } else {
        node->m_pParent = nullptr;
    }
    return TRUE;
}

int CGridTreeCtrl::RowFromNode(const CGridTreeItem* node) const {
    if (node == nullptr) {
        return -1;
    }
    int row = 0;
    for (const CGridTreeItem* root : m_listRoots) {
        if (CountRowsTo(root, node, row)) {
            return row;
        }
    }
    return -1;
}

CGridTreeItem* CGridTreeCtrl::NodeFromRow(int nRow) const {
    return reinterpret_cast<CGridTreeItem*>(GetItemData(nRow));
}

void CGridTreeCtrl::RenumberRows() {
    const int count = GetItemCount();
    for (int row = 0; row < count; ++row) {
        if (CGridTreeItem* node = NodeFromRow(row)) {
            node->m_nRow = row;
        }
    }
}

// m_nRow of a hidden node still holds its last row, which another node may show now: the row
// is written only when it really is the node's.
void CGridTreeCtrl::RefreshRowTexts(CGridTreeItem* node) {
    if (node == nullptr || node->m_nRow == -1 || NodeFromRow(node->m_nRow) != node) {
        return;
    }
    const CGridItemInfo* info = node->m_pInfo;
    SetRedraw(FALSE);
    SetItemText(node->m_nRow, 0, info->m_strText);
    for (int k = 0; k < info->m_arrSubTexts.size(); ++k) {
        SetItemText(node->m_nRow, k + 1, info->GetSubText(k));
    }
    SetRedraw(TRUE);
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
