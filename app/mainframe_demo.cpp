// SPDX-License-Identifier: GPL-3.0-or-later
// The "Demo" menu of korvath-browser --demo: one item for each of the grid's demonstration
// commands, which nothing else sends.

#include "app/commandids.h"
#include "app/mainframe.h"

#include <QAction>
#include <QMenuBar>

namespace {

struct DemoItem {
    int id;  // 0: a separator
    const char* text;
};

const DemoItem kDemoItems[] = {
    {ID_DEMO_GRID_DIALOG, QT_TRANSLATE_NOOP("CMainFrame", "Grid &Dialog...")},
    {ID_DEMO_INSERT_ITEMS, QT_TRANSLATE_NOOP("CMainFrame", "&Insert Sample Items...")},
    {ID_DEMO_FIND, QT_TRANSLATE_NOOP("CMainFrame", "&Find and Delete...")},
    {0, nullptr},
    {ID_DEMO_KEY_DELETE, QT_TRANSLATE_NOOP("CMainFrame", "Send De&lete Key")},
    {ID_DEMO_KEY_EXPAND, QT_TRANSLATE_NOOP("CMainFrame", "Send Keypad &Plus (Expand)")},
    {ID_DEMO_KEY_COLLAPSE, QT_TRANSLATE_NOOP("CMainFrame", "Send Keypad &Minus (Collapse)")},
    {ID_DEMO_KEY_EXPAND_ALL, QT_TRANSLATE_NOOP("CMainFrame", "Send Keypad &Asterisk (Expand All)")},
    {0, nullptr},
    {ID_DEMO_TOGGLE_DRAG, QT_TRANSLATE_NOOP("CMainFrame", "Allow D&ragging")},
    {0, nullptr},
    {ID_DEMO_IDLE_32780, QT_TRANSLATE_NOOP("CMainFrame", "Command 32780 (does nothing)")},
    {ID_DEMO_IDLE_32783, QT_TRANSLATE_NOOP("CMainFrame", "Command 32783 (does nothing)")},
    {ID_DEMO_IDLE_32784, QT_TRANSLATE_NOOP("CMainFrame", "Command 32784 (does nothing)")},
    {ID_DEMO_SET_IMAGE, QT_TRANSLATE_NOOP("CMainFrame", "Set New Image (does nothing)")},
    {0, nullptr},
    {ID_FILE_PRINT_DIRECT, QT_TRANSLATE_NOOP("CMainFrame", "Print Directly")},
};

}  // namespace

void CMainFrame::AddDemoMenu() {
    QMenu* demo = new QMenu(tr("&Demo"), this);
    menuBar()->insertMenu(menuBar()->actions().last(), demo);  // before Help
    for (const DemoItem& item : kDemoItems) {
        if (item.id == 0) {
            demo->addSeparator();
        } else {
            demo->addAction(MakeAction(item.id, tr(item.text)));
        }
    }
    QAction* toggle = Action(ID_DEMO_TOGGLE_DRAG);
    toggle->setCheckable(true);
    m_pView->OnUpdateToggleDrag(toggle);
    connect(demo, &QMenu::aboutToShow, this,
            [this, toggle] { m_pView->OnUpdateToggleDrag(toggle); });
}
