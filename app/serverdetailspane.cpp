// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/serverdetailspane.h"

#include "serverlist/servergrid.h"

#include <QLabel>
#include <QScrollArea>
#include <QTimer>

namespace {

constexpr int kRereadDelayMs = 250;

}  // namespace

CServerDetailsPane::CServerDetailsPane(CServerGrid* grid, QWidget* parent)
    : QDockWidget(tr("Server Details"), parent),
      m_pGrid(grid),
      m_pText(new QLabel(this)),
      m_pReread(new QTimer(this)) {
    setObjectName("serverDetails");  // names the dock in the saved window state
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    m_pText->setTextFormat(Qt::PlainText);
    m_pText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_pText->setFocusPolicy(Qt::StrongFocus);
    m_pText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pText->setWordWrap(true);
    const int margin = m_pText->fontMetrics().height() / 2;  // text off the pane's edges
    m_pText->setContentsMargins(margin, margin / 2, margin, margin / 2);
    // Assistive technology reads the label's text as its name; the area around it names it.
    auto* scroll = new QScrollArea(this);
    scroll->setAccessibleName(tr("Server details"));
    scroll->setWidgetResizable(true);
    scroll->setWidget(m_pText);
    setWidget(scroll);
    hide();

    m_pReread->setSingleShot(true);
    m_pReread->setInterval(kRereadDelayMs);
    connect(m_pReread, &QTimer::timeout, this, &CServerDetailsPane::ShowSelected);
    // A hidden pane reads nothing: showing it reads the selected row.
    const auto reread = [this] {
        if (!isHidden() && !m_pReread->isActive()) {
            m_pReread->start();
        }
    };
    connect(grid, &CServerGrid::serverRowsChanged, this, reread);
    connect(grid, &CServerGrid::rowsAboutToChange, this, reread);
    connect(grid, &CServerGrid::selectionChanged, this, [this] {
        if (!isHidden()) {
            ShowSelected();
        }
    });
    ShowSelected();
}

void CServerDetailsPane::showEvent(QShowEvent* event) {
    ShowSelected();
    QDockWidget::showEvent(event);
}

QString CServerDetailsPane::Text() const {
    return m_pText->text();
}

void CServerDetailsPane::ShowSelected() {
    m_pReread->stop();
    m_pText->setText(m_pGrid->DetailsText(m_pGrid->NodeFromRow(m_pGrid->GetSelectedRow())));
}
