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
    {ID_DEMO_GRID_DIALOG, "Grid &Dialog..."},
    {ID_DEMO_INSERT_ITEMS, "&Insert Sample Items..."},
    {ID_DEMO_FIND, "&Find and Delete..."},
    {0, nullptr},
    {ID_DEMO_KEY_DELETE, "Send De&lete Key"},
    {ID_DEMO_KEY_EXPAND, "Send Keypad &Plus (Expand)"},
    {ID_DEMO_KEY_COLLAPSE, "Send Keypad &Minus (Collapse)"},
    {ID_DEMO_KEY_EXPAND_ALL, "Send Keypad &Asterisk (Expand All)"},
    {0, nullptr},
    {ID_DEMO_TOGGLE_DRAG, "Allow D&ragging"},
    {0, nullptr},
    {ID_DEMO_IDLE_32780, "Command 32780 (does nothing)"},
    {ID_DEMO_IDLE_32783, "Command 32783 (does nothing)"},
    {ID_DEMO_IDLE_32784, "Command 32784 (does nothing)"},
    {ID_DEMO_SET_IMAGE, "Set New Image (does nothing)"},
    {0, nullptr},
    {ID_FILE_PRINT_DIRECT, "Print Directly"},
};

}  // namespace

void CMainFrame::AddDemoMenu() {
    QMenu* demo = new QMenu("&Demo", this);
    menuBar()->insertMenu(menuBar()->actions().last(), demo);  // before Help
    for (const DemoItem& item : kDemoItems) {
        if (item.id == 0) {
            demo->addSeparator();
        } else {
            demo->addAction(MakeAction(item.id, item.text));
        }
    }
    QAction* toggle = Action(ID_DEMO_TOGGLE_DRAG);
    toggle->setCheckable(true);
    m_pView->OnUpdateToggleDrag(toggle);
    connect(demo, &QMenu::aboutToShow, this,
            [this, toggle] { m_pView->OnUpdateToggleDrag(toggle); });
}
