// SPDX-License-Identifier: GPL-3.0-or-later
// Waiting for a free slot in the main window: its status text in pane 0, a Cancel button at the
// right end of that pane, and Servers > "Cancel Waiting".

#include "app/commandids.h"
#include "app/mainframe.h"

#include <QEvent>
#include <QMenu>
#include <QToolButton>

namespace {

// A button at the right end of the status bar's pane 0, placed again when the bar changes size.
class CPaneButton : public QToolButton {
public:
    explicit CPaneButton(CStatusBar* bar) : QToolButton(bar), m_pBar(bar) {
        bar->installEventFilter(this);
    }
    void Place() {
        CRect pane;
        m_pBar->GetItemRect(0, &pane);
        const int width = std::min(sizeHint().width(), pane.Width());
        setGeometry(pane.right - width, pane.top, width, pane.Height());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_pBar && event->type() == QEvent::Resize) {
            Place();
        }
        return false;
    }

private:
    CStatusBar* m_pBar;
};

}  // namespace

void CMainFrame::BuildSlotWaitItems(QMenu* servers) {
    QAction* cancel = MakeAction(ID_CANCEL_SLOT_WAIT, tr("Cancel &Waiting"));
    cancel->setEnabled(false);
    servers->addSeparator();
    servers->addAction(cancel);
    auto* button = new CPaneButton(m_pStatusBar);
    button->setText(tr("Cancel"));
    button->setToolTip(cancel->toolTip());
    button->hide();
    connect(button, &QToolButton::clicked, this, [this] { SendCommand(ID_CANCEL_SLOT_WAIT); });
    m_pSlotWaitCancel = button;
    connect(m_pView, &CBrowserView::slotWaitChanged, this,
            [this, cancel, button](const QString& status, bool bWaiting) {
                m_pStatusBar->SetPaneText(0, status);
                cancel->setEnabled(bWaiting);
                button->setVisible(bWaiting);
                button->Place();
            });
}

bool CMainFrame::OnSlotWaitCommand(int id) {
    if (id != ID_CANCEL_SLOT_WAIT) {
        return false;
    }
    m_pView->CancelSlotWait();
    return true;
}
