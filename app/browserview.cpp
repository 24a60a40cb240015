// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/browserview.h"

#include "app/commandids.h"

CBrowserView::CBrowserView(QPrinter* printer, QWidget* parent)
    : QWidget(parent), m_pPrinter(printer) {}

// A grid that cannot be made is not an error of the view: the window opens without it, and the
// commands that need it find no grid window.
bool CBrowserView::OnCreate() {
    m_bGridCreated = m_wndGrid.Create(this, kGridControlId);
    if (m_bGridCreated) {
        m_wndGrid.PrepareGrid();
        connect(&m_wndGrid, &CServerGrid::joinRequested, this, &CBrowserView::OnJoinServer);
        PlaceGrid();
    }
    return true;
}

bool CBrowserView::OnCommand(int id) {
    switch (id) {
        case ID_NEW_FULL_LIST:
            RunRefresh(&CServerGrid::RefreshList);
            return true;
        case ID_FILE_PRINT:
        case ID_FILE_PRINT_DIRECT:
            OnFilePrint(id == ID_FILE_PRINT_DIRECT);
            return true;
        case ID_FILE_PRINT_PREVIEW:
            OnFilePrintPreview();
            return true;
        default:
            return OnServerCommand(id) || OnDemoCommand(id);
    }
}

void CBrowserView::RunRefresh(RefreshOutcome (CServerGrid::*refresh)()) {
    if (m_bGridCreated && !m_bRefreshing) {
        m_bRefreshing = true;
        emit refreshStarted();
        m_lastOutcome = (m_wndGrid.*refresh)();
        m_bRefreshing = false;
        emit refreshEnded();
    }
}

void CBrowserView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceGrid();
}

// One pixel beyond the view's left and top edges, the view's client size.
void CBrowserView::PlaceGrid() {
    if (!m_bGridCreated) {
        return;
    }
    m_wndGrid.setGeometry(-1, -1, width(), height());
    m_wndGrid.show();
}
