// SPDX-License-Identifier: GPL-3.0-or-later
// The filter bar of the main window: its View menu items, the count pane and its settings.

#include "app/commandids.h"
#include "app/filterbar.h"
#include "app/mainframe.h"

#include <QMenu>
#include <QTimer>

void CMainFrame::BuildFilterBar(QMenu* view) {
    CServerGrid& grid = m_pView->Grid();
    m_pFilterBar->Load();
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, m_pFilterBar);

    QAction* shown = MakeAction(ID_VIEW_FILTER_BAR, tr("&Filter Bar"));
    shown->setCheckable(true);
    shown->setChecked(!m_pFilterBar->isHidden());
    connect(m_pFilterBar->toggleViewAction(), &QAction::toggled, shown, &QAction::setChecked);
    view->addAction(shown);
    QAction* find = MakeAction(ID_VIEW_FIND_SERVER, tr("F&ind Server"));
    find->setShortcut(QKeySequence::Find);
    view->addAction(find);

    // The count pane: "N of M servers shown" while a filter is active, recounted at most four
    // times a second however fast rows are filed.
    auto* recount = new QTimer(this);
    recount->setSingleShot(true);
    recount->setInterval(250);
    connect(recount, &QTimer::timeout, this, &CMainFrame::ShowFilterCount);
    connect(&grid, &CServerGrid::serverRowsChanged, recount, [recount] {
        if (!recount->isActive()) {
            recount->start();
        }
    });
    connect(m_pFilterBar, &CFilterBar::filterChanged, this, [this, &grid](const ServerFilter& f) {
        grid.SetFilter(f);
        m_pFilterBar->Save();
        ShowFilterCount();
    });
    connect(m_pFilterBar, &CFilterBar::leaveRequested, &grid, [&grid] { grid.setFocus(); });
    grid.SetFilter(m_pFilterBar->Filter());
    ShowFilterCount();
}

void CMainFrame::ShowFilterCount() {
    const CServerGrid& grid = m_pView->Grid();
    const bool active = grid.GetFilter().IsActive();
    int shown = 0;
    int all = 0;
    if (active) {
        grid.CountServerRows(shown, all);
    }
    m_pStatusBar->SetPaneText(
        kShownPane, active ? tr("%1 of %2 servers shown").arg(shown).arg(all) : QString());
}

bool CMainFrame::OnFilterCommand(int id) {
    switch (id) {
        case ID_VIEW_FILTER_BAR:
            m_pFilterBar->setHidden(!m_pFilterBar->isHidden());
            Action(id)->setChecked(!m_pFilterBar->isHidden());
            m_pFilterBar->Save();
            return true;
        case ID_VIEW_FIND_SERVER:
            m_pFilterBar->FocusSearch();
            m_pFilterBar->Save();
            return true;
        default:
            return false;
    }
}
