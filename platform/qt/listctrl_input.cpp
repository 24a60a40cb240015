// SPDX-License-Identifier: GPL-3.0-or-later
// The list view's mouse and keyboard handling: selection by mouse and keys, drag detection.

#include "platform/qt/listctrl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

namespace {

UINT MouseKeyFlags(const QMouseEvent* event) {
    UINT flags = 0;
    const Qt::MouseButtons buttons = event->buttons();
    if (buttons & Qt::LeftButton) {
        flags |= MK_LBUTTON;
    }
    if (buttons & Qt::RightButton) {
        flags |= MK_RBUTTON;
    }
    if (buttons & Qt::MiddleButton) {
        flags |= MK_MBUTTON;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        flags |= MK_SHIFT;
    }
    if (event->modifiers() & Qt::ControlModifier) {
        flags |= MK_CONTROL;
    }
    return flags;
}

// The virtual-key code of the keys the list and the grid react to; 0 for any other key.
// Plus, minus and asterisk count only on the numeric keypad.
int VirtualKey(const QKeyEvent* event) {
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return VK_RETURN;
        case Qt::Key_Space:
            return VK_SPACE;
        case Qt::Key_PageUp:
            return VK_PRIOR;
        case Qt::Key_PageDown:
            return VK_NEXT;
        case Qt::Key_End:
            return VK_END;
        case Qt::Key_Home:
            return VK_HOME;
        case Qt::Key_Left:
            return VK_LEFT;
        case Qt::Key_Up:
            return VK_UP;
        case Qt::Key_Right:
            return VK_RIGHT;
        case Qt::Key_Down:
            return VK_DOWN;
        case Qt::Key_Asterisk:
            return keypad ? VK_MULTIPLY : 0;
        case Qt::Key_Plus:
            return keypad ? VK_ADD : 0;
        case Qt::Key_Minus:
            return keypad ? VK_SUBTRACT : 0;
        default:
            return 0;
    }
}

}  // namespace

void CListCtrl::mousePressEvent(QMouseEvent* event) {
    const CPoint point(event->position().toPoint());
    switch (event->button()) {
        case Qt::LeftButton:
            OnLButtonDown(MouseKeyFlags(event), point);
            break;
        case Qt::RightButton:
            OnRButtonDown(MouseKeyFlags(event), point);
            break;
        case Qt::MiddleButton:
            OnMButtonDown(MouseKeyFlags(event), point);
            break;
        default:
            QAbstractScrollArea::mousePressEvent(event);
            break;
    }
}

void CListCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    OnLButtonUp(MouseKeyFlags(event), CPoint(event->position().toPoint()));
}

void CListCtrl::mouseMoveEvent(QMouseEvent* event) {
    OnMouseMove(MouseKeyFlags(event), CPoint(event->position().toPoint()));
}

void CListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    OnLButtonDblClk(MouseKeyFlags(event), CPoint(event->position().toPoint()));
}

void CListCtrl::keyPressEvent(QKeyEvent* event) {
    const int vk = VirtualKey(event);
    if (vk == 0) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    OnKeyDown(vk);
    event->accept();
}

// A wheel turned over the rows reaches a scroll bar too (the scroll area passes it on): the bar
// scrolls as usual, but that is no scroll-bar action, so the keyboard focus stays where it is.
bool CListCtrl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && !m_bWheelScrolling &&
        (watched == verticalScrollBar() || watched == horizontalScrollBar())) {
        m_bWheelScrolling = true;
        QCoreApplication::sendEvent(watched, event);
        m_bWheelScrolling = false;
        return true;
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

int CListCtrl::SelectFromHit(CPoint point) {
    LVHITTESTINFO hit;
    hit.pt = point;
    const int row = SubItemHitTest(&hit);
    if (row != -1) {
        SelectAndFocus(row);
    }
    return row;
}

void CListCtrl::SelectAndFocus(int nItem) {
    SetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CListCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
    m_nPressItem = SelectFromHit(point);
    m_ptPress = point;
    m_nPressFlags = nFlags;
}

void CListCtrl::OnLButtonUp(UINT, CPoint) {
    const bool armed = m_nPressItem != -1;
    m_nPressItem = -1;
    if (armed) {
        OnPressReleased(m_nPressFlags, m_ptPress);
    }
}

void CListCtrl::OnMouseMove(UINT nFlags, CPoint point) {
    if (m_nPressItem == -1 || !(nFlags & MK_LBUTTON)) {
        return;
    }
    const QPoint moved = point.ToQPoint() - m_ptPress.ToQPoint();
    if (moved.manhattanLength() >= QApplication::startDragDistance()) {
        const int row = m_nPressItem;
        m_nPressItem = -1;
        OnBeginDrag(row, m_ptPress);
    }
}

void CListCtrl::OnLButtonDblClk(UINT, CPoint point) {
    m_nPressItem = -1;
    SelectFromHit(point);
    OnDblClk(point);
}

void CListCtrl::OnKeyDown(int nVKey) {
    OnListKeyDown(nVKey);
    if (nVKey == VK_SPACE) {
        const int selected = GetNextItem(-1, LVNI_SELECTED);
        if ((m_dwExStyle & LVS_EX_CHECKBOXES) && selected != -1) {
            SetCheck(selected, !GetCheck(selected));
        }
        return;
    }
    const int target = NavigationTarget(nVKey);
    if (target != -1) {
        SelectAndFocus(target);
        EnsureVisible(target, FALSE);
    }
}

// The row that a navigation key moves to from the focused (else the selected) row; -1 for other
// keys or an empty list. Page Down goes to the last whole row of the page, or a page further when
// already there; Page Up likewise upwards.
int CListCtrl::NavigationTarget(int nVKey) const {
    const int last = GetItemCount() - 1;
    if (last < 0) {
        return -1;
    }
    int current = GetNextItem(-1, LVNI_FOCUSED);
    if (current == -1) {
        current = GetNextItem(-1, LVNI_SELECTED);
    }
    const int top = GetTopIndex();
    const int page = std::max(1, GetCountPerPage());
    switch (nVKey) {
        case VK_HOME:
            return 0;
        case VK_END:
            return last;
        case VK_UP:
            return std::max(0, current - 1);
        case VK_DOWN:
            return current == -1 ? 0 : std::min(last, current + 1);
        case VK_PRIOR:
            return current > top ? top : std::max(0, current - page);
        case VK_NEXT: {
            const int bottom = std::min(last, top + page - 1);
            return current < bottom ? bottom : std::min(last, current + page);
        }
        default:
            return -1;
    }
}

void CListCtrl::OnRButtonDown(UINT, CPoint) {}

void CListCtrl::OnMButtonDown(UINT, CPoint) {}

void CListCtrl::SetCapture() {
    viewport()->grabMouse();
}

void CListCtrl::ReleaseCapture() {
    if (HasCapture()) {
        viewport()->releaseMouse();
    }
}

BOOL CListCtrl::HasCapture() const {
    return QWidget::mouseGrabber() == viewport();
}

void CListCtrl::OnHScroll() {}

void CListCtrl::OnVScroll() {}

void CListCtrl::OnBeginDrag(int, CPoint) {}

void CListCtrl::OnPressReleased(UINT, CPoint) {}

void CListCtrl::OnDblClk(CPoint) {}

void CListCtrl::OnListKeyDown(int) {}
