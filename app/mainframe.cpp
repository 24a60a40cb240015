// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainframe.h"

#include "app/aboutdlg.h"
#include "app/appicons.h"
#include "app/commandids.h"
#include "app/favouritesettings.h"
#include "app/filterbar.h"
#include "app/gamesettingsdlg.h"
#include "app/sortmenu.h"
#include "app/stringtable.h"
#include "net/refreshstop.h"
#include "platform/qt/ctrlid.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPixmap>

namespace {

// The message pane, the answered and shown count panes (as wide as their texts), the indicators.
constexpr int kIndicators[] = {ID_SEPARATOR,      ID_SEPARATOR,     ID_SEPARATOR,
                               ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
}  // namespace

CMainFrame::CMainFrame(QPrinter* printer)
    : m_pStatusBar(new CStatusBar(this)),
      m_pToolBar(new QToolBar(this)),
      m_pView(new CBrowserView(printer, this)),
      m_pFilterBar(new CFilterBar(this)),
      m_refreshHost(&m_pView->Grid()),
      m_pPrinter(printer) {
    setWindowIcon(ProgramIcon());
    connect(m_pView, &CBrowserView::refreshEnded, this, &CMainFrame::OnRefreshEnded);
}

bool CMainFrame::OnCreate() {
    if (!BuildToolBar()) {
        return false;
    }
    BuildMenu();
    BuildStatusBar();
    setCentralWidget(m_pView);
    m_pView->SetRefreshHost(&m_refreshHost);
    if (!m_document.OnNewDocument() || !m_pView->OnCreate()) {
        return false;
    }
    CServerGrid& grid = m_pView->Grid();
    const QString dropped = m_favouriteSettings.Load(grid.Favourites());
    if (!dropped.isEmpty()) {
        m_pStatusBar->SetPaneText(0, dropped);
    }
    connect(&grid, &CServerGrid::favouritesChanged, this, [this, &grid] {
        const QString failed = m_favouriteSettings.Save(grid.Favourites());
        if (!failed.isEmpty()) {
            m_pStatusBar->SetPaneText(0, failed);
        }
    });
    BuildFilterBar(m_pViewMenu);
    BuildColumnsMenu();
    new CSortMenu(&grid, m_pViewMenu, this);
    BuildDetailsPane(m_pViewMenu);
    return true;
}

QAction* CMainFrame::MakeAction(int id, const QString& text) {
    auto* action = new QAction(text, this);
    action->setStatusTip(CommandPrompt(id));
    action->setToolTip(CommandToolTip(id).isEmpty() ? text : CommandToolTip(id));
    connect(action, &QAction::triggered, this, [this, id] { SendCommand(id); });
    m_actions.insert(id, action);
    return action;
}

void CMainFrame::BuildMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* print = MakeAction(ID_FILE_PRINT, tr("&Print..."));
    print->setShortcut(QKeySequence("Ctrl+P"));
    file->addAction(print);
    file->addAction(MakeAction(ID_FILE_PRINT_PREVIEW, tr("Print Pre&view")));
    file->addAction(MakeAction(ID_FILE_PRINT_SETUP, tr("P&rint Setup...")));
    file->addSeparator();
    file->addAction(MakeAction(ID_GAME_SETTINGS, tr("&Game Settings...")));
    file->addSeparator();
    QAction* exit = MakeAction(ID_APP_EXIT, tr("E&xit"));
    // The desktop's quit keys (Ctrl+Q on Linux desktops); Ctrl+Q too where the platform names
    // none, as the offscreen one does.
    const QList<QKeySequence> quit = QKeySequence::keyBindings(QKeySequence::Quit);
    exit->setShortcuts(quit.isEmpty() ? QList<QKeySequence>{QKeySequence("Ctrl+Q")} : quit);
    file->addAction(exit);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    QAction* toolBar = MakeAction(ID_VIEW_TOOLBAR, tr("&Toolbar"));
    toolBar->setCheckable(true);
    toolBar->setChecked(true);
    // The bar can also be hidden from the window's right-click menu: the check mark follows it.
    connect(m_pToolBar->toggleViewAction(), &QAction::toggled, toolBar, &QAction::setChecked);
    view->addAction(toolBar);
    QAction* statusBar = MakeAction(ID_VIEW_STATUS_BAR, tr("&Status Bar"));
    statusBar->setCheckable(true);
    statusBar->setChecked(true);
    view->addAction(statusBar);
    m_pViewMenu = view;  // the filter bar's items follow once the grid exists

    BuildServersMenu();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(Action(ID_APP_ABOUT));
}

bool CMainFrame::BuildToolBar() {
    m_pToolBar->setObjectName("toolbar");
    // The title names the bar in the window's own right-click menu.
    m_pToolBar->setWindowTitle(tr("Toolbar"));
    SetDlgCtrlID(m_pToolBar, AFX_IDW_TOOLBAR);
    m_pToolBar->setMovable(true);
    m_pToolBar->setFloatable(false);
    m_pToolBar->setIconSize(QSize(kToolButtonWidth, kToolButtonHeight));
    m_pToolBar->setContentsMargins(0, 0, 0, 0);
    QAction* refresh = MakeAction(ID_NEW_FULL_LIST, tr("New Full List"));
    refresh->setIcon(ToolBarIcon(0));
    refresh->setShortcut(QKeySequence(Qt::Key_F5));
    QAction* about = MakeAction(ID_APP_ABOUT, tr("&About ..."));
    about->setIcon(ToolBarIcon(1));
    QAction* quickJoin = MakeAction(ID_QUICK_JOIN, tr("Quic&k Join"));
    quickJoin->setIcon(ToolBarIcon(2));
    quickJoin->setShortcut(QKeySequence("Ctrl+J"));
    if (refresh->icon().isNull() || about->icon().isNull() || quickJoin->icon().isNull()) {
        return false;
    }
    m_pToolBar->addAction(refresh);
    m_pToolBar->addSeparator();
    m_pToolBar->addAction(about);
    m_pToolBar->addSeparator();  // the described buttons first, what came later after a gap
    m_pToolBar->addAction(quickJoin);
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
    return true;
}

void CMainFrame::BuildStatusBar() {
    SetDlgCtrlID(m_pStatusBar, AFX_IDW_STATUS_BAR);
    m_pStatusBar->SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators)),
                                LoadResourceString);
    // The bar's own idle text is English; the table's is in the user's language.
    m_pStatusBar->SetPaneText(0, LoadResourceString(AFX_IDS_IDLEMESSAGE));
    setStatusBar(m_pStatusBar);
}

bool CMainFrame::SendCommand(int id) {
    return m_pView->OnCommand(id) || OnFrameCommand(id) || OnFilterCommand(id) ||
           OnColumnsCommand(id) || OnDetailsCommand(id) || OnRecentCommand(id) ||
           OnSlotWaitCommand(id) || OnAppCommand(id);
}

bool CMainFrame::OnFrameCommand(int id) {
    switch (id) {
        case ID_VIEW_TOOLBAR:
            m_pToolBar->setHidden(!m_pToolBar->isHidden());
            Action(id)->setChecked(!m_pToolBar->isHidden());
            return true;
        case ID_VIEW_STATUS_BAR:
            m_pStatusBar->setHidden(!m_pStatusBar->isHidden());
            Action(id)->setChecked(!m_pStatusBar->isHidden());
            return true;
        case ID_APP_EXIT:
            close();
            return true;
        default:
            return false;
    }
}

bool CMainFrame::OnAppCommand(int id) {
    switch (id) {
        case ID_APP_ABOUT: {
            CAboutDlg about(this);
            about.exec();
            return true;
        }
        case ID_FILE_PRINT_SETUP: {
            QPageSetupDialog setup(m_pPrinter, this);
            setup.exec();
            return true;
        }
        case ID_GAME_SETTINGS:
            CGameSettingsDlg::Run(this);
            return true;
        default:
            return false;
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_pView->IsRefreshing()) {
        // The refresh still uses the grid, its query thread and the progress bar: it is told to
        // stop (no new query; those in flight end within their time-out) and the close follows.
        m_bCloseRequested = true;
        g_refreshStop.Set();
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::OnRefreshEnded() {
    ShowAnsweredCount();
    if (m_bCloseRequested) {
        m_bCloseRequested = false;
        close();
    }
}
