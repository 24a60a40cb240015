#pragma once

#include "app/browserdoc.h"
#include "app/browserrefreshhost.h"
#include "app/browserview.h"
#include "platform/qt/statusbar.h"

#include <QHash>
#include <QMainWindow>
#include <QToolBar>

class CFilterBar;
class QAction;
class QLabel;
class QMenu;
class QPrinter;

// The main window: menu, a movable flat toolbar ("New Full List", a gap, "About"), the view with
// the server grid, and the status bar (message pane and the CAP, NUM, SCRL indicators). The
// "Servers" menu adds the selected server to the favourites or removes it (Ctrl+D), greyed for
// any other row; the favourites are loaded from the settings with the window (a line in the
// status bar tells what was dropped) and saved at each change.
// Commands keep their numeric ids: menus, toolbar and keys all go through SendCommand, which
// offers an id to the view first, then to the frame, then to the application's handlers.
// A close request that comes while a refresh runs stops it (no query starts after it, those in
// flight end within their 2-second time-out) and is carried out when it has ended.
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
    bool OnFrameCommand(int id);
    bool OnAppCommand(int id);
    void OnRefreshEnded();

    // Child windows, owned by the frame as their Qt parent.
    CStatusBar* m_pStatusBar;
    QToolBar* m_pToolBar;
    CBrowserView* m_pView;
    CFilterBar* m_pFilterBar;
    QLabel* m_pFilterCount = nullptr;
    QMenu* m_pViewMenu = nullptr;
    CBrowserDoc m_document;
    CBrowserRefreshHost m_refreshHost;
    QPrinter* m_pPrinter;
    QHash<int, QAction*> m_actions;
    bool m_bCloseRequested = false;
};
