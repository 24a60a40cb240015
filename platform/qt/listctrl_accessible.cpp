// SPDX-License-Identifier: GPL-3.0-or-later
// The list view for assistive technology: the accessible table and its cells, and the list's
// hooks that send the accessibility events as rows, selection, focus and expansion change.

#include "platform/qt/listctrl_accessible.h"

#include <QHeaderView>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

QAccessibleInterface* ListFactory(const QString&, QObject* object) {
    auto* list = qobject_cast<CListCtrl*>(object);
    return list != nullptr ? new CListCtrlAccessible(list) : nullptr;
}

ListEventSink g_sink = nullptr;

bool Listening() {
    return g_sink != nullptr || QAccessible::isActive();
}

void Send(QAccessibleEvent& event) {
    g_sink != nullptr ? g_sink(&event) : QAccessible::updateAccessibility(&event);
}

// Assistive technology sees the shown columns alone, numbered from 0 in order (a hidden column
// is the header's hidden section). ShownIndex of a hidden column is that of the next shown one,
// so an event on a row's column 0 lands on its first cell; ListColumn is -1 past the last.
int ShownColumnCount(const CListCtrl& list) {
    return list.GetColumnCount() - list.GetHeaderCtrl()->hiddenSectionCount();
}

int ShownIndex(const CListCtrl& list, int nCol) {
    int index = 0;
    for (int col = 0; col < nCol; ++col) {
        index += list.GetHeaderCtrl()->isSectionHidden(col) ? 0 : 1;
    }
    return std::min(index, std::max(0, ShownColumnCount(list) - 1));
}

int ListColumn(const CListCtrl& list, int nShown) {
    for (int col = 0; col < list.GetColumnCount() && nShown >= 0; ++col) {
        if (!list.GetHeaderCtrl()->isSectionHidden(col) && nShown-- == 0) {
            return col;
        }
    }
    return -1;
}

QString Heading(const CListCtrl& list, int nCol) {
    LVCOLUMN info;
    return list.GetColumn(nCol, &info) ? info.pszText : QString();
}

void SendCellEvent(CListCtrl* list, QAccessibleEvent&& event, int nRow, int nCol) {
    event.setChild(CListCtrlAccessible::ChildIndex(*list, nRow, nCol));
    Send(event);
}

}  // namespace

void InstallListAccessibility() {
    static const bool installed = (QAccessible::installFactory(ListFactory), true);
    Q_UNUSED(installed);
}

ListEventSink SetListEventSink(ListEventSink sink) {
    return std::exchange(g_sink, sink);
}

// ---- the list's hooks ----

int CListCtrl::RowExpandState(int) const {
    return -1;
}

int CListCtrl::FocusedColumn() const {
    return 0;
}

bool CListCtrl::ShowsTree() const {
    return false;
}

void CListCtrl::NotifyExpandStateChanged(int nItem) {
    if (Listening() && IsRow(nItem)) {
        QAccessible::State changed;
        changed.expanded = changed.collapsed = true;
        SendCellEvent(this, QAccessibleStateChangeEvent(this, changed), nItem, 0);
    }
}

void CListCtrl::NotifyFocusedCell() {
    if (Listening() && hasFocus() && m_nFocusedItem != -1) {
        SendCellEvent(this, QAccessibleEvent(this, QAccessible::Focus), m_nFocusedItem,
                      FocusedColumn());
    }
}

// The selection is announced on the row's first cell, then the focus on the focused cell, so a
// screen reader speaks the row it lands on.
void CListCtrl::AnnounceSelectionAndFocus(int nOldSelected, int nOldFocused) {
    if (!Listening()) {
        return;
    }
    if (m_nSelectedItem != nOldSelected) {
        if (m_nSelectedItem != -1) {
            SendCellEvent(this, QAccessibleEvent(this, QAccessible::Selection), m_nSelectedItem, 0);
        } else if (IsRow(nOldSelected)) {
            SendCellEvent(this, QAccessibleEvent(this, QAccessible::SelectionRemove), nOldSelected,
                          0);
        }
    }
    if (m_nFocusedItem != nOldFocused) {
        NotifyFocusedCell();
    }
}

// Only insertions with more rows: RowsInserted from the first changed row; only deletions with
// fewer: RowsRemoved; anything else that changed the rows: ModelReset.
void CListCtrl::AnnounceRowChanges() {
    if (m_rowChanges.first == -1) {
        return;
    }
    const RowChanges changes = std::exchange(m_rowChanges, RowChanges{m_rowChanges.count});
    const int delta = GetItemCount() - changes.rowsBefore;
    using Change = QAccessibleTableModelChangeEvent;
    Change::ModelChangeType type = Change::ModelReset;
    if (delta > 0 && !changes.removed) {
        type = Change::RowsInserted;
    } else if (delta < 0 && !changes.inserted) {
        type = Change::RowsRemoved;
    } else if (delta == 0 && !(changes.inserted && changes.removed)) {
        return;  // nothing was inserted or deleted after all
    }
    if (!Listening()) {
        return;
    }
    Change event(this, type);
    if (type != Change::ModelReset) {
        event.setFirstRow(changes.first);
        event.setLastRow(changes.first + std::abs(delta) - 1);
    }
    Send(event);
}

// ---- the table ----

CListCtrlAccessible::CListCtrlAccessible(CListCtrl* list) : QAccessibleWidget(list) {}

CListCtrlAccessible::~CListCtrlAccessible() {
    for (const auto& [key, id] : m_cells) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

int CListCtrlAccessible::ChildIndex(const CListCtrl& list, int nRow, int nCol) {
    return ShownColumnCount(list) * (nRow + 1) + ShownIndex(list, nCol);
}

CListCellAccessible* CListCtrlAccessible::Cell(int nRow, int nCol) const {
    const CListCtrl* list = List();
    if (nRow < -1 || nRow >= list->GetItemCount() || nCol < 0 || nCol >= list->GetColumnCount() ||
        list->GetHeaderCtrl()->isSectionHidden(nCol)) {
        return nullptr;
    }
    const std::int64_t key = (std::int64_t{nRow + 1} << 32) | nCol;
    const auto it = m_cells.find(key);
    if (it != m_cells.end()) {
        auto* cell =
            static_cast<CListCellAccessible*>(QAccessible::accessibleInterface(it->second));
        if (cell != nullptr && cell->isValid()) {
            return cell;
        }
        QAccessible::deleteAccessibleInterface(it->second);  // its row is gone: a new one
    }
    auto* cell = new CListCellAccessible(const_cast<CListCtrlAccessible*>(this), nRow, nCol);
    m_cells[key] = QAccessible::registerAccessibleInterface(cell);
    return cell;
}

QAccessibleInterface* CListCtrlAccessible::cellAt(int row, int column) const {
    return Cell(row, ListColumn(*List(), column));
}

QAccessible::Role CListCtrlAccessible::role() const {
    return List()->ShowsTree() ? QAccessible::Tree : QAccessible::Table;
}

int CListCtrlAccessible::childCount() const {
    return ChildIndex(*List(), rowCount(), 0);
}

QAccessibleInterface* CListCtrlAccessible::child(int index) const {
    const int columns = columnCount();
    return index < 0 || columns == 0
               ? nullptr
               : Cell(index / columns - 1, ListColumn(*List(), index % columns));
}

int CListCtrlAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const CListCellAccessible*>(child);
    return cell != nullptr && cell->table() == this && cell->isValid()
               ? ChildIndex(*List(), cell->rowIndex(), cell->ListColumn())
               : -1;
}

QAccessibleInterface* CListCtrlAccessible::childAt(int x, int y) const {
    const CListCtrl* list = List();
    const QHeaderView* header = list->GetHeaderCtrl();
    const QPoint inHeader = header->mapFromGlobal(QPoint(x, y));
    if (header->rect().contains(inHeader)) {
        return Cell(-1, header->logicalIndexAt(inHeader));
    }
    LVHITTESTINFO hit;
    hit.pt = CPoint(list->viewport()->mapFromGlobal(QPoint(x, y)));
    return list->SubItemHitTest(&hit) != -1 ? Cell(hit.iItem, hit.iSubItem) : nullptr;
}

QAccessibleInterface* CListCtrlAccessible::focusChild() const {
    const CListCtrl* list = List();
    const int row = list->GetNextItem(-1, LVNI_FOCUSED);
    if (!list->hasFocus() || row == -1) {
        return QAccessibleWidget::focusChild();
    }
    return Cell(row, list->FocusedColumn());
}

void* CListCtrlAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                               : QAccessibleWidget::interface_cast(type);
}

int CListCtrlAccessible::selectedCellCount() const {
    return selectedRowCount() * columnCount();
}

QList<QAccessibleInterface*> CListCtrlAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (const int row : selectedRows()) {
        for (int col = 0; col < columnCount(); ++col) {
            cells.append(cellAt(row, col));
        }
    }
    return cells;
}

QString CListCtrlAccessible::columnDescription(int column) const {
    return Heading(*List(), ListColumn(*List(), column));
}

int CListCtrlAccessible::selectedRowCount() const {
    return static_cast<int>(selectedRows().size());
}

int CListCtrlAccessible::columnCount() const {
    return ShownColumnCount(*List());
}

int CListCtrlAccessible::rowCount() const {
    return List()->GetItemCount();
}

QList<int> CListCtrlAccessible::selectedRows() const {
    const int row = List()->GetNextItem(-1, LVNI_SELECTED);
    return row == -1 ? QList<int>() : QList<int>{row};
}

bool CListCtrlAccessible::isRowSelected(int row) const {
    return row != -1 && List()->GetNextItem(-1, LVNI_SELECTED) == row;
}

bool CListCtrlAccessible::selectRow(int row) {
    constexpr UINT kBoth = LVIS_SELECTED | LVIS_FOCUSED;
    return List()->SetItemState(row, kBoth, kBoth) && List()->EnsureVisible(row, FALSE);
}

bool CListCtrlAccessible::unselectRow(int row) {
    return List()->SetItemState(row, 0, LVIS_SELECTED);
}

// ---- the cells ----

CListCellAccessible::CListCellAccessible(CListCtrlAccessible* table, int nRow, int nCol)
    : m_table(table),
      m_nRow(nRow),
      m_nCol(nCol),
      m_nRowChanges(List()->GetRowChanges()),
      m_rowData(List()->GetItemData(nRow)) {}

bool CListCellAccessible::isValid() const {
    const CListCtrl* list = List();
    if (m_nCol >= list->GetColumnCount() || list->GetHeaderCtrl()->isSectionHidden(m_nCol) ||
        m_nRow >= list->GetItemCount()) {
        return false;
    }
    return m_nRow == -1 || m_nRowChanges == list->GetRowChanges() ||
           (m_rowData != 0 && list->GetItemData(m_nRow) == m_rowData);
}

int CListCellAccessible::Depth() const {
    LVITEM item;
    item.mask = LVIF_INDENT;
    item.iItem = m_nRow;
    return isValid() && List()->GetItem(&item) ? item.iIndent : 0;
}

QWindow* CListCellAccessible::window() const {
    return m_table->window();
}

QString CListCellAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !isValid()) {
        return QString();
    }
    return m_nRow == -1 ? Heading(*List(), m_nCol) : List()->GetItemText(m_nRow, m_nCol);
}

QRect CListCellAccessible::rect() const {
    const CListCtrl* list = List();
    if (!isValid()) {
        return QRect();
    }
    if (m_nRow == -1) {
        const QHeaderView* header = list->GetHeaderCtrl();
        const QRect section(header->sectionViewportPosition(m_nCol), 0, header->sectionSize(m_nCol),
                            header->height());
        return section.translated(header->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    CRect cell;
    list->GetSubItemRect(m_nRow, m_nCol, LVIR_BOUNDS, cell);
    if (m_nCol == 0) {
        cell.right = cell.left + list->GetColumnWidth(0);  // not the whole row
    }
    return cell.ToQRect().translated(list->viewport()->mapToGlobal(QPoint(0, 0)));
}

QAccessible::Role CListCellAccessible::role() const {
    if (m_nRow == -1) {
        return QAccessible::ColumnHeader;
    }
    return List()->ShowsTree() ? QAccessible::TreeItem : QAccessible::Cell;
}

QAccessible::State CListCellAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    if (m_nRow == -1) {
        return state;
    }
    const CListCtrl* list = List();
    state.selectable = state.focusable = true;
    state.selected = isSelected();
    state.focused = list->hasFocus() && list->GetNextItem(-1, LVNI_FOCUSED) == m_nRow &&
                    list->FocusedColumn() == m_nCol;
    const int expand = list->RowExpandState(m_nRow);
    state.expandable = expand != -1;
    state.expanded = expand == 1;
    state.collapsed = expand == 0;
    const int top = list->GetTopIndex();
    state.offscreen = m_nRow < top || m_nRow > top + list->GetCountPerPage();
    return state;
}

void* CListCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableCellInterface && m_nRow != -1
               ? static_cast<QAccessibleTableCellInterface*>(this)
               : nullptr;
}

bool CListCellAccessible::isSelected() const {
    return m_nRow != -1 && isValid() && m_table->isRowSelected(m_nRow);
}

QList<QAccessibleInterface*> CListCellAccessible::columnHeaderCells() const {
    CListCellAccessible* header = m_table->Cell(-1, m_nCol);
    return header != nullptr ? QList<QAccessibleInterface*>{header}
                             : QList<QAccessibleInterface*>();
}

int CListCellAccessible::columnIndex() const {
    return ShownIndex(*List(), m_nCol);
}
