// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridctrl/gridcellcombo.h"

#include <QAbstractItemView>

#include <algorithm>

CGridCellCombo::CGridCellCombo(int nItem, int nSubItem, const QStringList& listChoices)
    : m_nItem(nItem), m_nSubItem(nSubItem), m_listChoices(listChoices) {}

BOOL CGridCellCombo::Create(UINT dwStyle, const CRect& rect, CListCtrl* pParent, UINT nID) {
    if (pParent == nullptr) {
        return FALSE;
    }
    const int rowHeight = std::min(rect.Height(), pParent->GetRowHeight());
    addItems(m_listChoices);
    setCurrentIndex(-1);  // adding entries selects none
    setMaxVisibleItems(std::max(1, rect.Height() / std::max(1, rowHeight) - 1));
    view()->installEventFilter(this);
    view()->window()->installEventFilter(this);
    return Place(dwStyle, CRect(rect.left, rect.top, rect.right, rect.top + rowHeight), pParent,
                 nID);
}

void CGridCellCombo::SetHorizontalExtent(int cx) {
    view()->setMinimumWidth(std::max(0, cx));
}

int CGridCellCombo::GetHorizontalExtent() const {
    return view()->minimumWidth();
}

void CGridCellCombo::ShowDropDown(BOOL bShowIt) {
    if (bShowIt) {
        showPopup();
    } else {
        hidePopup();
    }
}

int CGridCellCombo::SelectString(int nStartAfter, const QString& text) {
    for (int i = std::max(0, nStartAfter + 1); i < count(); ++i) {
        if (itemText(i) == text) {
            setCurrentIndex(i);
            view()->setCurrentIndex(model()->index(i, modelColumn()));  // also when dropped down
            return i;
        }
    }
    return -1;
}

void CGridCellCombo::Report() {
    const int selected = currentIndex();
    if (selected != -1) {
        SendEndLabelEdit(LVIF_TEXT | LVIF_PARAM, m_nItem, m_nSubItem, currentText(), m_bCancelled,
                         itemData(selected).value<quintptr>());
    }
}

void CGridCellCombo::keyPressEvent(QKeyEvent* event) {
    if (!HandleEndKey(*event, m_bCancelled)) {
        QComboBox::keyPressEvent(event);
    }
    event->accept();
}

// The drop-down part is a popup window of its own: its keys go to its list, and it closes
// itself. The focus goes back to the grid only once the popup has let it go, so after the event
// loop has run.
bool CGridCellCombo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        m_bCancelled = 1;
    } else if (watched == view()->window() && event->type() == QEvent::Hide) {
        QMetaObject::invokeMethod(
            this, [this] { GiveFocusToGrid(); }, Qt::QueuedConnection);
    }
    return QComboBox::eventFilter(watched, event);
}
