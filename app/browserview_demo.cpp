// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's demonstration commands. No menu, button or key sends them unless the browser runs
// with --demo.

#include "app/browserview.h"

#include "app/commandids.h"
#include "app/griddemodlg.h"
#include "app/nodenamedlg.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>

namespace {

// The key-down commands: Delete (virtual key 46, which the grid gives no meaning), and the
// keypad's plus (107, expand), minus (109, collapse) and asterisk (106, expand the subtree).
struct KeyDownCommand {
    int id;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};
const KeyDownCommand kKeyDownCommands[] = {
    {ID_DEMO_KEY_DELETE, Qt::Key_Delete, Qt::NoModifier},
    {ID_DEMO_KEY_EXPAND, Qt::Key_Plus, Qt::KeypadModifier},
    {ID_DEMO_KEY_COLLAPSE, Qt::Key_Minus, Qt::KeypadModifier},
    {ID_DEMO_KEY_EXPAND_ALL, Qt::Key_Asterisk, Qt::KeypadModifier},
};

}  // namespace

bool CBrowserView::OnDemoCommand(int id) {
    for (const KeyDownCommand& command : kKeyDownCommands) {
        if (command.id == id) {
            SendKeyDown(command.key, command.modifiers);
            return true;
        }
    }
    switch (id) {
        case ID_DEMO_GRID_DIALOG: {
            CGridDemoDlg dialog(this);
            dialog.DoModal();
            return true;
        }
        case ID_DEMO_INSERT_ITEMS:
            if (m_bGridCreated) {
                PromptAndInsertSampleItems(m_wndGrid, this);
            }
            return true;
        case ID_DEMO_FIND:
            m_wndGrid.RunFindDemo();
            return true;
        case ID_DEMO_TOGGLE_DRAG:
            m_bAllowDrag = !m_bAllowDrag;
            m_wndGrid.m_bDragEnabled = m_bAllowDrag;
            return true;
        case ID_DEMO_IDLE_32780:
        case ID_DEMO_IDLE_32783:
        case ID_DEMO_IDLE_32784:
        case ID_DEMO_SET_IMAGE:
            return true;
        default:
            return false;
    }
}

void CBrowserView::OnUpdateToggleDrag(QAction* item) const {
    item->setChecked(m_bAllowDrag != 0);
}

// A plain key press as the keyboard would deliver it to the grid, handled before this returns.
// Without a grid window it goes nowhere.
void CBrowserView::SendKeyDown(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (!m_bGridCreated) {
        return;
    }
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(&m_wndGrid, &event);
}
