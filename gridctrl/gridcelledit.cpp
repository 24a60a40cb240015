// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridctrl/gridcelledit.h"

#include "platform/qt/dc.h"

#include <algorithm>
#include <limits>

CGridCellEdit::CGridCellEdit(int nItem, int nSubItem, const QString& strInitText)
    : m_nItem(nItem), m_nSubItem(nSubItem), m_strInitText(strInitText) {
    // A thin frame, as close to the cell's own text as the box allows.
    setStyleSheet("QLineEdit { border: 1px solid palette(text); padding: 0px; }");
    // A cell's text may be longer than a line edit's default limit: keep it whole.
    setMaxLength(std::numeric_limits<int>::max());
}

BOOL CGridCellEdit::Create(UINT dwStyle, const CRect& rect, CListCtrl* pParent, UINT nID) {
    switch (dwStyle & (ES_CENTER | ES_RIGHT)) {
        case ES_RIGHT:
            setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            break;
        case ES_CENTER:
            setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
            break;
        default:
            setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            break;
    }
    setText(m_strInitText);
    if (!Place(dwStyle, rect, pParent, nID)) {
        return FALSE;
    }
    setCursorPosition(0);
    deselect();
    connect(this, &QLineEdit::textEdited, this, [this] { Widen(); });
    return TRUE;
}

void CGridCellEdit::Report() {
    SendEndLabelEdit(LVIF_TEXT, m_nItem, m_nSubItem, text(), m_bCancelled, 0);
}

bool CGridCellEdit::OwnsKey(const QKeyEvent& event) const {
    return IsEndKey(event) || event.key() == Qt::Key_Delete ||
           (event.modifiers() & Qt::ControlModifier);
}

void CGridCellEdit::keyPressEvent(QKeyEvent* event) {
    if (!HandleEndKey(*event, m_bCancelled)) {
        QLineEdit::keyPressEvent(event);
    }
    event->accept();
}

void CGridCellEdit::Widen() {
    const CDC dc(nullptr, this);  // the box's font is the grid's
    const int wanted = dc.GetTextExtent(text()).cx + 5;
    CRect client;
    Grid()->GetClientRect(&client);
    const int right = std::min(x() + wanted, client.right);
    if (wanted > width() && right > x() + width()) {
        resize(right - x(), height());
    }
}
