// SPDX-License-Identifier: GPL-3.0-or-later
// The grid header's right-click menu: each column to show or hide (Server and Ip:Port always
// shown, their items checked and disabled), then "Reset Columns", the described layout.

#include "app/commandids.h"
#include "app/mainframe.h"

#include <QHeaderView>
#include <QMenu>

namespace {

// Names for the columns whose heading is blank: the tree, the padlock and the server box.
QString UntitledColumnName(int col) {
    switch (col) {
        case 0:
            return CMainFrame::tr("Group");
        case 6:
            return CMainFrame::tr("Private");
        case 7:
            return CMainFrame::tr("Dedicated");
        default:
            return QString();
    }
}

}  // namespace

void CMainFrame::BuildColumnsMenu() {
    CServerGrid& grid = m_pView->Grid();
    QHeaderView* header = grid.GetHeaderCtrl();
    QList<QAction*> items;
    for (int col = 0;
         col < grid.GetColumnCount() && col <= ID_SHOW_COLUMN_LAST - ID_SHOW_COLUMN_FIRST; ++col) {
        LVCOLUMN column;
        grid.GetColumn(col, &column);
        QAction* item =
            MakeAction(ID_SHOW_COLUMN_FIRST + col,
                       column.pszText.isEmpty() ? UntitledColumnName(col) : column.pszText);
        item->setCheckable(true);
        item->setEnabled(CServerGrid::CanHideColumn(col));
        items << item;
    }
    MakeAction(ID_RESET_COLUMNS, tr("Reset Columns"));
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QHeaderView::customContextMenuRequested, this,
            [this, header, items, &grid](const QPoint& pos) {
                QMenu menu(this);
                for (int col = 0; col < items.size(); ++col) {
                    items[col]->setChecked(grid.IsColumnShown(col));
                    menu.addAction(items[col]);
                }
                menu.addSeparator();
                menu.addAction(Action(ID_RESET_COLUMNS));
                menu.exec(header->mapToGlobal(pos));
            });
}

bool CMainFrame::OnColumnsCommand(int id) {
    CServerGrid& grid = m_pView->Grid();
    if (id == ID_RESET_COLUMNS) {
        grid.ResetColumnWidths();
        return true;
    }
    if (id < ID_SHOW_COLUMN_FIRST || id > ID_SHOW_COLUMN_LAST) {
        return false;
    }
    const int col = id - ID_SHOW_COLUMN_FIRST;
    grid.ShowColumn(col, !grid.IsColumnShown(col));
    if (QAction* item = Action(id)) {
        item->setChecked(grid.IsColumnShown(col));
    }
    return true;
}
