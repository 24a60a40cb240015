// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/wintypes.h"

#include <QPointer>
#include <QProgressBar>
#include <QString>

class CStatusBar;

// A progress bar inside one pane of the main window's status bar: the label is written into the
// pane, and the bar sits right of it over a share (per cent) of the remaining width. The bar finds
// the status bar itself (FindStatusBar), follows the pane when the status bar is resized or the
// bar repaints, and gives the pane its text back when it goes ("Ready" for pane 0, the text it had
// before for any other pane).
//
// Made by the default constructor, the object has no window until Create succeeds; without one
// every operation does nothing and returns 0. The status bar is looked up, never owned; if it is
// destroyed first, the bar leaves it and counts as having no window.
//
// Runs on the UI thread. StepIt may be called from any thread: off the UI thread it forwards itself
// there with a blocking queued call, so the UI thread must be processing events meanwhile.
class CProgressBar : public QProgressBar {
    Q_OBJECT

public:
    static constexpr int kControlId = 1;

    CProgressBar();
    // Calls Create with the same arguments; its result is not kept.
    CProgressBar(const QString& label, int widthPercent, int maxValue, bool smooth, int paneIndex);
    ~CProgressBar() override;

    // Creates the bar in the pane: range 0..maxValue, step 1, position 0, shown, label in the pane,
    // placed. 0 without a status bar (or when already created), 1 on success.
    BOOL Create(const QString& label, int widthPercent, int maxValue, bool smooth, int paneIndex);
    // Range and step; 1. A position outside the new range moves to its nearest end. Does not
    // change visibility.
    BOOL SetRange(int lower, int upper, int step);
    // Shows the bar and sets the step; returns the previous step.
    int SetStep(int step);
    // Shows the bar and advances it by one step (past the maximum it starts over from the
    // minimum); returns the previous position.
    int StepIt();
    // Writes the label into the pane (while the bar is shown) and places the bar; 1 when done.
    // The bar moves only when its computed rectangle differs from the last one.
    BOOL FitToPane();
    // Hides the bar and gives the pane its text back.
    void RestorePaneText();

    // The status bar of the registered main window (AfxGetMainWnd): a QMainWindow's own status bar
    // when it is a CStatusBar; for another window its descendant with id 59393 when that is a
    // CStatusBar; else null.
    static CStatusBar* FindStatusBar();

    bool IsCreated() const { return m_bCreated; }
    // The smooth style asked for at creation. Qt's styles draw the bar without chunks where they
    // can; the flag is kept for the caller's sake.
    bool IsSmooth() const { return m_bSmooth; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LeaveStatusBar();

    int m_nWidthPercent = 100;
    int m_nPaneIndex = 0;
    QString m_strLabel;
    QString m_strSavedText;
    CRect m_rcPlaced;

    int m_nStep = 10;
    bool m_bSmooth = false;
    bool m_bCreated = false;
    bool m_bInPaint = false;
    QPointer<CStatusBar> m_pStatusBar;
};
