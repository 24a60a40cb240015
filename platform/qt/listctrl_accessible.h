// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The list view as assistive technology sees it: a table (a tree when the list shows one) of
// column header cells and one accessible row of cells per list row, laid out as Qt's item views
// lay out theirs: children 0 .. columns - 1 are the column headers, then the cells row by row,
// so cell (row, column) is child columns + row * columns + column. Only the shown columns count
// (a hidden column is the header's hidden section): column is the index among them. The list
// installs the factory once, when the first list is made (InstallListAccessibility).
//
// Texts are read live (call-back rows through OnGetDispInfo); the expanded state, the focused
// column and the tree role come from the list's hooks RowExpandState, FocusedColumn, ShowsTree.
// Every query is O(1) in the number of rows: nothing walks the rows; one that maps a column
// between the list's and the shown ones is O(columns).
// Threads: the user-interface thread only.

#include "platform/qt/listctrl.h"

#include <QAccessibleWidget>

#include <cstdint>
#include <unordered_map>

class CListCellAccessible;

// Registers the factory that gives every CListCtrl the interface below. Idempotent.
void InstallListAccessibility();

// Where the lists' events go: QAccessible::updateAccessibility, sent only while assistive
// technology listens (QAccessible::isActive), or, while one is set, the sink, which gets every
// event (a platform without accessibility, as in tests, delivers none). Returns the previous.
using ListEventSink = void (*)(QAccessibleEvent* event);
ListEventSink SetListEventSink(ListEventSink sink);

// The list itself: role Tree or Table, QAccessibleTableInterface over its rows and columns.
// It owns the cell interfaces it hands out, one per (row, column) asked for, and deletes them
// with itself (when the list is torn down). A cell that went invalid is replaced, and deleted,
// when its place is asked for again: clients keep ids (QAccessible::uniqueId), as Qt asks.
class CListCtrlAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CListCtrlAccessible(CListCtrl* list);
    ~CListCtrlAccessible() override;

    CListCtrl* List() const { return static_cast<CListCtrl*>(widget()); }
    // The interface of cell (nRow, nCol), nRow -1 for the column's header cell, nCol the list's
    // column; null outside the rows and the shown columns. O(1).
    CListCellAccessible* Cell(int nRow, int nCol) const;
    // The child index of the list's cell (row -1: a header), nCol the list's column: shown
    // columns * (row + 1) + its index among them (a hidden one: the next shown one's).
    static int ChildIndex(const CListCtrl& list, int nRow, int nCol);

    QAccessible::Role role() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;  // global coordinates
    QAccessibleInterface* focusChild() const override;           // the focused cell
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;  // Cell
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;  // the selected row's cells
    QString columnDescription(int column) const override;         // the heading
    QString rowDescription(int) const override { return QString(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    // Selects and focuses the row (the list has single selection) and scrolls it into view.
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int) override { return false; }
    // Cells check their row themselves, so a change of the rows needs nothing here.
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable std::unordered_map<std::int64_t, QAccessible::Id> m_cells;  // by (row + 1, column)
};

// One cell of a row (TreeItem in a tree, else Cell) or, at row -1, a column header cell.
// It reads the list live. It stays valid while its column is shown and its row index holds the
// row it was made for: no row was inserted or deleted since, or the row there carries the same
// non-zero item data (rows changed below it); a header cell while its column is shown. Invalid, it
// answers empty texts and the invalid state, and never reads a row that is gone.
class CListCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CListCellAccessible(CListCtrlAccessible* table, int nRow, int nCol);

    // The row's tree level: its indent (the grid's roots are at 1); 0 when invalid.
    int Depth() const;

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return m_table; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;  // Name: the cell's text or the heading
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;  // global coordinates
    QAccessible::Role role() const override;
    // Selectable and selected with its row, focused when it holds the list's keyboard focus,
    // expandable / expanded / collapsed as RowExpandState says, offscreen outside the viewport.
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;          // among the shown columns
    int ListColumn() const { return m_nCol; }  // the list's column
    int rowIndex() const override { return m_nRow; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return m_table; }

private:
    CListCtrl* List() const { return m_table->List(); }

    CListCtrlAccessible* m_table;
    int m_nRow;
    int m_nCol;
    std::uint64_t m_nRowChanges;  // the list's GetRowChanges when made
    quintptr m_rowData;           // the row's item data when made
};
