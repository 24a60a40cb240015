// SPDX-License-Identifier: GPL-3.0-or-later
// Drag and drop of rows inside the grid: the drag image, the drop highlight, scrolling in the top
// and bottom zones, expanding a collapsed node the cursor rests on, and the drop, which copies the
// dragged subtree under the target through CloneInfo and then deletes the original.

#include "gridctrl/gridtreectrl.h"
#include "platform/qt/dc.h"
#include "platform/qt/inputstate.h"
#include "platform/qt/syscolors.h"
#include "platform/qt/waitcursor.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr UINT kDragTimer = 1;
constexpr UINT kDragTimerElapse = 300;  // milliseconds
constexpr UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;

}  // namespace

void CGridTreeCtrl::OnBeginDrag(int nItem, CPoint ptAction) {
    if (nItem == -1) {
        return;
    }
    m_nDragRow = nItem;
    const std::unique_ptr<CImageList> image = CreateDragImage(nItem);
    if (!image) {
        return;
    }
    image->BeginDrag(0, CPoint(0, 0));
    CImageList::DragEnter(viewport(), ptAction);
    SetCapture();
    m_bDragging = TRUE;
    // A dragged selection is painted without its focus cells: repaint it whole now, not strip by
    // strip as the image uncovers it.
    Invalidate(TRUE);
}

std::unique_ptr<CImageList> CGridTreeCtrl::CreateDragImage(int nRow) {
    LVITEM item;
    item.mask = LVIF_IMAGE | LVIF_TEXT;
    item.iItem = nRow;
    CRect bounds;
    if (!GetItem(&item) || !GetItemRect(nRow, &bounds, LVIR_BOUNDS)) {
        return nullptr;
    }
    bounds.OffsetRect(-bounds.left, -bounds.top);
    const int width = GetColumnWidth(0);
    auto list = std::make_unique<CImageList>();
    if (!list->Create(width, bounds.Height(), ILC_MASK | ILC_COLOR24, 1, 1)) {
        return nullptr;
    }
    QPixmap bitmap(width, bounds.Height());
    const COLORREF window = GetSysColor(COLOR_WINDOW, this);  // transparent in the image
    {
        QPainter painter(&bitmap);
        CDC dc(&painter, this);  // with the control's font
        dc.FillSolidRect(bounds, window);
        if (const CImageList* small = GetImageList(LVSIL_SMALL)) {
            small->Draw(&dc, item.iImage, CPoint(0, 0), ILD_TRANSPARENT);
        }
        dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT, this));
        dc.SetBkColor(window);
        dc.TextOut(m_nIconWidth + 4, 0, item.pszText.value_or(QString()));
    }
    list->Add(bitmap, window);
    return list;
}

// A drag always holds the left button, so a right or middle button counts whenever it is down
// (not only when it is the only one).
void CGridTreeCtrl::OnMouseMove(UINT nFlags, CPoint point) {
    if (m_bDragging) {
        KillTimer(kDragTimer);
        if (!HasCapture() || (nFlags & (MK_RBUTTON | MK_MBUTTON)) || GetKeyState(VK_ESCAPE) < 0) {
            CancelDrag(true);
        } else {
            CImageList::DragMove(point);
            if (TrackDropRow(point)) {
                const CGridTreeItem* node = NodeFromRow(m_nDropRow);
                if (DragScrollZone(point.y) != 0 || (HasChildren(node) && node->m_bCollapsed)) {
                    SetTimer(kDragTimer, kDragTimerElapse);
                }
            }
        }
    }
    CListCtrl::OnMouseMove(nFlags, point);
}

void CGridTreeCtrl::OnTimer(UINT nIDEvent) {
    CListCtrl::OnTimer(nIDEvent);
    if (nIDEvent != kDragTimer) {
        return;
    }
    if (!m_bDragging) {
        KillTimer(kDragTimer);
        return;
    }
    if (!HasCapture()) {
        CancelDrag(true);
        return;
    }
    SetTimer(kDragTimer, kDragTimerElapse);
    const CPoint point(viewport()->mapFromGlobal(GetMessagePos().ToQPoint()));
    if (const int zone = DragScrollZone(point.y)) {
        const int top = GetTopIndex();
        CImageList::DragShowNolock(false);
        SendVScroll(zone < 0 ? SB_LINEUP : SB_LINEDOWN);
        CImageList::DragShowNolock(true);
        if (GetTopIndex() != top) {
            CImageList::DragShowNolock(false);
            CImageList::DragMove(point);
            CImageList::DragShowNolock(true);
            return;  // scrolls again at the next tick
        }
        KillTimer(kDragTimer);
    }
    CImageList::DragMove(point);
    TrackDropRow(point);
    ExpandDropRow();
    KillTimer(kDragTimer);
}

// Hover expansion: a collapsed node with children under the cursor opens; the dragged node's row
// may move down with it.
void CGridTreeCtrl::ExpandDropRow() {
    CGridTreeItem* node = NodeFromRow(m_nDropRow);
    CGridTreeItem* dragged = NodeFromRow(m_nDragRow);
    if (!HasChildren(node) || !node->m_bCollapsed || dragged == nullptr) {
        return;
    }
    CImageList::DragShowNolock(false);
    SetRedraw(FALSE);
    int nLast = m_nDropRow;
    m_bDragMovesRows = true;
    if (OnExpanding(node, m_nDropRow)) {
        nLast = ExpandNode(node, m_nDropRow);
        OnExpanded(node, m_nDropRow);
    }
    m_bDragMovesRows = false;
    m_nDragRow = RowFromNode(dragged);
    SetRedraw(TRUE);
    EnsureVisible(nLast, TRUE);
    Invalidate(TRUE);
    UpdateWindow();
    CImageList::DragShowNolock(true);
}

void CGridTreeCtrl::OnLButtonUp(UINT nFlags, CPoint point) {
    if (!m_bDragging) {
        CListCtrl::OnLButtonUp(nFlags, point);
        return;
    }
    StopDragging();
    CGridTreeItem* dragged = NodeFromRow(m_nDragRow);
    CGridTreeItem* target = NodeFromRow(m_nDropRow);
    if (dragged == nullptr || target == nullptr || m_nDragRow == m_nDropRow ||
        dragged->m_pParent == nullptr || target == dragged->m_pParent ||
        IsInSubtree(dragged, target) || !OnDropping(dragged, target)) {
        return;  // nothing dropped: a root, its own parent, itself, its own subtree or a refusal
    }
    CWaitCursor wait;
    SetRedraw(FALSE);
    if (CopySubtree(target, dragged)) {
        SetItemState(m_nDropRow, kSelectedAndFocused, kSelectedAndFocused);
        m_nDragRow = -1;
        const int nRow = RowFromNode(dragged);
        DeleteItem(nRow);
        HideDescendantRows(dragged, TRUE, nRow);
        DetachNode(dragged, TRUE);
        RenumberRowsFrom(nRow);
        SetRedraw(TRUE);
        Invalidate(TRUE);
        UpdateWindow();
    } else {
        SetRedraw(TRUE);
    }
}

void CGridTreeCtrl::keyPressEvent(QKeyEvent* event) {
    if (m_bDragging && event->key() == Qt::Key_Escape) {
        CancelDrag(true);
        event->accept();
        return;
    }
    CListCtrl::keyPressEvent(event);
}

void CGridTreeCtrl::OnRButtonDown(UINT, CPoint) {
    if (m_bDragging) {
        CancelDrag(true);
    }
}

void CGridTreeCtrl::OnMButtonDown(UINT nFlags, CPoint point) {
    OnRButtonDown(nFlags, point);
}

BOOL CGridTreeCtrl::CopySubtree(CGridTreeItem* target, CGridTreeItem* source) {
    if (target == nullptr || source == nullptr || IsInSubtree(source, target)) {
        return FALSE;
    }
    CGridTreeItem* copy =
        InsertChildNode(target, CloneInfo(source->m_pInfo), target->m_bCollapsed ? FALSE : TRUE);
    if (HasChildren(source)) {
        CopyChildren(copy, source);
    }
    return TRUE;
}

void CGridTreeCtrl::CopyChildren(CGridTreeItem* destination, CGridTreeItem* source) {
    // A destination in the source's subtree would grow the lists the copy walks.
    if (destination != nullptr && source != nullptr && !IsInSubtree(source, destination)) {
        CopyChildrenBelow(destination, source);
    }
}

void CGridTreeCtrl::CopyChildrenBelow(CGridTreeItem* destination, const CGridTreeItem* source) {
    if (!source->m_listChildren.empty()) {
        destination->m_bCollapsed = TRUE;  // also when every copied child is hidden
    }
    for (CGridTreeItem* child : source->m_listChildren) {
        CopyChildrenBelow(
            InsertChildNode(destination, CloneInfo(child->m_pInfo), FALSE, child->m_bHidden),
            child);
    }
}

void CGridTreeCtrl::StopDragging() {
    KillTimer(kDragTimer);
    CImageList::DragLeave(viewport());
    CImageList::EndDrag();
    ReleaseCapture();
    m_bDragging = FALSE;
    SetItemState(-1, 0, LVIS_DROPHILITED);
    Invalidate(TRUE);  // however the drag ends, nothing of its image or highlight stays
}

void CGridTreeCtrl::CancelDrag(bool bRepaintNow) {
    StopDragging();
    if (bRepaintNow) {
        UpdateWindow();
    }
}

bool CGridTreeCtrl::TrackDropRow(CPoint point) {
    LVHITTESTINFO hit;
    hit.pt = point;
    m_nDropRow = SubItemHitTest(&hit);
    const int lit = GetNextItem(-1, LVNI_DROPHILITED);
    if (lit != -1 && lit != m_nDropRow) {
        SetItemState(lit, 0, LVIS_DROPHILITED);
    }
    if (m_nDropRow != -1) {
        SetItemState(m_nDropRow, LVIS_DROPHILITED, LVIS_DROPHILITED);
    }
    return m_nDropRow != -1;
}

int CGridTreeCtrl::DragScrollZone(int y) const {
    CRect client;
    GetClientRect(&client);
    if (y >= 0 && y <= m_nIconHeight) {
        return -1;
    }
    if (y >= client.Height() - m_nIconHeight && y <= client.Height()) {
        return 1;
    }
    return 0;
}
