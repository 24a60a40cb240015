// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/griddemodlg.h"

#include "app/commandids.h"
#include "app/nodenamedlg.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>

CGridDemoDlg::CGridDemoDlg(QWidget* parent)
    : CTemplateDlg(tr("No servers were harmed in the making of this tree"),
                   DialogFont("Sans Serif", 8), 381, 264, parent),
      m_wndFrame(new QFrame(this)) {
    // The grid comes first, as it is made when the dialog's window is created, before the
    // template's controls: it is first in the tab order and takes the focus.
    m_bGridCreated = m_wndGrid.Create(this, IDC_DEMO_GRID) != FALSE;
    if (m_bGridCreated) {
        m_wndGrid.PrepareGrid();
        m_wndGrid.SetExtendedStyle(0);
        m_wndGrid.setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    }

    QPushButton* insert = AddButton(tr("&Insert"), IDC_INSERT, 324, 41, 50, 14, false);
    connect(insert, &QPushButton::clicked, this, &CGridDemoDlg::OnInsert);
    AddButton(tr("Cancel"), IDCANCEL, 324, 24, 50, 14, false);
    AddButton(tr("OK"), IDOK, 324, 7, 50, 14, true);
    m_wndFrame->setFrameStyle(QFrame::Box | QFrame::Plain);
    PlaceControl(m_wndFrame, IDC_GRID_FRAME, 7, 7, 308, 250);

    // Initialisation: the grid takes the placeholder's place exactly.
    m_wndFrame->hide();
    if (m_bGridCreated) {
        m_wndGrid.setGeometry(m_wndFrame->geometry());
        m_wndGrid.show();
        m_wndGrid.setFocus();
    }
}

// Escape that the grid leaves (no drag, no editor: they take it) cancels the dialog as anywhere.
void CGridDemoDlg::keyPressEvent(QKeyEvent* event) {
    const bool returnKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QWidget* focus = focusWidget();
    if (returnKey && focus != nullptr && (focus == &m_wndGrid || m_wndGrid.isAncestorOf(focus))) {
        // The grid (or its in-place editor) has had the key and left it: it does not close
        // the dialog.
        event->accept();
        return;
    }
    CTemplateDlg::keyPressEvent(event);
}

void CGridDemoDlg::OnInsert() {
    PromptAndInsertSampleItems(m_wndGrid, this);
}
