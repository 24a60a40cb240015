// SPDX-License-Identifier: GPL-3.0-or-later
// The list view's painting: rows through DrawItem, grid lines, the redraw switch.

#include "platform/qt/listctrl.h"

#include "platform/qt/dc.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

void CListCtrl::SetRedraw(BOOL bRedraw) {
    viewport()->setUpdatesEnabled(bRedraw != FALSE);
}

void CListCtrl::Invalidate(BOOL) {
    viewport()->update();
}

void CListCtrl::InvalidateRect(const CRect* pRect, BOOL) {
    if (pRect == nullptr) {
        viewport()->update();
    } else {
        viewport()->update(pRect->ToQRect());
    }
}

void CListCtrl::UpdateWindow() {
    viewport()->repaint();
}

namespace {
constexpr qint64 kFrameMilliseconds = 16;  // one frame at 60 frames a second
}  // namespace

void CListCtrl::RedrawWithinFrame() {
    if (m_frameTimer.isActive()) {
        return;  // the frame's repaint is due already
    }
    const qint64 elapsed = m_lastFrame.isValid() ? m_lastFrame.elapsed() : kFrameMilliseconds;
    if (elapsed < kFrameMilliseconds) {
        m_frameTimer.start(static_cast<int>(kFrameMilliseconds - elapsed), this);
        return;
    }
    PaintFrame();
}

void CListCtrl::PaintFrame() {
    m_frameTimer.stop();
    m_lastFrame.start();
    SetRedraw(TRUE);
    UpdateWindow();
}

void CListCtrl::UpdateRow(int nItem) {
    CRect rect;
    if (GetItemRect(nItem, &rect, LVIR_BOUNDS) && rect.bottom > 0 &&
        rect.top < viewport()->height()) {
        viewport()->update(QRect(0, rect.top, viewport()->width(), rect.Height()));
    }
}

void CListCtrl::UpdateFromRow(int nItem) {
    const int top = std::max(0, (nItem - GetTopIndex()) * m_nRowHeight);
    if (top < viewport()->height()) {
        viewport()->update(QRect(0, top, viewport()->width(), viewport()->height() - top));
    }
}

void CListCtrl::DrawItem(DRAWITEMSTRUCT*) {}

void CListCtrl::paintEvent(QPaintEvent* event) {
    AnnounceRowChanges();
    QPainter painter(viewport());
    painter.setClipRegion(event->region());
    CDC dc(&painter, viewport());
    const QRect area = event->rect();
    const int top = GetTopIndex();
    const int first = top + std::max(0, area.top()) / m_nRowHeight;
    const int last = std::min(GetItemCount() - 1, top + area.bottom() / m_nRowHeight);
    const bool focused = hasFocus();
    for (int row = first; row <= last; ++row) {
        DRAWITEMSTRUCT record;
        record.CtlType = ODT_LISTVIEW;
        record.itemID = static_cast<UINT>(row);
        record.itemAction = ODA_DRAWENTIRE;
        const UINT state = m_rows[static_cast<std::size_t>(row)].state;
        record.itemState = ((state & (LVIS_SELECTED | LVIS_DROPHILITED)) ? ODS_SELECTED : 0) |
                           ((state & LVIS_FOCUSED) && focused ? ODS_FOCUS : 0);
        record.pDC = &dc;
        GetItemRect(row, &record.rcItem, LVIR_BOUNDS);
        DrawItem(&record);
    }
    if (m_dwExStyle & LVS_EX_GRIDLINES) {
        painter.setClipRegion(event->region());
        DrawGridLines(painter);
    }
}

// Light lines along the right edge of every column and the bottom edge of every row position,
// down the whole viewport.
void CListCtrl::DrawGridLines(QPainter& painter) const {
    painter.setPen(QPen(palette().color(QPalette::Midlight), 1));
    const int height = viewport()->height();
    const int left = -horizontalScrollBar()->value();
    int right = left;
    for (int col = 0; col < GetColumnCount(); ++col) {
        right += GetColumnWidth(col);
        painter.drawLine(right - 1, 0, right - 1, height - 1);
    }
    for (int y = m_nRowHeight - 1; y < height; y += m_nRowHeight) {
        painter.drawLine(left, y, right - 1, y);
    }
}

BOOL CListCtrl::RedrawItems(int nFirst, int nLast) {
    if (nFirst > nLast || !IsRow(nFirst)) {
        return FALSE;
    }
    nLast = std::min(nLast, GetItemCount() - 1);
    CRect first;
    CRect last;
    GetItemRect(nFirst, &first, LVIR_BOUNDS);
    GetItemRect(nLast, &last, LVIR_BOUNDS);
    viewport()->update(QRect(0, first.top, viewport()->width(), last.bottom - first.top));
    return TRUE;
}

void CListCtrl::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
    NotifyFocusedCell();
}

void CListCtrl::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}
