// SPDX-License-Identifier: GPL-3.0-or-later
// Painting of the grid's rows: tree lines and expand boxes, images, check boxes, cell colours,
// texts fitted with "..." (dimmed rows' in the disabled text colour), the focus cell and the
// drop-down buttons of the selected row.
//
// Texts are drawn in the transparent background mode over the fills made before them, so a
// focused or coloured cell keeps its colour behind its text (in the opaque mode each text would
// bring a band of the row colour that hides most of the cell).

#include "gridctrl/expandbox.h"
#include "gridctrl/gridtreectrl.h"
#include "gridctrl/textfit.h"
#include "platform/qt/dc.h"
#include "platform/qt/syscolors.h"

#include <QEvent>

#include <algorithm>

namespace {

constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP;

UINT AlignmentOf(int nFormat) {
    switch (nFormat & (LVCFMT_RIGHT | LVCFMT_CENTER)) {
        case LVCFMT_RIGHT:
            return DT_RIGHT;
        case LVCFMT_CENTER:
            return DT_CENTER;
        default:
            return DT_LEFT;
    }
}

template <typename Map>
bool Lookup(const Map& map, int key, typename Map::mapped_type& value) {
    const auto it = map.find(key);
    if (it == map.end()) {
        return false;
    }
    value = it->second;
    return true;
}

}  // namespace

void CGridTreeCtrl::TakePaletteColours() {
    const COLORREF window = GetSysColor(COLOR_WINDOW, this);
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT, this);
    m_penTreeLine.CreatePen(PS_SOLID, 1, BlendColors(window, text, 63));
    m_penBoxFrame.CreatePen(PS_SOLID, 1, BlendColors(window, text, 57));
    m_penBoxSign.CreatePen(PS_SOLID, 1, text);
    m_brushBoxFill.CreateSolidBrush(window);
}

void CGridTreeCtrl::changeEvent(QEvent* event) {
    CListCtrl::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        TakePaletteColours();
        viewport()->update();
    }
}

// Column 0's right edge is taken as the row's left plus the column's width, so the clipping of
// the tree part also holds while the list is scrolled horizontally.
void CGridTreeCtrl::DrawItem(DRAWITEMSTRUCT* pDrawItem) {
    if (pDrawItem == nullptr || pDrawItem->pDC == nullptr || pDrawItem->CtlType != ODT_LISTVIEW ||
        pDrawItem->itemAction != ODA_DRAWENTIRE) {
        return;
    }
    if (m_hSmallImages == nullptr) {
        m_hSmallImages = GetImageList(LVSIL_SMALL);
        if (m_hSmallImages == nullptr) {
            return;
        }
    }
    CDC* pDC = pDrawItem->pDC;
    const int nRow = static_cast<int>(pDrawItem->itemID);
    LVITEM item;
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE | LVIF_INDENT;
    item.iItem = nRow;
    item.stateMask = ~0u;
    CGridTreeItem* node = GetItem(&item) ? reinterpret_cast<CGridTreeItem*>(item.lParam) : nullptr;
    if (node == nullptr || node->m_pInfo == nullptr) {
        return;
    }
    const CGridItemInfo& info = *node->m_pInfo;
    CRect clip;
    pDC->GetClipBox(&clip);

    const bool selected = (pDrawItem->itemState & ODS_SELECTED) != 0;
    const COLORREF crBack = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW, this);
    const int textColour = selected          ? COLOR_HIGHLIGHTTEXT
                           : node->m_bDimmed ? COLOR_GRAYTEXT
                                             : COLOR_WINDOWTEXT;
    const COLORREF crText = GetSysColor(textColour, this);

    const int image = GetNodeImage(node);
    if (image != -1 && image != item.iImage) {
        LVITEM change;
        change.mask = LVIF_IMAGE;
        change.iItem = nRow;
        change.iImage = image;
        SetItem(change);
        item.iImage = image;
    }

    const int cx = m_nIconWidth;
    const int cy = m_nIconHeight;
    const CRect& rcItem = pDrawItem->rcItem;
    const int yImage = (rcItem.bottom - cy) - ((rcItem.bottom - cy - rcItem.top) / 2);
    const UINT style = (item.state & LVIS_CUT) ? ILD_TRANSPARENT | ILD_BLEND50 : ILD_TRANSPARENT;

    CRect bounds;
    CRect label;
    GetItemRect(nRow, &bounds, LVIR_BOUNDS);
    GetItemRect(nRow, &label, LVIR_LABEL);
    const int level = node->m_nLevel;
    const int column0Right = bounds.left + GetColumnWidth(0);
    const CPoint imageAt(bounds.left + level * cx, yImage);
    const int imageRight = bounds.left + (level + 1) * cx;

    // The node image, cut at column 0's edge; left out with the tree lines once wholly beyond it.
    if (imageRight > column0Right - 2) {
        const int visible = cx - (imageRight - column0Right);
        if (visible >= 0) {
            if (visible > 0) {
                m_hSmallImages->DrawEx(pDC, item.iImage, imageAt, CSize(visible, cy), CLR_DEFAULT,
                                       CLR_DEFAULT, style);
            }
            DrawTreeLines(pDC, node, nRow, bounds);
        }
    } else {
        m_hSmallImages->DrawEx(pDC, item.iImage, imageAt, CSize(cx, cy), CLR_DEFAULT, CLR_DEFAULT,
                               style);
        DrawTreeLines(pDC, node, nRow, bounds);
    }

    // The text area: the rest of the row from just right of the image, sub-items included.
    pDC->SetBkColor(crBack);
    CRect textArea = rcItem;
    textArea.left = std::min(rcItem.left + (level + 1) * cx + 2, column0Right);
    pDC->ExtTextOut(0, 0, ETO_OPAQUE, &textArea, QString());
    CRect column0Area = textArea;
    column0Area.right = label.right;
    if (info.m_crRowBack != kNoColor) {
        pDC->FillSolidRect(column0Area, info.m_crRowBack);
    }
    if (selected && m_nFocusColumn == 0) {
        pDC->FillSolidRect(column0Area, GetFocusCellColor());
        pDC->DrawFocusRect(column0Area);
    }

    // The check box, when the row has a state image and it fits into column 0.
    const int stateImage = static_cast<int>((item.state & LVIS_STATEIMAGEMASK) >> 12) - 1;
    const CImageList* stateImages = GetImageList(LVSIL_STATE);
    if (stateImage >= 0 && stateImages != nullptr) {
        const int cxs = stateImages->GetIconSize().cx;
        if (imageRight + cxs < column0Right) {
            stateImages->Draw(pDC, stateImage, CPoint(bounds.left + level * cx + cxs, yImage),
                              ILD_TRANSPARENT);
        }
    }

    pDC->SetTextColor(crText);
    const int previousMode = pDC->SetBkMode(TRANSPARENT);
    CRect textRect = label;
    textRect.DeflateRect(2, 0);
    if (IsColumnShown(0)) {  // a text cut to its first letter would show over column 1
        pDC->DrawText(FitTextToWidth(*pDC, info.m_strText, label.Width(), 2).text, textRect,
                      DT_LEFT | kTextFormat);
    }

    // Sub-item cells; those wholly outside the clip box horizontally cost nothing but their
    // drop-down button, which the clip box cuts away.
    CRect cell(label.right, label.top, label.right, label.bottom);
    LVCOLUMN column;
    column.mask = LVCF_FMT | LVCF_WIDTH;
    for (int k = 0; GetColumn(k + 1, &column); ++k) {
        cell.left = cell.right;
        cell.right = cell.left + column.cx;
        if (cell.left < clip.right && cell.right > clip.left && cell.right > cell.left) {
            int nOffset = 0;
            COLORREF crCell = kNoColor;
            if (Lookup(info.m_mapCellBackColor, k, crCell) && crCell != kNoColor) {
                pDC->FillSolidRect(cell, crCell);
            }
            int cellImage = -1;
            if (Lookup(info.m_mapCellImage, k, cellImage) && cellImage != -1) {
                CRect sub;
                GetSubItemRect(nRow, k + 1, LVIR_BOUNDS, sub);
                m_imageCells.DrawEx(pDC, cellImage, CPoint(sub.left, yImage), CSize(cx, cy),
                                    CLR_DEFAULT, CLR_DEFAULT, style);
                nOffset = cx + 2;
            }
            const FittedText fitted =
                FitTextToWidth(*pDC, info.GetSubText(k), cell.Width() - nOffset, 6);
            const UINT align = fitted.bShortened ? DT_LEFT : AlignmentOf(column.fmt);
            if (selected && !m_bDragging) {
                DrawFocusCell(pDC, nRow, k + 1, nOffset);
            }
            pDC->DrawText(fitted.text,
                          CRect(cell.left + nOffset + 6, cell.top, cell.right - 6, cell.bottom),
                          align | kTextFormat);
        }
        if (selected) {
            DrawDropDownButton(pDC, node, nRow, k + 1);
        }
    }
    pDC->SetBkMode(previousMode);
}

// Connector lines in the tree-line pen at x(l) = row left + l * cx - cx/2: for the node an L
// (last child) or a through line with a stub to its image, for each ancestor with a later
// sibling a through line; roots get none. Then the expand box of a node with children that are
// not all hidden, and under an expanded node's image the start of its children's line. m_nRow
// tells which rows the last children have; hidden children count as absent.
void CGridTreeCtrl::DrawTreeLines(CDC* pDC, CGridTreeItem* node, int nRow, const CRect& rcRow) {
    const int cx = m_nIconWidth;
    const int cy = m_nIconHeight;
    const int level = node->m_nLevel;
    const int column0Right = rcRow.left + GetColumnWidth(0);
    auto xAt = [&](int l) { return rcRow.left + l * cx - cx / 2; };
    CExpandBox box;
    box.Layout(*this, pDC, level, rcRow);
    const int yMid = box.GetCenterY();

    CPen* previous = pDC->SelectObject(&m_penTreeLine);
    for (const CGridTreeItem* c = node; c->m_pParent != nullptr; c = c->m_pParent) {
        const int lastRow = LastUnhiddenChild(c->m_pParent)->m_nRow;
        const int x = xAt(c->m_nLevel);
        if (c == node) {
            pDC->MoveTo(x, rcRow.top);
            pDC->LineTo(x, lastRow > nRow ? rcRow.bottom : yMid);
            pDC->MoveTo(x, yMid);
            pDC->LineTo(std::min(x + cx / 2, column0Right), yMid);
        } else if (lastRow > nRow) {
            pDC->MoveTo(x, rcRow.top);
            pDC->LineTo(x, rcRow.bottom);
        }
    }
    if (LastUnhiddenChild(node) != nullptr) {
        box.Draw(*this);
        pDC->SelectObject(&m_penBoxSign);
        if (node->m_bCollapsed) {
            box.DrawPlus();
        } else {
            box.DrawMinus();
            pDC->SelectObject(&m_penTreeLine);
            const int x = xAt(level) + cx;
            pDC->MoveTo(x, rcRow.top + cy + (rcRow.bottom - cy - rcRow.top) / 2);
            pDC->LineTo(x, rcRow.bottom);
        }
    }
    pDC->SelectObject(previous);
}

void CGridTreeCtrl::DrawFocusCell(CDC* pDC, int nRow, int nCol, int nOffset) {
    CRect rect;
    if (nCol != m_nFocusColumn || !GetSubItemRect(nRow, nCol, LVIR_BOUNDS, rect)) {
        return;
    }
    rect.left += nOffset;
    const CBrush brush(GetFocusCellColor());
    pDC->FillRect(rect, &brush);
    pDC->DrawFocusRect(rect);
}

void CGridTreeCtrl::DrawDropDownButton(CDC* pDC, CGridTreeItem* node, int nRow, int nCol) {
    const CGridItemInfo* info = GetInfo(node);
    int kind = 0;
    CRect rect;
    if (info == nullptr || !Lookup(info->m_mapCellKind, nCol - 1, kind) ||
        kind != kCellKindDropDown || !IsColumnShown(nCol) ||
        !GetSubItemRect(nRow, nCol, LVIR_BOUNDS, rect)) {
        return;
    }
    rect.left = rect.right - GetSystemMetrics(SM_CXVSCROLL);
    pDC->DrawFrameControl(rect, DFC_SCROLL, DFCS_SCROLLDOWN);
}
