// The grid header's right-click menu: "Reset Columns" gives every column its described width.

#include "app/commandids.h"
#include "app/mainframe.h"

#include <QHeaderView>
#include <QMenu>

void CMainFrame::BuildColumnsMenu() {
    QHeaderView* header = m_pView->Grid().GetHeaderCtrl();
    MakeAction(ID_RESET_COLUMNS, tr("Reset Columns"));
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QHeaderView::customContextMenuRequested, this,
            [this, header](const QPoint& pos) {
                QMenu menu(this);
                menu.addAction(Action(ID_RESET_COLUMNS));
                menu.exec(header->mapToGlobal(pos));
            });
}

bool CMainFrame::OnColumnsCommand(int id) {
    if (id != ID_RESET_COLUMNS) {
        return false;
    }
    m_pView->Grid().ResetColumnWidths();
    return true;
}
