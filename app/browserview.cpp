#include "app/browserview.h"

#include "app/commandids.h"

CBrowserView::CBrowserView(QWidget* parent) : QWidget(parent) {}

// A grid that cannot be made is not an error of the view: the window opens without it, and the
// commands that need it find no grid window.
bool CBrowserView::OnCreate() {
    m_bGridCreated = m_wndGrid.Create(this, kGridControlId);
    if (m_bGridCreated) {
        m_wndGrid.PrepareGrid();
        PlaceGrid();
    }
    return true;
}

bool CBrowserView::OnCommand(int id) {
    if (id != ID_NEW_FULL_LIST) {
        return false;
    }
    if (m_bGridCreated && !m_bRefreshing) {
        m_bRefreshing = true;
        m_wndGrid.RefreshList();
        m_bRefreshing = false;
        emit refreshEnded();
    }
    return true;
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
