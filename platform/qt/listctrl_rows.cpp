// SPDX-License-Identifier: GPL-3.0-or-later
// The list view's rows: texts, item data, indent, image and state bits, single selection.

#include "platform/qt/listctrl.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

constexpr UINT kStateBits = LVIS_FOCUSED | LVIS_SELECTED | LVIS_CUT | LVIS_DROPHILITED;
constexpr int kOwnTextColumns = 32;  // columns a call-back row can hold a text of its own for

}  // namespace

void CListCtrl::TakeItemFields(const LVITEM& item, Row& row) {
    if (item.mask & LVIF_PARAM) {
        row.data = item.lParam;
    }
    if (item.mask & LVIF_INDENT) {
        row.indent = item.iIndent;
    }
    if (item.mask & LVIF_IMAGE) {
        row.image = item.iImage;
    }
}

int CListCtrl::InsertItem(const LVITEM& item) {
    if (item.iItem < 0) {
        return -1;
    }
    const int nItem = std::min(item.iItem, GetItemCount());
    RowsAboutToChange(nItem, true);
    Row row;
    if (item.mask & LVIF_TEXT) {
        RowTexts(row).append(item.pszText.value_or(QString()));
    }
    TakeItemFields(item, row);
    if (item.mask & LVIF_STATE) {
        row.state = item.state & item.stateMask & (kStateBits | LVIS_STATEIMAGEMASK);
    }
    if ((m_dwExStyle & LVS_EX_CHECKBOXES) && (row.state & LVIS_STATEIMAGEMASK) == 0) {
        row.state |= INDEXTOSTATEIMAGEMASK(1);
    }
    const UINT selection = row.state & (LVIS_SELECTED | LVIS_FOCUSED);
    row.state &= ~selection;
    m_rows.insert(static_cast<std::size_t>(nItem), std::move(row));
    ShiftTrackedRows(nItem, 1);
    if (selection != 0) {
        ApplyState(nItem, selection, selection);
    }
    UpdateScrollBars();
    UpdateFromRow(nItem);
    return nItem;
}

int CListCtrl::InsertCallbackItems(int nItem, const std::vector<CallbackItem>& items) {
    if (nItem < 0) {
        return -1;
    }
    nItem = std::min(nItem, GetItemCount());
    RowsAboutToChange(nItem, true);
    const UINT defaultImage = (m_dwExStyle & LVS_EX_CHECKBOXES) ? INDEXTOSTATEIMAGEMASK(1) : 0;
    m_rows.insert_n(static_cast<std::size_t>(nItem), items.size(), [&](std::size_t i) {
        Row row;
        row.data = items[i].data;
        row.indent = items[i].indent;
        row.state = items[i].state & LVIS_STATEIMAGEMASK;
        if (row.state == 0) {
            row.state = defaultImage;
        }
        row.callback = true;
        return row;
    });
    ShiftTrackedRows(nItem, static_cast<int>(items.size()));
    UpdateScrollBars();
    UpdateFromRow(nItem);
    return nItem;
}

QStringList& CListCtrl::RowTexts(Row& row) {
    if (row.texts == nullptr) {
        row.texts = new QStringList;
        ++m_nRowsWithTexts;
    }
    return *row.texts;
}

void CListCtrl::FreeRowTexts(std::size_t nFirst, std::size_t nCount) {
    for (std::size_t i = nFirst; m_nRowsWithTexts != 0 && i < nFirst + nCount; ++i) {
        Row& row = m_rows[i];
        if (row.texts != nullptr) {
            delete row.texts;
            row.texts = nullptr;
            --m_nRowsWithTexts;
        }
    }
}

QString CListCtrl::OnGetDispInfo(int, int) const {
    return QString();
}

int CListCtrl::InsertItem(int nItem, const QString& text) {
    LVITEM item;
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = text;
    return InsertItem(item);
}

BOOL CListCtrl::SetItem(const LVITEM& item) {
    if (!IsRow(item.iItem) || item.iSubItem < 0) {
        return FALSE;
    }
    if (item.mask & LVIF_TEXT) {
        SetItemText(item.iItem, item.iSubItem, item.pszText.value_or(QString()));
    }
    if (item.iSubItem != 0) {
        return TRUE;
    }
    Row& row = m_rows[static_cast<std::size_t>(item.iItem)];
    TakeItemFields(item, row);
    if (item.mask & LVIF_STATE) {
        ApplyState(item.iItem, item.state, item.stateMask);
    }
    UpdateRow(item.iItem);
    return TRUE;
}

BOOL CListCtrl::GetItem(LVITEM* pItem) const {
    if (pItem == nullptr || !IsRow(pItem->iItem)) {
        return FALSE;
    }
    const Row& row = m_rows[static_cast<std::size_t>(pItem->iItem)];
    if (pItem->mask & LVIF_TEXT) {
        pItem->pszText = GetItemText(pItem->iItem, pItem->iSubItem);
    }
    if (pItem->mask & LVIF_PARAM) {
        pItem->lParam = row.data;
    }
    if (pItem->mask & LVIF_INDENT) {
        pItem->iIndent = row.indent;
    }
    if (pItem->mask & LVIF_IMAGE) {
        pItem->iImage = row.image;
    }
    if (pItem->mask & LVIF_STATE) {
        pItem->state = row.state & pItem->stateMask;
    }
    return TRUE;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, const QString& text) {
    if (!IsRow(nItem) || nSubItem < 0) {
        return FALSE;
    }
    Row& row = m_rows[static_cast<std::size_t>(nItem)];
    if (row.callback) {
        if (nSubItem >= kOwnTextColumns) {
            return FALSE;
        }
        row.ownTexts |= 1u << nSubItem;
    }
    QStringList& texts = RowTexts(row);
    while (texts.size() <= nSubItem) {
        texts.append(QString());
    }
    texts[nSubItem] = text;
    UpdateRow(nItem);
    return TRUE;
}

QString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    if (!IsRow(nItem) || nSubItem < 0) {
        return QString();
    }
    const Row& row = m_rows[static_cast<std::size_t>(nItem)];
    if (row.callback && (nSubItem >= kOwnTextColumns || !(row.ownTexts & (1u << nSubItem)))) {
        return OnGetDispInfo(nItem, nSubItem);
    }
    return row.texts != nullptr && nSubItem < row.texts->size() ? row.texts->at(nSubItem)
                                                                : QString();
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
    if (nItem == -1) {
        for (int i = 0; i < GetItemCount(); ++i) {
            ApplyState(i, nState, nMask & ~(nState & (LVIS_SELECTED | LVIS_FOCUSED)));
        }
        return TRUE;
    }
    if (!IsRow(nItem)) {
        return FALSE;
    }
    ApplyState(nItem, nState, nMask);
    return TRUE;
}

// Sets the masked bits of one row. Selecting or focusing a row takes the selection or the focus
// from every other row (single selection).
void CListCtrl::ApplyState(int nItem, UINT nState, UINT nMask) {
    const int oldSelected = m_nSelectedItem;
    const int oldFocused = m_nFocusedItem;
    nMask &= kStateBits | LVIS_STATEIMAGEMASK;
    const UINT exclusive = nState & nMask & (LVIS_SELECTED | LVIS_FOCUSED);
    for (const auto& [bit, tracked] : {std::pair{UINT(LVIS_SELECTED), &m_nSelectedItem},
                                       std::pair{UINT(LVIS_FOCUSED), &m_nFocusedItem}}) {
        if ((exclusive & bit) != 0 && *tracked != -1 && *tracked != nItem) {
            m_rows[static_cast<std::size_t>(*tracked)].state &= ~bit;
            UpdateRow(*tracked);
        }
    }
    Row& row = m_rows[static_cast<std::size_t>(nItem)];
    const UINT state = (row.state & ~nMask) | (nState & nMask);
    if (state != row.state) {
        row.state = state;
        UpdateRow(nItem);
    }
    for (const auto& [bit, tracked] : {std::pair{UINT(LVIS_SELECTED), &m_nSelectedItem},
                                       std::pair{UINT(LVIS_FOCUSED), &m_nFocusedItem}}) {
        if ((state & bit) != 0) {
            *tracked = nItem;
        } else if (*tracked == nItem) {
            *tracked = -1;
        }
    }
    if (m_nSelectedItem != oldSelected || m_nFocusedItem != oldFocused) {
        AnnounceSelectionAndFocus(oldSelected, oldFocused);
    }
    if (m_nSelectedItem != oldSelected) {
        emit selectionChanged();
    }
}

void CListCtrl::ShiftTrackedRows(int nFirst, int nDelta) {
    for (int* tracked : {&m_nSelectedItem, &m_nFocusedItem}) {
        if (*tracked < nFirst) {
            continue;
        }
        if (nDelta < 0 && *tracked < nFirst - nDelta) {
            *tracked = -1;  // its row is deleted
        } else {
            *tracked += nDelta;
        }
    }
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
    return IsRow(nItem) ? m_rows[static_cast<std::size_t>(nItem)].state & nMask : 0;
}

quintptr CListCtrl::GetItemData(int nItem) const {
    return IsRow(nItem) ? m_rows[static_cast<std::size_t>(nItem)].data : 0;
}

BOOL CListCtrl::DeleteItem(int nItem) {
    return DeleteItems(nItem, 1);
}

BOOL CListCtrl::DeleteItems(int nFirst, int nCount) {
    if (!IsRow(nFirst) || nCount < 1) {
        return FALSE;
    }
    RowsAboutToChange(nFirst, false);
    const int count = std::min(nCount, GetItemCount() - nFirst);
    FreeRowTexts(static_cast<std::size_t>(nFirst), static_cast<std::size_t>(count));
    m_rows.erase(static_cast<std::size_t>(nFirst), static_cast<std::size_t>(count));
    ShiftTrackedRows(nFirst, -count);
    UpdateScrollBars();
    UpdateFromRow(nFirst);
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems() {
    RowsAboutToChange(0, false);
    FreeRowTexts(0, m_rows.size());
    m_rows.clear();
    m_nSelectedItem = -1;
    m_nFocusedItem = -1;
    UpdateScrollBars();
    viewport()->update();
    return TRUE;
}

int CListCtrl::GetNextItem(int nItem, UINT nFlags) const {
    const UINT wanted = nFlags & kStateBits;
    // At most one row is selected and one focused: their indices answer at once.
    if (wanted & (LVIS_SELECTED | LVIS_FOCUSED)) {
        const int tracked = (wanted & LVIS_SELECTED) ? m_nSelectedItem : m_nFocusedItem;
        return tracked > nItem && (GetItemState(tracked, wanted) == wanted) ? tracked : -1;
    }
    for (int i = std::max(nItem + 1, 0); i < GetItemCount(); ++i) {
        if ((m_rows[static_cast<std::size_t>(i)].state & wanted) == wanted) {
            return i;
        }
    }
    return -1;
}

BOOL CListCtrl::GetCheck(int nItem) const {
    return GetItemState(nItem, LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
}

BOOL CListCtrl::SetCheck(int nItem, BOOL bCheck) {
    return SetItemState(nItem, INDEXTOSTATEIMAGEMASK(bCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
}

// Rows are about to move: an armed press no longer knows its row, and an open cell editor ends
// while its row is still its own. The change is counted for assistive technology.
void CListCtrl::RowsAboutToChange(int nFirst, bool bInsert) {
    m_nPressItem = -1;
    RowChanges& changes = m_rowChanges;
    ++changes.count;
    if (changes.first == -1) {
        changes.rowsBefore = GetItemCount();
        changes.first = nFirst;
    }
    changes.first = std::min(changes.first, nFirst);
    (bInsert ? changes.inserted : changes.removed) = true;
    emit rowsAboutToChange();
}
