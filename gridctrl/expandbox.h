// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/wintypes.h"

class CDC;
class CGridTreeCtrl;

// The expand box of one grid row: the small square left of a node's image that shows a plus when
// the node is collapsed and a minus when it is expanded. The same layout serves drawing and
// hit-testing, so a press lands exactly where the box is painted.
//
// With cx x cy icons (the grid's m_nIconWidth and m_nIconHeight), for a node at level l in a row
// whose bounds are r, all halvings rounding towards minus infinity:
//   width  = cx/2 + 3             height = cy/2 + 3
//   x centre = cx*l - cx/2 + r.left
//   y centre = r.top + (r.bottom - cy - r.top)/2 + cx/2   (half the icon width, not the height)
//   box = (x centre - width/2, y centre - height/2), width x height
// 16-pixel icons give an 11 x 11 box centred on the image cell one level left of the node's image.
// O(1) throughout. UI thread only.
class CExpandBox {
public:
    // Computes the box for a node level and the row's bounds (LVIR_BOUNDS). pDC may be null when
    // the box is only hit-tested.
    void Layout(const CGridTreeCtrl& ctrl, CDC* pDC, int nLevel, const CRect& rcRow);
    // Fills the box with the grid's box brush, then frames it with the box frame pen (the
    // context's pen is restored after).
    void Draw(CGridTreeCtrl& ctrl);
    // A 5 x 5 plus, or only its bar, in the context's current pen.
    void DrawPlus();
    void DrawMinus();
    // The point lies in the box: left and top edges inside, right and bottom edges outside.
    BOOL HitTest(int x, int y) const;

    CRect GetRect() const { return CRect(m_nLeft, m_nTop, m_nLeft + m_nWidth, m_nTop + m_nHeight); }
    int GetCenterX() const { return m_nCenterX; }
    int GetCenterY() const { return m_nCenterY; }

private:
    CDC* m_pDC = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nCenterX = 0;
    int m_nLeft = 0;
    int m_nTop = 0;
    int m_nCenterY = 0;
};
