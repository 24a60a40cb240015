// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/gdiobjects.h"
#include "platform/qt/wintypes.h"

#include <QStatusBar>
#include <QString>

#include <vector>

// The message pane's idle text, shown in pane 0 when the bar is set up.
inline constexpr char kIdleMessage[] = "Ready";

// A status bar with numbered panes: pane 0 stretches over the width the other panes leave. A
// pane that SetIndicators gave a text (the keyboard indicators "CAP", "NUM", "SCRL") is as wide
// as that text; later texts do not resize it. Any other pane after pane 0 (a separator id) is as
// wide as its current text, and takes no room while it has none (the count panes). When the
// panes after pane 0 do not fit in the bar, the indicator panes give way, the last one first:
// they get no width; when even the rest do not fit, the leftmost run past the bar's left edge.
// Panes never overlap, and each pane with a width has room for its text.
// Pane rectangles are exact and in the bar's client coordinates, so a child window (the
// progress bar) can be placed over a pane.
//
// The lock state of the keys cannot be read portably under Qt, so the indicator panes always show
// their texts, dimmed; the other panes' texts are not. A status tip (QStatusBar::showMessage, e.g.
// a menu prompt) shows in pane 0 over its text while it lasts; the pane text itself stays as set.
//
// Assistive technology reads each pane's text (statusbar_accessible.h); a new pane-0 text is
// announced.
//
// Control id 59393 unless changed with SetDlgCtrlID. UI thread only.
class CStatusBar : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int kControlId = 59393;

    explicit CStatusBar(QWidget* parent = nullptr);
    ~CStatusBar() override;

    // One pane per id; pane 0 gets kIdleMessage, every other pane the text loadString gives for
    // its id (an id of 0, a separator, gets no text and fits its later texts). FALSE (and no
    // change) for no ids.
    BOOL SetIndicators(const int* ids, int count, QString (*loadString)(int id));
    int GetCount() const { return static_cast<int>(m_panes.size()); }

    // The pane's rectangle in client coordinates (empty for a pane that has no width); FALSE and
    // an empty rectangle for a bad index. O(panes).
    BOOL GetItemRect(int pane, CRect* rect) const;
    // Sets the pane's text. An unchanged text does nothing; otherwise with update the pane is
    // repainted before the call returns (when the bar is shown), without bUpdate at the next paint;
    // the whole bar when a pane that fits its text changed its width. A new pane-0 text is
    // announced to assistive technology (QAccessible::NameChanged on the bar's child 0).
    BOOL SetPaneText(int pane, const QString& text, BOOL bUpdate = TRUE);
    // The pane's text; empty for a bad index.
    QString GetPaneText(int pane) const;
    // Repaints the whole bar before returning (when it is shown).
    void UpdateWindow();
    // The bar's font, as a CDC selects it; follows font changes of the bar.
    CFont* GetFont() { return &m_font; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Sent first thing in the destructor, while the children still exist: a window that sits in
    // the bar but is owned elsewhere (the progress bar) leaves it here instead of being deleted.
    void aboutToBeDestroyed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Pane {
        int id = 0;
        QString text;
        QString sizingText;  // the text given by SetIndicators: decides the pane's width
        int width = 0;
        bool fitsText = false;  // a separator after pane 0: as wide as its current text
    };

    void MeasurePanes();
    int TextWidth(const QString& text) const;
    // Each pane's width after pane 0 as laid out now (0: the pane takes no room). O(panes).
    std::vector<int> LaidOutWidths() const;

    std::vector<Pane> m_panes;
    CFont m_font;
};
