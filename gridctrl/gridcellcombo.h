// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gridctrl/tcelleditor.h"

#include <QComboBox>
#include <QStringList>

// Control id and window style of the in-place drop-down list.
constexpr UINT kComboId = 4661;
constexpr UINT kComboStyle =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | CBS_DROPDOWNLIST | CBS_DISABLENOSCROLL;

// A drop-down list of fixed choices laid over one cell of the grid, owning itself (see
// TCellEditor). It opens with the choices in order and none selected; its creator then sets the
// horizontal extent, drops the list down and selects the cell's entry. Closing the drop-down
// part (Return on an entry, Escape, a click outside it) gives the focus back to the grid, which
// ends the edit, once the event loop runs. Escape, in the list or in the closed box, cancels.
// The report: mask LVIF_TEXT | LVIF_PARAM, row, column, the control's text (none when
// cancelled), its length and the selected entry's item data (0 unless one was attached); it is
// sent only when an entry was selected as the focus went.
class CGridCellCombo : public TCellEditor<QComboBox> {
public:
    CGridCellCombo(int nItem, int nSubItem, const QStringList& listChoices);

    // Lays the box over rect in pParent, a grid: the closed box is as high as one row, the rest
    // of rect is the room of the drop-down part (ten rows when rect is eleven rows high). dwStyle
    // is kComboStyle, nID kComboId. FALSE without a grid; the object then still belongs to the
    // caller.
    BOOL Create(UINT dwStyle, const CRect& rect, CListCtrl* pParent, UINT nID);

    UINT GetExStyle() const { return m_dwExStyle; }
    void ModifyStyleEx(UINT dwRemove, UINT dwAdd) {
        m_dwExStyle = (m_dwExStyle & ~dwRemove) | dwAdd;
    }
    // The width over which the drop-down part shows its entries: it is made at least that wide.
    void SetHorizontalExtent(int cx);
    int GetHorizontalExtent() const;
    // Opens (TRUE) or closes the drop-down part.
    void ShowDropDown(BOOL bShowIt = TRUE);
    // Selects the first entry after nStartAfter (-1: from the start) that equals the text
    // exactly; returns its index, or -1 (the selection unchanged) when there is none.
    int SelectString(int nStartAfter, const QString& text);

    int m_nItem;                // row of the edited cell
    int m_nSubItem;             // column of the edited cell
    QStringList m_listChoices;  // the entries offered, in order
    int m_bCancelled = 0;       // Escape was pressed

protected:
    void Report() override;
    void keyPressEvent(QKeyEvent* event) override;
    // Escape in the drop-down part, and the part's closing.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    UINT m_dwExStyle = 0;
};
