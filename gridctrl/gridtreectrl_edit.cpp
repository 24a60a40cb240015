// SPDX-License-Identifier: GPL-3.0-or-later
// In-place editing of the grid's cells: the default click opens an edit box over the pressed
// cell, and the editor's end-of-label-edit report, handed back by the grid's parent, stores the
// text in the node's row data and in the cell.

#include "gridctrl/gridcelledit.h"
#include "gridctrl/gridtreectrl.h"

#include <algorithm>
#include <memory>

void CGridTreeCtrl::OnCellClicked(UINT, CPoint, LVHITTESTINFO* hit) {
    CRect label;
    if (hit == nullptr || hit->iItem == -1 || !IsColumnShown(hit->iSubItem)) {
        return;
    }
    if (hit->iSubItem != 0) {
        EditCell(hit->iItem, hit->iSubItem);
    } else if (GetItemRect(hit->iItem, &label, LVIR_LABEL)) {
        OpenEditBox(hit->iItem, 0, label, kEditStyle, kEditIdTreeColumn);
    }
}

BOOL CGridTreeCtrl::GetCellEditorRect(int nRow, int nCol, CRect& rect) {
    if (nCol < 1 || !IsColumnShown(nCol) || !EnsureVisible(nRow, TRUE) ||
        !GetSubItemRect(nRow, nCol, LVIR_BOUNDS, rect)) {
        return FALSE;
    }
    CRect client;
    GetClientRect(&client);
    if (rect.left < 0 || rect.left >= client.right) {
        Scroll(CSize(rect.left, 0));
        // The cell is at the left edge now, unless the scroll range ended first: take it where
        // it really is, so the editor lies over it either way.
        GetSubItemRect(nRow, nCol, LVIR_BOUNDS, rect);
    }
    rect.right = std::min(rect.left + GetColumnWidth(nCol), client.right);
    return TRUE;
}

CGridCellEdit* CGridTreeCtrl::EditCell(int nRow, int nCol) {
    CRect rect;
    if (!GetCellEditorRect(nRow, nCol, rect)) {
        return nullptr;
    }
    LVCOLUMN column;
    column.mask = LVCF_FMT;
    GetColumn(nCol, &column);
    const int format = column.fmt & (LVCFMT_RIGHT | LVCFMT_CENTER);
    const UINT align = format == LVCFMT_LEFT    ? ES_LEFT
                       : format == LVCFMT_RIGHT ? ES_RIGHT
                                                : ES_CENTER;
    if (const CGridItemInfo* info = GetInfo(NodeFromRow(nRow))) {
        const auto image = info->m_mapCellImage.find(nCol - 1);
        if (image != info->m_mapCellImage.end() && image->second != -1) {
            rect.left += m_nIconWidth;
        }
    }
    return OpenEditBox(nRow, nCol, rect, kEditStyle | align, kEditIdSubItem);
}

CGridCellEdit* CGridTreeCtrl::OpenEditBox(int nRow, int nCol, const CRect& rect, UINT dwStyle,
                                          UINT nID) {
    auto edit = std::make_unique<CGridCellEdit>(nRow, nCol, GetItemText(nRow, nCol));
    if (!edit->Create(dwStyle, rect, this, nID)) {
        return nullptr;
    }
    return edit.release();  // it owns itself from now on
}

BOOL CGridTreeCtrl::OnChildNotify(NMHDR* pNMHDR, LRESULT* pResult) {
    if (pNMHDR == nullptr || pNMHDR->code != LVN_ENDLABELEDIT) {
        return CListCtrl::OnChildNotify(pNMHDR, pResult);
    }
    LVITEM* item = &reinterpret_cast<NMLVDISPINFO*>(pNMHDR)->item;
    CGridTreeItem* node = item->iItem != -1 ? NodeFromRow(item->iItem) : nullptr;
    if (item->pszText && node != nullptr) {
        OnCellTextChanged(node, item);
    }
    *pResult = 0;
    return TRUE;
}

void CGridTreeCtrl::OnCellTextChanged(CGridTreeItem* node, LVITEM* item) {
    CGridItemInfo* info = GetInfo(node);
    if (info == nullptr || item == nullptr || item->iSubItem < 0 || !item->pszText) {
        return;
    }
    const QString& text = *item->pszText;
    if (item->iSubItem == 0) {
        info->m_strText = text;
    } else {
        info->m_arrSubTexts.set(item->iSubItem - 1, text);
    }
    SetInfo(node, info, TRUE);
}
