// SPDX-License-Identifier: GPL-3.0-or-later
// View > "Server Details" of the main window: the dock that tells the selected server.

#include "app/commandids.h"
#include "app/mainframe.h"
#include "app/serverdetailspane.h"

#include <QMenu>

void CMainFrame::BuildDetailsPane(QMenu* view) {
    m_pDetailsPane = new CServerDetailsPane(&m_pView->Grid(), this);
    QAction* shown = MakeAction(ID_VIEW_SERVER_DETAILS, tr("Server &Details"));
    shown->setShortcut(QKeySequence(Qt::Key_F9));
    shown->setCheckable(true);
    // The pane's own close button and the window's right-click menu hide it too.
    connect(m_pDetailsPane->toggleViewAction(), &QAction::toggled, shown, &QAction::setChecked);
    view->addAction(shown);
    ResetDetailsPane();
}

void CMainFrame::ResetDetailsPane() {
    m_pDetailsPane->setFloating(false);
    addDockWidget(Qt::BottomDockWidgetArea, m_pDetailsPane);
    m_pDetailsPane->hide();
    Action(ID_VIEW_SERVER_DETAILS)->setChecked(false);
}

bool CMainFrame::OnDetailsCommand(int id) {
    if (id != ID_VIEW_SERVER_DETAILS) {
        return false;
    }
    m_pDetailsPane->setVisible(m_pDetailsPane->isHidden());
    Action(id)->setChecked(!m_pDetailsPane->isHidden());
    return true;
}
