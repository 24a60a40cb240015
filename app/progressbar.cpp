// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/progressbar.h"

#include "app/commandids.h"
#include "app/stringtable.h"
#include "platform/qt/ctrlid.h"
#include "platform/qt/dc.h"
#include "platform/qt/mainwindow.h"
#include "platform/qt/statusbar.h"

#include <QEvent>
#include <QMainWindow>
#include <QThread>

#include <utility>

namespace {

// pos + step, started over from the bottom of the range once it runs past the top.
int Advance(int pos, int step, int lower, int upper) {
    const long long next = static_cast<long long>(pos) + step;
    if (next <= upper) {
        return next < lower ? lower : static_cast<int>(next);
    }
    const long long range = static_cast<long long>(upper) - lower;
    return range <= 0 ? lower : static_cast<int>(lower + (next - lower) % range);
}

}  // namespace

CProgressBar::CProgressBar() = default;

CProgressBar::CProgressBar(const QString& label, int widthPercent, int maxValue, bool smooth,
                           int paneIndex) {
    Create(label, widthPercent, maxValue, smooth, paneIndex);
}

CProgressBar::~CProgressBar() {
    RestorePaneText();
    if (m_pStatusBar != nullptr) {
        m_pStatusBar->removeEventFilter(this);
    }
}

BOOL CProgressBar::Create(const QString& label, int widthPercent, int maxValue, bool smooth,
                          int paneIndex) {
    CStatusBar* statusBar = FindStatusBar();
    if (statusBar == nullptr || m_bCreated) {
        return FALSE;
    }
    CRect pane;
    statusBar->GetItemRect(paneIndex, &pane);
    setParent(statusBar);
    SetDlgCtrlID(this, kControlId);
    setTextVisible(false);
    setGeometry(pane.ToQRect());
    m_bSmooth = smooth;
    m_bCreated = true;
    m_pStatusBar = statusBar;
    connect(statusBar, &CStatusBar::aboutToBeDestroyed, this, &CProgressBar::LeaveStatusBar);
    statusBar->installEventFilter(this);
    show();

    SetRange(0, maxValue, 1);
    SetStep(1);
    m_strLabel = label;
    m_nWidthPercent = widthPercent;
    m_nPaneIndex = paneIndex;
    m_strSavedText = statusBar->GetPaneText(paneIndex);
    FitToPane();
    return TRUE;
}

BOOL CProgressBar::SetRange(int lower, int upper, int step) {
    if (!m_bCreated) {
        return FALSE;
    }
    const int pos = value();
    setRange(lower, upper);
    setValue(pos < minimum() ? minimum() : (pos > maximum() ? maximum() : pos));
    m_nStep = step;
    return TRUE;
}

int CProgressBar::SetStep(int step) {
    if (!m_bCreated) {
        return 0;
    }
    if (isHidden()) {
        show();
    }
    return std::exchange(m_nStep, step);
}

int CProgressBar::StepIt() {
    if (QThread::currentThread() != thread()) {
        int previous = 0;
        QMetaObject::invokeMethod(
            this, [this] { return StepIt(); }, Qt::BlockingQueuedConnection, &previous);
        return previous;
    }
    if (!m_bCreated) {
        return 0;
    }
    if (isHidden()) {
        show();
    }
    const int previous = value();
    setValue(Advance(previous, m_nStep, minimum(), maximum()));
    return previous;
}

BOOL CProgressBar::FitToPane() {
    if (!m_bCreated) {
        return FALSE;
    }
    CStatusBar* statusBar = FindStatusBar();
    if (statusBar == nullptr) {
        return FALSE;
    }
    if (!isHidden()) {
        // Inside our own paint the status bar cannot paint at once: the pane is then repainted on
        // the next pass instead.
        statusBar->SetPaneText(m_nPaneIndex, m_strLabel, !m_bInPaint);
        if (!m_bInPaint) {
            statusBar->UpdateWindow();
        }
    }

    CDC dc(nullptr, statusBar);
    CFont* oldFont = dc.SelectObject(statusBar->GetFont());
    const int labelWidth = dc.GetTextExtent(m_strLabel).cx;
    const int margin = 2 * dc.GetTextExtent(" ").cx;
    dc.SelectObject(oldFont);

    CRect rect;
    statusBar->GetItemRect(m_nPaneIndex, &rect);
    if (!m_strLabel.isEmpty()) {
        rect.left += labelWidth + 2 * margin;
    }
    rect.right -= (rect.right - rect.left) * (100 - m_nWidthPercent) / 100;
    if (rect.right < rect.left) {
        rect.right = rect.left;
    }
    const int inset = rect.Height() / 10;
    rect.top += inset;
    rect.bottom -= inset;

    if (rect != m_rcPlaced) {
        setGeometry(rect.ToQRect());
        m_rcPlaced = rect;
    }
    return TRUE;
}

void CProgressBar::RestorePaneText() {
    if (!m_bCreated) {
        return;
    }
    hide();
    const QString text =
        m_nPaneIndex != 0 ? m_strSavedText : LoadResourceString(AFX_IDS_IDLEMESSAGE);
    if (CStatusBar* statusBar = FindStatusBar()) {
        statusBar->SetPaneText(m_nPaneIndex, text);
        statusBar->UpdateWindow();
    }
}

CStatusBar* CProgressBar::FindStatusBar() {
    QWidget* mainWindow = AfxGetMainWnd();
    if (mainWindow == nullptr) {
        return nullptr;
    }
    if (auto* frame = qobject_cast<QMainWindow*>(mainWindow)) {
        // QMainWindow::statusBar() would make a bar where there is none: look among the children.
        const auto bars = frame->findChildren<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
        return bars.isEmpty() ? nullptr : qobject_cast<CStatusBar*>(bars.first());
    }
    for (QWidget* child : mainWindow->findChildren<QWidget*>()) {
        if (GetDlgCtrlID(child) == AFX_IDW_STATUS_BAR) {
            return qobject_cast<CStatusBar*>(child);
        }
    }
    return nullptr;
}

void CProgressBar::paintEvent(QPaintEvent* event) {
    m_bInPaint = true;
    FitToPane();
    m_bInPaint = false;
    QProgressBar::paintEvent(event);
}

bool CProgressBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pStatusBar && event->type() == QEvent::Resize) {
        FitToPane();
    }
    return QProgressBar::eventFilter(watched, event);
}

void CProgressBar::LeaveStatusBar() {
    if (m_pStatusBar != nullptr) {
        m_pStatusBar->removeEventFilter(this);
    }
    m_pStatusBar = nullptr;
    m_bCreated = false;
    setParent(nullptr);
}
