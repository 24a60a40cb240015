// SPDX-License-Identifier: GPL-3.0-or-later
// The Servers menu of the main window, the grid's context menu and the pane that tells what the
// last refresh found.

#include "app/commandids.h"
#include "app/mainframe.h"
#include "app/passwordstore.h"
#include "serverlist/quickjoin.h"

#include <QMenu>
#include <QMenuBar>

namespace {

constexpr char kAddFavouriteText[] = QT_TRANSLATE_NOOP("CMainFrame", "Add to &Favourites");
constexpr char kRemoveFavouriteText[] = QT_TRANSLATE_NOOP("CMainFrame", "Remove from &Favourites");

// The commands on a server row, in menu order; 0 is a separator.
constexpr int kServerRowCommands[] = {
    ID_JOIN_SERVER,      ID_QUERY_AGAIN,    ID_EDIT_COPY, ID_COPY_JOIN_LINK, 0,
    ID_FAVOURITE_TOGGLE, ID_FORGET_PASSWORD};

}  // namespace

void CMainFrame::BuildServersMenu() {
    QMenu* servers = menuBar()->addMenu(tr("&Servers"));
    QAction* refresh = MakeAction(ID_REFRESH_LIST, tr("&Refresh List"));
    refresh->setShortcut(QKeySequence("Ctrl+R"));
    servers->addAction(refresh);
    QAction* queryShown = MakeAction(ID_QUERY_SHOWN, tr("Query &Shown Servers"));
    queryShown->setShortcut(QKeySequence(Qt::Key_F6));
    servers->addAction(queryShown);
    servers->addSeparator();
    const std::pair<int, const char*> items[] = {
        {ID_JOIN_SERVER, QT_TR_NOOP("&Join")},
        {ID_QUERY_AGAIN, QT_TR_NOOP("&Query Again")},
        {ID_EDIT_COPY, QT_TR_NOOP("&Copy Address")},
        {ID_COPY_JOIN_LINK, QT_TR_NOOP("Copy Join &Link")},
        {ID_FAVOURITE_TOGGLE, kAddFavouriteText},
        {ID_FORGET_PASSWORD, QT_TR_NOOP("F&orget Password")}};
    for (const auto& [id, text] : items) {
        MakeAction(id, tr(text));
    }
    Action(ID_JOIN_SERVER)->setShortcut(QKeySequence("Ctrl+Return"));
    Action(ID_EDIT_COPY)->setShortcut(QKeySequence::Copy);
    Action(ID_FAVOURITE_TOGGLE)->setShortcut(QKeySequence("Ctrl+D"));
    servers->addAction(Action(ID_QUICK_JOIN));
    AddServerRowCommands(servers);
    BuildRecentMenu(servers);
    BuildSlotWaitItems(servers);
    MakeAction(ID_GROUP_EXPAND_ALL, tr("E&xpand All"));
    MakeAction(ID_GROUP_COLLAPSE, tr("&Collapse"));

    // The shortcuts work whatever the menu last showed: the view checks the row itself.
    connect(servers, &QMenu::aboutToShow, this, &CMainFrame::UpdateServerActions);
    connect(servers, &QMenu::aboutToHide, this, [this] { EnableServerActions(true); });
    for (QAction* action : {refresh, queryShown}) {
        connect(m_pView, &CBrowserView::refreshStarted, action,
                [action] { action->setEnabled(false); });
        connect(m_pView, &CBrowserView::refreshEnded, action,
                [action] { action->setEnabled(true); });
    }
    connect(&m_pView->Grid(), &CServerGrid::contextMenuRequested, this,
            &CMainFrame::ShowGridContextMenu);

    // Quick Join: greyed while a refresh runs (which may free rows) and while no server row is
    // there; it tells in the status bar when it joined nothing.
    const auto updateQuickJoin = [this] {
        Action(ID_QUICK_JOIN)
            ->setEnabled(!m_pView->IsRefreshing() && HasServerRows(m_pView->Grid()));
    };
    connect(m_pView, &CBrowserView::refreshStarted, this, updateQuickJoin);
    connect(m_pView, &CBrowserView::refreshEnded, this, updateQuickJoin);
    connect(&m_pView->Grid(), &CServerGrid::serverRowsChanged, this, updateQuickJoin);
    connect(m_pView, &CBrowserView::quickJoinFailed, this,
            [this](const QString& why) { m_pStatusBar->SetPaneText(0, why); });
    updateQuickJoin();
}

void CMainFrame::EnableServerActions(bool bEnable) {
    for (const int id : kServerRowCommands) {
        if (id != 0) {
            Action(id)->setEnabled(bEnable);
        }
    }
}

void CMainFrame::AddServerRowCommands(QMenu* menu) const {
    for (const int id : kServerRowCommands) {
        if (id != 0) {
            menu->addAction(Action(id));
        } else {
            menu->addSeparator();
        }
    }
}

void CMainFrame::UpdateServerActions() {
    const CServerGrid& grid = m_pView->Grid();
    EnableServerActions(grid.SelectedServerNode() != nullptr);
    const CServerGrid::FavouriteToggle toggle = grid.SelectedFavouriteToggle();
    QAction* favourite = Action(ID_FAVOURITE_TOGGLE);
    favourite->setText(tr(toggle == CServerGrid::FavouriteToggle::Remove ? kRemoveFavouriteText
                                                                         : kAddFavouriteText));
    favourite->setEnabled(toggle != CServerGrid::FavouriteToggle::None);
    Action(ID_FORGET_PASSWORD)
        ->setEnabled(RememberedPasswordAddresses().contains(grid.SelectedServerAddress()));
}

void CMainFrame::ShowGridContextMenu(const QPoint& globalPos) {
    UpdateServerActions();
    QMenu menu(this);
    if (m_pView->Grid().SelectedServerNode() != nullptr) {
        AddServerRowCommands(&menu);
    } else {
        menu.addAction(Action(ID_GROUP_EXPAND_ALL));
        menu.addAction(Action(ID_GROUP_COLLAPSE));
    }
    menu.exec(globalPos);
    EnableServerActions(true);
}

void CMainFrame::ShowAnsweredCount() {
    const ServerGridRefreshHost::Tally tally = m_refreshHost.TakeTally();
    if (m_pView->LastRefreshOutcome() == RefreshOutcome::NotRun) {
        return;
    }
    m_pStatusBar->SetPaneText(kAnsweredPane,
                              tr("%1 of %2 answered").arg(tally.answered).arg(tally.filed));
}
