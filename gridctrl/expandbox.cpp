// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridctrl/expandbox.h"

#include "gridctrl/gridtreectrl.h"
#include "platform/qt/dc.h"

namespace {

// Halves towards minus infinity (the built-in division truncates towards zero).
int FloorHalf(int n) {
    return n >= 0 ? n / 2 : -((1 - n) / 2);
}

}  // namespace

void CExpandBox::Layout(const CGridTreeCtrl& ctrl, CDC* pDC, int nLevel, const CRect& rcRow) {
    const int cx = ctrl.m_nIconWidth;
    const int cy = ctrl.m_nIconHeight;
    m_pDC = pDC;
    m_nWidth = FloorHalf(cx) + 3;
    m_nHeight = FloorHalf(cy) + 3;
    m_nCenterX = cx * nLevel - FloorHalf(cx) + rcRow.left;
    m_nCenterY = rcRow.top + FloorHalf(rcRow.bottom - cy - rcRow.top) + FloorHalf(cx);
    m_nLeft = m_nCenterX - FloorHalf(m_nWidth);
    m_nTop = m_nCenterY - FloorHalf(m_nHeight);
}

void CExpandBox::Draw(CGridTreeCtrl& ctrl) {
    if (m_pDC == nullptr) {
        return;
    }
    CPen* previousPen = m_pDC->SelectObject(&ctrl.m_penBoxFrame);
    CBrush* previousBrush = m_pDC->SelectObject(&ctrl.m_brushBoxFill);
    m_pDC->Rectangle(GetRect());  // the frame in the pen, the inside in the brush
    m_pDC->SelectObject(previousBrush);
    m_pDC->SelectObject(previousPen);
}

void CExpandBox::DrawPlus() {
    if (m_pDC == nullptr) {
        return;
    }
    m_pDC->MoveTo(m_nCenterX, m_nCenterY - 2);
    m_pDC->LineTo(m_nCenterX, m_nCenterY + 3);
    DrawMinus();
}

void CExpandBox::DrawMinus() {
    if (m_pDC == nullptr) {
        return;
    }
    m_pDC->MoveTo(m_nCenterX - 2, m_nCenterY);
    m_pDC->LineTo(m_nCenterX + 3, m_nCenterY);
}

BOOL CExpandBox::HitTest(int x, int y) const {
    return GetRect().PtInRect(CPoint(x, y)) ? TRUE : FALSE;
}
