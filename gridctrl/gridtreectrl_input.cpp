// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse, keyboard and scroll-bar handling of the grid: expand boxes and check boxes, opening and
// closing nodes by double-click and keypad keys, the cell focus moved by Left and Right.
// Every action asks its veto hook first and reports through its notification hook.

#include "gridctrl/expandbox.h"
#include "gridctrl/gridtreectrl.h"
#include "platform/qt/waitcursor.h"

#include <algorithm>
#include <utility>
#include <vector>

void CGridTreeCtrl::TakeFocus() {
    if (!hasFocus()) {
        setFocus(Qt::MouseFocusReason);
    }
}

BOOL CGridTreeCtrl::HandleBoxClick(int x, int y, LVHITTESTINFO* hit) {
    hit->pt = CPoint(x, y);
    if (SubItemHitTest(hit) == -1) {
        return TRUE;
    }
    const int nRow = hit->iItem;
    bool toggle = false;
    if (GetExtendedStyle() & LVS_EX_CHECKBOXES) {
        if (hit->flags == LVHT_ONITEM && (GetStyle() & LVS_OWNERDRAWFIXED)) {
            CRect icon;
            CRect label;
            GetItemRect(nRow, &icon, LVIR_ICON);
            GetItemRect(nRow, &label, LVIR_LABEL);
            toggle = x > icon.left && x < label.left;
        } else {
            toggle = (hit->flags & LVHT_ONITEMSTATEICON) != 0;
        }
    }
    CGridTreeItem* node = NodeFromRow(nRow);
    if (node == nullptr) {
        return TRUE;
    }
    if (toggle) {
        SetCheck(nRow, !GetCheck(nRow));
        node->m_pInfo->m_bChecked = !node->m_pInfo->m_bChecked;
    }
    if (LastUnhiddenChild(node) == nullptr || !IsColumnShown(0)) {
        return TRUE;  // no box is drawn
    }
    CRect bounds;
    GetItemRect(nRow, &bounds, LVIR_BOUNDS);
    CExpandBox box;
    box.Layout(*this, nullptr, node->m_nLevel, bounds);
    if (!box.HitTest(x, y)) {
        return TRUE;
    }

    return ToggleNode(node, node->m_nRow) ? FALSE : TRUE;
}

bool CGridTreeCtrl::ToggleNode(CGridTreeItem* node, int nRow) {
    SetRedraw(FALSE);
    int nKeepVisible = nRow;
    bool done = false;
    if (node->m_bCollapsed) {
        if (OnExpanding(node, nRow)) {
            nKeepVisible = ExpandNode(node, nRow);
            OnExpanded(node, nRow);
            done = true;
        }
    } else if (OnCollapsing(node)) {
        CollapseNode(node);
        OnCollapsed(node);
        done = true;
    }
    SetRedraw(TRUE);
    if (done) {
        RedrawRow(nRow);
        EnsureVisible(nKeepVisible, TRUE);
    }
    return done;
}

bool CGridTreeCtrl::AllowClick(CPoint point, LVHITTESTINFO* hit) {
    TakeFocus();
    hit->pt = point;
    SubItemHitTest(hit);
    return OnCellMouseDown(hit) != FALSE;
}

// The list's own press handling watches for a drag until the button goes up, and only then may
// the cell be clicked: the rest of the press waits for OnPressReleased, so a drag gesture opens
// no editor and a plain click opens one.
void CGridTreeCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
    LVHITTESTINFO hit;
    if (!AllowClick(point, &hit) || !HandleBoxClick(point.x, point.y, &hit) || hit.iItem == -1) {
        return;
    }
    const int focusedRow = GetNextItem(-1, LVNI_FOCUSED);
    const int focusColumn = std::exchange(m_nFocusColumn, ColumnToPosition(hit.iSubItem));
    MakeColumnVisible(PositionToColumn(m_nFocusColumn));
    m_pressHit = hit;
    CListCtrl::OnLButtonDown(nFlags, point);
    if (GetNextItem(-1, LVNI_FOCUSED) == focusedRow && m_nFocusColumn != focusColumn) {
        NotifyFocusedCell();  // the list announced no new row
    }
}

void CGridTreeCtrl::OnPressReleased(UINT nFlags, CPoint point) {
    LVHITTESTINFO hit = m_pressHit;
    OnCellClicked(nFlags, point, &hit);
    RedrawRow(hit.iItem);
}

void CGridTreeCtrl::OnLButtonDblClk(UINT nFlags, CPoint point) {
    LVHITTESTINFO hit;
    if (AllowClick(point, &hit)) {
        CListCtrl::OnLButtonDblClk(nFlags, point);
    }
}

void CGridTreeCtrl::OnDblClk(CPoint ptAction) {
    LVHITTESTINFO hit;
    if (!HandleBoxClick(ptAction.x, ptAction.y, &hit)) {
        return;
    }
    const int nRow = GetSelectedRow();
    CGridTreeItem* node = NodeFromRow(nRow);
    if (hit.iItem == -1 || nRow == -1 || !HasChildren(node)) {
        return;
    }
    ToggleNode(node, nRow);
}

void CGridTreeCtrl::OnKeyDown(int nVKey) {
    if (nVKey == VK_RETURN) {
        OnReturnKey();
    } else if (nVKey == VK_LEFT || nVKey == VK_RIGHT) {
        const int step = nVKey == VK_LEFT ? -1 : 1;
        const int next = ShownPositionFrom(m_nFocusColumn + step, step);
        if (next == -1) {
            m_nFocusColumn = std::clamp(m_nFocusColumn, 0, std::max(0, GetColumnCount() - 1));
        } else {
            m_nFocusColumn = next;
            MakeColumnVisible(PositionToColumn(m_nFocusColumn));
            RedrawRow(GetSelectedRow());
            NotifyFocusedCell();
        }
        return;
    }
    CListCtrl::OnKeyDown(nVKey);
}

void CGridTreeCtrl::OnListKeyDown(int nVKey) {
    const int nRow = GetSelectedRow();
    CGridTreeItem* node = NodeFromRow(nRow);
    if (node == nullptr) {
        return;
    }
    switch (nVKey) {
        case VK_SPACE:
            if (GetExtendedStyle() & LVS_EX_CHECKBOXES) {
                node->m_pInfo->m_bChecked = !node->m_pInfo->m_bChecked;
            }
            break;
        case VK_MULTIPLY: {
            CWaitCursor wait;
            int nLast = nRow;
            SetRedraw(FALSE);
            if (OnKeyExpandAll(node, nRow)) {
                ExpandSubtree(node, &nLast);
            }
            SetRedraw(TRUE);
            RedrawItems(nRow, nLast);
            EnsureVisible(nLast, FALSE);
            break;
        }
        case VK_ADD: {
            CWaitCursor wait;
            int nLast = nRow;
            if (OnKeyExpand(node, nRow)) {
                nLast = ExpandNode(node, nRow);
            }
            RedrawRow(nRow);
            EnsureVisible(nLast, FALSE);
            break;
        }
        case VK_SUBTRACT: {
            CWaitCursor wait;
            if (OnKeyCollapse(node, nRow)) {
                CollapseNode(node);
            }
            RedrawRow(nRow);
            break;
        }
        default:
            break;
    }
}

void CGridTreeCtrl::OnHScroll() {
    TakeFocus();
}

void CGridTreeCtrl::OnVScroll() {
    TakeFocus();
}

void CGridTreeCtrl::MakeColumnVisible(int nCol) {
    const int count = GetColumnCount();
    if (nCol < 0 || nCol >= count) {
        return;
    }
    std::vector<int> order(static_cast<std::size_t>(count));
    GetColumnOrderArray(order.data(), count);
    int offset = 0;
    for (int i = 0; i < count && order[static_cast<std::size_t>(i)] != nCol; ++i) {
        offset += GetColumnWidth(order[static_cast<std::size_t>(i)]);
    }
    CRect row0;
    if (!GetItemRect(0, &row0, LVIR_BOUNDS)) {
        return;
    }
    const int left = row0.left + offset;
    CRect client;
    GetClientRect(&client);
    if (left >= 0 && left + GetColumnWidth(nCol) <= client.right) {
        return;
    }
    Scroll(CSize(left, 0));
    Invalidate(TRUE);
    UpdateWindow();
}

int CGridTreeCtrl::ColumnToPosition(int nCol) const {
    const int count = GetColumnCount();
    std::vector<int> order(static_cast<std::size_t>(count));
    GetColumnOrderArray(order.data(), count);
    for (int i = 0; i < count; ++i) {
        if (order[static_cast<std::size_t>(i)] == nCol) {
            return i;
        }
    }
    return -1;
}

int CGridTreeCtrl::PositionToColumn(int nPosition) const {
    const int count = GetColumnCount();
    if (nPosition < 0 || nPosition >= count) {
        return -1;
    }
    std::vector<int> order(static_cast<std::size_t>(count));
    GetColumnOrderArray(order.data(), count);
    return order[static_cast<std::size_t>(nPosition)];
}
