// SPDX-License-Identifier: GPL-3.0-or-later
// The list view's geometry: row height, rectangles, hit tests and scrolling.

#include "platform/qt/listctrl.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

int CListCtrl::MeasureRowHeight() const {
    const QFontMetrics metrics(font());
    return metrics.height() + metrics.leading() + 4;
}

BOOL CListCtrl::GetItemRect(int nItem, CRect* pRect, UINT nCode) const {
    if (pRect == nullptr || !IsRow(nItem)) {
        return FALSE;
    }
    const int left = -horizontalScrollBar()->value();
    const int top = (nItem - GetTopIndex()) * m_nRowHeight;
    const int bottom = top + m_nRowHeight;
    if (nCode == LVIR_BOUNDS) {
        *pRect = CRect(left, top, left + TotalColumnWidth(), bottom);
        return TRUE;
    }
    const int cx = m_pSmallImages != nullptr ? m_pSmallImages->GetIconSize().cx : 0;
    const int stateWidth = m_pStateImages != nullptr ? m_pStateImages->GetIconSize().cx : 0;
    const int iconLeft = left + m_rows[static_cast<std::size_t>(nItem)].indent * cx + stateWidth;
    if (nCode == LVIR_ICON) {
        *pRect = CRect(iconLeft, top, iconLeft + cx, bottom);
        return TRUE;
    }
    if (nCode == LVIR_LABEL) {
        const int column0Right = left + GetColumnWidth(0);
        *pRect = CRect(std::min(iconLeft + cx, column0Right), top, column0Right, bottom);
        return TRUE;
    }
    return FALSE;
}

BOOL CListCtrl::GetSubItemRect(int nItem, int nSubItem, int nArea, CRect& rect) const {
    if (nSubItem == 0) {
        return GetItemRect(nItem, &rect, static_cast<UINT>(nArea));
    }
    if (nSubItem < 0 || nSubItem >= GetColumnCount() || !GetItemRect(nItem, &rect, LVIR_BOUNDS)) {
        return FALSE;
    }
    rect.left += ColumnLeft(nSubItem);
    rect.right = rect.left + GetColumnWidth(nSubItem);
    return TRUE;
}

int CListCtrl::SubItemHitTest(LVHITTESTINFO* pInfo) const {
    if (pInfo == nullptr) {
        return -1;
    }
    pInfo->iItem = -1;
    pInfo->iSubItem = -1;
    pInfo->flags = LVHT_NOWHERE;
    if (!viewport()->rect().contains(pInfo->pt.ToQPoint())) {
        return -1;  // rows scrolled off lie there, and nobody sees them
    }
    const int x = pInfo->pt.x + horizontalScrollBar()->value();
    for (int col = 0, left = 0; col < GetColumnCount() && x >= 0; ++col) {
        const int right = left + GetColumnWidth(col);
        if (x < right) {
            pInfo->iSubItem = col;
            break;
        }
        left = right;
    }
    if (pInfo->iSubItem < 0) {
        return -1;
    }
    const int row = GetTopIndex() + pInfo->pt.y / m_nRowHeight;
    if (!IsRow(row)) {
        return -1;
    }
    pInfo->iItem = row;
    pInfo->flags = pInfo->iSubItem == 0 ? LVHT_ONITEM : LVHT_ONITEMLABEL;
    return row;
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK) {
    if (!IsRow(nItem)) {
        return FALSE;
    }
    const int top = GetTopIndex();
    const int height = viewport()->height();
    const int y = (nItem - top) * m_nRowHeight;
    if (nItem < top) {
        verticalScrollBar()->setValue(nItem);
    } else if (y + m_nRowHeight > height && !(bPartialOK && y < height)) {
        verticalScrollBar()->setValue(nItem - std::max(1, GetCountPerPage()) + 1);
    }
    return TRUE;
}

BOOL CListCtrl::Scroll(CSize size) {
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setValue(horizontal->value() + size.cx);
    const long rows = std::lround(static_cast<double>(size.cy) / m_nRowHeight);
    QScrollBar* vertical = verticalScrollBar();
    vertical->setValue(vertical->value() + static_cast<int>(rows));
    return TRUE;
}

void CListCtrl::SendVScroll(UINT nSBCode) {
    if (nSBCode == SB_LINEUP || nSBCode == SB_LINEDOWN) {
        verticalScrollBar()->triggerAction(nSBCode == SB_LINEUP
                                               ? QAbstractSlider::SliderSingleStepSub
                                               : QAbstractSlider::SliderSingleStepAdd);
    }
}

int CListCtrl::GetTopIndex() const {
    return verticalScrollBar()->value();
}

int CListCtrl::GetCountPerPage() const {
    return viewport()->height() / m_nRowHeight;
}

void CListCtrl::GetClientRect(CRect* pRect) const {
    if (pRect != nullptr) {
        *pRect = CRect(0, 0, viewport()->width(), viewport()->height());
    }
}

void CListCtrl::UpdateGeometries() {
    const int headerHeight = GetColumnCount() > 0 ? m_header->sizeHint().height() : 0;
    setViewportMargins(0, headerHeight, 0, 0);
    const QRect area = viewport()->geometry();
    m_header->setGeometry(area.left(), area.top() - headerHeight, area.width(), headerHeight);
    UpdateScrollBars();
}

void CListCtrl::UpdateScrollBars() {
    const int perPage = GetCountPerPage();
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, std::max(0, GetItemCount() - perPage));
    vertical->setPageStep(std::max(1, perPage));
    const int width = viewport()->width();
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, std::max(0, TotalColumnWidth() - width));
    horizontal->setPageStep(std::max(1, width));
    horizontal->setSingleStep(std::max(1, fontMetrics().averageCharWidth()));
    m_header->setOffset(horizontal->value());
}

void CListCtrl::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateGeometries();
}

// dx is in pixels, dy in rows. Widgets over the cells move with them; the drag image stays
// under the cursor.
void CListCtrl::scrollContentsBy(int dx, int dy) {
    m_header->setOffset(horizontalScrollBar()->value());
    for (QWidget* child : viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!CImageList::IsDragImage(child)) {
            child->move(child->pos() + QPoint(dx, dy * m_nRowHeight));
        }
    }
    viewport()->update();
}

void CListCtrl::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_nRowHeight = MeasureRowHeight();
        UpdateGeometries();
        viewport()->update();
    }
}
