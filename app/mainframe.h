// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/browserdoc.h"
#include "app/browserrefreshhost.h"
#include "app/browserview.h"
#include "app/favouritesettings.h"
#include "platform/qt/statusbar.h"

#include <QHash>
#include <QMainWindow>
#include <QToolBar>

class CFilterBar;
class CServerDetailsPane;
class QAbstractButton;
class QAction;
class QMenu;
class QPrinter;

// The main window: menu, a movable flat toolbar ("New Full List", a gap, "About"), the view with
// the server grid, and the status bar (message pane, two count panes, the CAP, NUM, SCRL
// indicators). The "Servers" menu refreshes the list again (Ctrl+R, greyed while a refresh runs)
// and acts on the selected server: join (Ctrl+Return), query again, copy its address (Ctrl+C) or
// join link, add it to the favourites or remove it (Ctrl+D), forget its remembered password;
// those are greyed for any other row, and the grid's context menu offers them too (on a group
// row: expand all, collapse). Quick Join, Recently Played and Cancel Waiting follow. When a
// refresh ends a pane tells "A of L answered". The favourites are loaded from the settings with
// the window (a line in the status bar tells what was dropped) and each change is saved
// (CFavouriteSettings; a line in the status bar tells when the write failed). A right-click on
// the grid's header offers each column to show or hide and "Reset Columns".
//
// Commands keep their numeric ids: menus, toolbar and keys all go through SendCommand, which
// offers an id to the view first, then to the frame, then to the application's handlers.
// A close request that comes while a refresh runs stops it (no query starts after it, those in
// flight end within their time-out: 2 s as described, 1 s at the Fast query speed) and is
// carried out when it has ended.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // printer: the application's printer, which Print Setup edits and printing uses; it
    // outlives the frame.
    explicit CMainFrame(QPrinter* printer);

    // Builds the bars, the view and its grid; false when any of them cannot be made.
    bool OnCreate();
    // Adds the "Demo" menu, which sends the grid's demonstration commands (mainframe_demo.cpp).
    void AddDemoMenu();
    // Runs the command with the id; false when nothing handles it.
    bool SendCommand(int id);

    // The status bar's panes after the message pane: "A of L answered" once a refresh has
    // ended, "N of M servers shown" while a filter is active (each empty otherwise).
    static constexpr int kAnsweredPane = 1;
    static constexpr int kShownPane = 2;

    CBrowserView& View() { return *m_pView; }
    CStatusBar& StatusBar() { return *m_pStatusBar; }
    QToolBar& ToolBar() { return *m_pToolBar; }
    CFilterBar& FilterBar() { return *m_pFilterBar; }
    // The action that sends the id (menu item or toolbar button); null when there is none.
    QAction* Action(int id) const { return m_actions.value(id); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* MakeAction(int id, const QString& text);
    void BuildMenu();
    bool BuildToolBar();
    void BuildStatusBar();
    // The filter bar under the toolbar, its View menu items, the count pane (mainframe_filter.cpp).
    void BuildFilterBar(QMenu* view);
    void ShowFilterCount();
    bool OnFilterCommand(int id);
    // The grid header's right-click menu and its commands (mainframe_columns.cpp).
    void BuildColumnsMenu();
    bool OnColumnsCommand(int id);
    // The Servers menu, the grid's context menu and the answered pane (mainframe_servers.cpp).
    void BuildServersMenu();
    // Enables the items that need a server row, and names the favourite toggle, for the
    // selected row.
    void UpdateServerActions();
    void EnableServerActions(bool bEnable);
    void AddServerRowCommands(QMenu* menu) const;
    void ShowGridContextMenu(const QPoint& globalPos);
    void ShowAnsweredCount();
    bool OnFrameCommand(int id);
    bool OnAppCommand(int id);
    void OnRefreshEnded();

    // Child windows, owned by the frame as their Qt parent.
    CStatusBar* m_pStatusBar;
    QToolBar* m_pToolBar;
    CBrowserView* m_pView;
    CFilterBar* m_pFilterBar;
    QMenu* m_pViewMenu = nullptr;
    CBrowserDoc m_document;
    CFavouriteSettings m_favouriteSettings;
    CBrowserRefreshHost m_refreshHost;
    QPrinter* m_pPrinter;
    QHash<int, QAction*> m_actions;
    bool m_bCloseRequested = false;

public:
    // ---- The details pane (mainframe_details.cpp). ----

    CServerDetailsPane& DetailsPane() { return *m_pDetailsPane; }
    // Docks the pane at the bottom, hidden, as on a first start.
    void ResetDetailsPane();

private:
    // View > "Server Details" (F9) and the pane it shows or hides.
    void BuildDetailsPane(QMenu* view);
    bool OnDetailsCommand(int id);
    CServerDetailsPane* m_pDetailsPane = nullptr;

    // ---- Recently played servers (mainframe_recent.cpp). ----

    // Servers > "Rejoin Last Server" (Ctrl+Shift+Return) and the "Recently Played" submenu: the
    // last servers joined (LoadRecentServers, read when the submenu opens), each joined as a join
    // link is, asking first; then "Clear History".
    void BuildRecentMenu(QMenu* servers);
    void UpdateRecentMenu();
    bool OnRecentCommand(int id);
    QMenu* m_pRecentMenu = nullptr;

    // ---- Waiting for a free slot (mainframe_slotwait.cpp). ----
public:
    // The status bar's Cancel button, shown while a wait for a slot runs.
    QAbstractButton& SlotWaitCancelButton() { return *m_pSlotWaitCancel; }

private:
    // Servers > "Cancel Waiting" and the status bar's Cancel button, enabled and shown while the
    // view waits for a slot; pane 0 shows the wait's status text (CBrowserView::slotWaitChanged).
    void BuildSlotWaitItems(QMenu* servers);
    bool OnSlotWaitCommand(int id);
    QAbstractButton* m_pSlotWaitCancel = nullptr;
};
