// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gridctrl/tcelleditor.h"

#include <QLineEdit>
#include <QString>

// Control ids of the in-place edit box: over the tree column's label, and over a sub-item cell.
constexpr UINT kEditIdTreeColumn = 4659;
constexpr UINT kEditIdSubItem = 4660;
// Window style of the in-place edit box; a sub-item box adds its column's alignment (ES_LEFT,
// ES_RIGHT, ES_CENTER).
constexpr UINT kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;

// A one-line edit box laid over one cell of the grid, owning itself (see TCellEditor). It opens
// with the cell's text, the caret at the start and nothing selected. Each edit of the text widens
// the box to the text's width + 5 pixels, never past the grid's client right edge and never
// narrower; left, top and height stay. Return ends the edit with the text, Escape with no text
// (cancelled); losing the focus in any other way ends it with the text. Return, Delete, Escape
// and every key pressed with Ctrl go to the box only, never to the window's shortcuts (so Ctrl+C,
// V, X and Delete edit the text); the other keys, F5 among them, keep their shortcuts. No key
// goes on to the grid below. The report: mask LVIF_TEXT, row, column, the text (none when
// cancelled) and its length in characters. Texts of any length and any characters are kept as
// they stand.
class CGridCellEdit : public TCellEditor<QLineEdit> {
public:
    CGridCellEdit(int nItem, int nSubItem, const QString& strInitText);

    // Lays the box over rect (coordinates of the grid's rows) in pParent, a grid: dwStyle is
    // kEditStyle plus the alignment, nID kEditIdTreeColumn or kEditIdSubItem. FALSE without a
    // grid; the object then still belongs to the caller.
    BOOL Create(UINT dwStyle, const CRect& rect, CListCtrl* pParent, UINT nID);

    int m_nItem;            // row of the edited cell
    int m_nSubItem;         // column of the edited cell, 0 for the tree column
    QString m_strInitText;  // the text the box opened with
    int m_bCancelled = 0;   // Escape was pressed

protected:
    void Report() override;
    bool OwnsKey(const QKeyEvent& event) const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Widen();
};
